#pragma once

#include <string>

namespace velmora {

// Where the logic sends a message for the user. The window layer shows it as
// a message box with the caption "信息：" and an OK button; the console prints
// it; tests record it. Returns when the user has acknowledged it.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const std::string& text) = 0;
};

}  // namespace velmora
