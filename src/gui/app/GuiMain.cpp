#include "gui/app/GuiMain.h"

#include <QIcon>

#include "gui/app/MainForm.h"
#include "gui/app/TarvoApplication.h"
#include "gui/print/FontStandIns.h"

namespace tarvo::gui {

int runWindow(int& argc, char** argv, const std::filesystem::path& programDir, const std::string& projectPath) {
    TarvoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvo-posts"));
    QApplication::setApplicationDisplayName(QString());
    installFontStandIns();
    QApplication::setFont(MainForm::windowFont());

    MainForm window(programDir);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tarvo-posts.svg")));
    window.show();
    if (!projectPath.empty()) window.openProjectOnStart(QString::fromStdString(projectPath));
    return QApplication::exec();
}

} // namespace tarvo::gui
