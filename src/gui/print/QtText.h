#pragma once
// Conversions between the program's texts (UTF-8) and file names and Qt's
// strings, shared by the windows, the dialogs and the drawing on pages.
#include <QFile>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::gui {

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QStringList toQStringList(const std::vector<std::string>& texts) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& text : texts)
        list.append(toQString(text));
    return list;
}

// A file name as the system spells it (the bytes of the local encoding).
inline std::filesystem::path toPath(const QString& name) {
    return {QFile::encodeName(name).toStdString()};
}

inline QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(path.native().c_str());
}

} // namespace tarvo::gui
