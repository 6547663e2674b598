#include "gui/app/TarvoApplication.h"

#include <QMessageBox>

#include <exception>

namespace tarvo::gui {

TarvoApplication::TarvoApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TarvoApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QApplication::beep();
        QMessageBox::critical(activeWindow(), QStringLiteral("エラー"), QString::fromUtf8(error.what()));
    } catch (...) {
        QApplication::beep();
        QMessageBox::critical(activeWindow(), QStringLiteral("エラー"),
                              QStringLiteral("予期しないエラーが発生しました。"));
    }
    return false;
}

} // namespace tarvo::gui
