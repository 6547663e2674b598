#pragma once
// Messages of the core shown as message boxes over a window, each preceded
// by the beep of its kind.
#include "core/text/MessageSink.h"

class QWidget;

namespace tarvo::gui {

class WidgetMessageSink final : public MessageSink {
public:
    explicit WidgetMessageSink(QWidget* owner = nullptr) : owner_(owner) {}
    void setOwner(QWidget* owner) { owner_ = owner; }
    void showMessage(MessageKind kind, std::string_view text) override;

private:
    QWidget* owner_;
};

} // namespace tarvo::gui
