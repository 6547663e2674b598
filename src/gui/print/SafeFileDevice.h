#pragma once
// A write-only Qt device over a buffered safe file writer, so that a Qt
// writer (the PDF writer) puts its document into the temporary file of the
// safe replacement as it makes it. Writing only goes forward; a failed
// write fails the device and stays in the file writer's result.
#include <QIODevice>

namespace tarvo {
class BufferedFileWriter;
}

namespace tarvo::gui {

class SafeFileDevice final : public QIODevice {
public:
    explicit SafeFileDevice(BufferedFileWriter& file) : file_(file) {}

    // Only the place already reached can be sought (nothing is read back).
    bool seek(qint64 position) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    BufferedFileWriter& file_;
    qint64 written_ = 0;
};

} // namespace tarvo::gui
