#pragma once

#include <string>
#include <vector>

#include "shell/splash_controller.h"
#include "support/call_log.h"

namespace velmora::testing {

class RecordingSplash : public SplashController {
public:
    explicit RecordingSplash(CallLog* log = nullptr) : m_log(log) {}

    bool show(const std::string& statusText) override
    {
        logCall(m_log, "splash.show " + statusText);
        if (open) {
            return false;
        }
        open = true;
        statusTexts.push_back(statusText);
        return true;
    }
    bool close() override
    {
        logCall(m_log, "splash.close");
        const bool wasOpen = open;
        open = false;
        return wasOpen;
    }

    bool open = false;
    std::vector<std::string> statusTexts;

private:
    CallLog* m_log;
};

}  // namespace velmora::testing
