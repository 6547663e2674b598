#pragma once
// Hands a file to the program the desktop has for its type (xdg-open), and
// says why when that cannot work: no xdg-open, or no program registered for
// the type. xdg-open itself reports nothing back to the program that starts
// it, so both are asked before.
#include <QString>

#include <filesystem>

namespace tarvo::gui {

// Opens `file` (of MIME type `mimeType`, e.g. "application/pdf"); an empty
// text when it was handed over, else the reason with what to install.
QString openWithDesktop(const std::filesystem::path& file, const QString& mimeType);

// Why the desktop cannot open files of `mimeType`, with what to install; an
// empty text when it can.
QString desktopCannotOpen(const QString& mimeType);

} // namespace tarvo::gui
