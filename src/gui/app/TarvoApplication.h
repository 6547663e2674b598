#pragma once
// The application object of the window. An exception that escapes an event
// handler is shown in an error box and the program goes on, instead of
// ending the program with the engineer's unsaved work.
#include <QApplication>

namespace tarvo::gui {

class TarvoApplication : public QApplication {
    Q_OBJECT
public:
    TarvoApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tarvo::gui
