#include "gui/app/GuiMain.h"

#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <iostream>

#include "gui/app/DisplayAvailability.h"
#include "gui/app/MainForm.h"
#include "gui/app/TarvoApplication.h"
#include "gui/print/FontStandIns.h"

namespace tarvo::gui {

int runWindow(int& argc, char** argv, const SettingsLocation& settings, const std::string& projectPath) {
    if (!displayAvailable()) {
        std::cerr << "tarvo-posts: no display to show the window on (DISPLAY and WAYLAND_DISPLAY are not set).\n"
                     "Run it in a desktop session, or use a subcommand without a window:\n"
                     "  tarvo-posts check FILE.tvp    (see tarvo-posts --help)\n";
        return 2;
    }
    TarvoApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarvo-posts"));
    QApplication::setApplicationDisplayName(QString());
    // Ties the window to the installed desktop entry (its name and icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("tarvo-posts"));
    // Qt's own dialogs (print, page setup, file, font) speak the language of
    // the program, whatever the system's locale; without the translations
    // installed they stay in English.
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTexts);
    installFontStandIns();
    QApplication::setFont(MainForm::windowFont());

    MainForm window(settings);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/tarvo-posts.svg")));
    window.show();
    // Work a crashed or killed session left unsaved comes first; a restored
    // project takes the place of the one named on the command line.
    if (!window.offerRecovery() && !projectPath.empty()) window.openProjectOnStart(QString::fromStdString(projectPath));
    return QApplication::exec();
}

} // namespace tarvo::gui
