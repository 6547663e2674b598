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

} // namespace tarvo
