#include "gui/ui/DesktopOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/print/QtText.h"

namespace tarvo::gui {

namespace {

constexpr int kQueryMilliseconds = 3000;

} // namespace

QString desktopCannotOpen(const QString& mimeType) {
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QStringLiteral(
            "ファイルを開くプログラム xdg-open が見つかりません。xdg-utils をインストールしてください。");
    const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (query.isEmpty()) return {}; // xdg-open without its query: let it try
    QProcess process;
    process.start(query, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!process.waitForFinished(kQueryMilliseconds)) {
        process.kill();
        process.waitForFinished(kQueryMilliseconds);
        return {};
    }
    if (!QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed().isEmpty()) return {};
    if (mimeType == QLatin1String("application/pdf"))
        return QStringLiteral(
            "PDF を表示するプログラムがありません。PDF ビューア（evince、okular など）をインストールしてください。");
    return QStringLiteral("%1 を開くプログラムがありません。").arg(mimeType);
}

QString openWithDesktop(const std::filesystem::path& file, const QString& mimeType) {
    if (QString why = desktopCannotOpen(mimeType); !why.isEmpty()) return why;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(fromPath(file))))
        return QStringLiteral("デスクトップがファイルを開けませんでした。");
    return {};
}

} // namespace tarvo::gui
