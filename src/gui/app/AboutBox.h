#pragma once
// The version dialog: program icon, title, version and a short notice.
#include <QDialog>

namespace tarvo::gui {

class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    // "Version：　" followed by the program's version.
    static QString versionText();
};

} // namespace tarvo::gui
