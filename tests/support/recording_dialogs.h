#pragma once

#include <string>
#include <vector>

#include "shell/platform.h"
#include "support/call_log.h"

namespace velmora::testing {

// Message boxes that record their texts; confirm answers confirmAnswer.
class RecordingDialogs : public UserDialogs {
public:
    explicit RecordingDialogs(CallLog* log = nullptr) : m_log(log) {}

    void showMessage(const std::string& text) override
    {
        messages.push_back(text);
        logCall(m_log, "dialogs.showMessage " + text);
    }
    bool confirm(const std::string& text) override
    {
        confirmations.push_back(text);
        logCall(m_log, "dialogs.confirm " + text);
        return confirmAnswer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> confirmations;
    bool confirmAnswer = true;

private:
    CallLog* m_log;
};

class RecordingClipboard : public Clipboard {
public:
    void setText(const std::string& value) override { texts.push_back(value); }

    std::vector<std::string> texts;
};

class RecordingUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override
    {
        urls.push_back(url);
        return true;
    }

    std::vector<std::string> urls;
};

class RecordingLauncher : public ProcessLauncher {
public:
    struct Start {
        std::string program;
        std::vector<std::string> arguments;
    };

    bool startDetached(const std::string& program, const std::vector<std::string>& arguments) override
    {
        starts.push_back({program, arguments});
        return succeed;
    }

    std::vector<Start> starts;
    bool succeed = true;
};

}  // namespace velmora::testing
