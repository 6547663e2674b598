#include "gui/print/SafeFileDevice.h"

#include <string_view>

#include "core/text/BufferedFileWriter.h"

namespace tarvo::gui {

bool SafeFileDevice::seek(qint64 position) {
    return position == written_ && QIODevice::seek(position);
}

qint64 SafeFileDevice::readData(char* /*data*/, qint64 /*maxSize*/) {
    return -1;
}

qint64 SafeFileDevice::writeData(const char* data, qint64 size) {
    if (size < 0 || !file_.write(std::string_view(data, static_cast<std::size_t>(size)))) return -1;
    written_ += size;
    return size;
}

} // namespace tarvo::gui
