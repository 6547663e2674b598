#pragma once
// Where the core's operations report what the user must be told. The window
// turns each message into a message box (with the beep of its kind), the
// command line prints it to stderr, tests record it.
#include <string>
#include <string_view>
#include <vector>

namespace tarvo {

enum class MessageKind {
    Information, // information box, default beep
    Error,       // error box, warning beep
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(MessageKind kind, std::string_view text) = 0;
};

// Swallows every message (silent batch work).
class NullMessageSink final : public MessageSink {
public:
    void showMessage(MessageKind, std::string_view) override {}
};

// Keeps every message in order (tests, and callers that show them later).
class RecordingMessageSink final : public MessageSink {
public:
    struct Entry {
        MessageKind kind;
        std::string text;
    };
    void showMessage(MessageKind kind, std::string_view text) override { entries.push_back({kind, std::string(text)}); }
    std::vector<Entry> entries;
};

// `text` (a message that ends in the file's path) followed by the reason the
// system gave on a line of its own; `text` alone when there is no reason.
inline std::string withReason(std::string text, std::string_view reason) {
    if (reason.empty()) return text;
    text += '\n';
    text += reason;
    return text;
}

} // namespace tarvo
