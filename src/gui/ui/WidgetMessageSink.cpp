#include "gui/ui/WidgetMessageSink.h"

#include <QApplication>
#include <QMessageBox>

namespace tarvo::gui {

void WidgetMessageSink::showMessage(MessageKind kind, std::string_view text) {
    QApplication::beep();
    const QString body = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QString title = QApplication::applicationDisplayName().isEmpty() ? QStringLiteral("木造柱の設計")
                                                                           : QApplication::applicationDisplayName();
    if (kind == MessageKind::Error)
        QMessageBox::critical(owner_, title, body);
    else
        QMessageBox::information(owner_, title, body);
}

} // namespace tarvo::gui
