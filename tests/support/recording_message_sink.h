#pragma once

#include <string>
#include <vector>

#include "engine/message_sink.h"

namespace velmora::testing {

class RecordingMessageSink : public MessageSink {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }

    std::vector<std::string> messages;
};

}  // namespace velmora::testing
