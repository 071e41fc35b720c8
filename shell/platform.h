#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/message_sink.h"

namespace velmora {

// Message boxes. showMessage (from MessageSink) has only an OK button;
// confirm has OK and Cancel and is true only for OK.
class UserDialogs : public MessageSink {
public:
    virtual bool confirm(const std::string& text) = 0;
};

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void setText(const std::string& text) = 0;
};

// Opens an address in the desktop's default browser.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const std::string& url) = 0;
};

// Starts a program without waiting for it; arguments are passed as they are,
// never through a shell.
class ProcessLauncher {
public:
    virtual ~ProcessLauncher() = default;
    virtual bool startDetached(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// Wall-clock time and the millisecond tick count.
class SystemClock {
public:
    virtual ~SystemClock() = default;
    // Unix seconds, UTC.
    virtual std::int64_t unixNowSeconds() = 0;
    // Milliseconds since some fixed start, as a 32-bit value that wraps.
    virtual std::int32_t tickCount() = 0;
    // Unix seconds of a local date-time of this computer; none when the
    // date-time does not exist.
    virtual bool localTimeToUnix(int year, int month, int day, int hour, int minute, int second,
                                 std::int64_t& unixSeconds) = 0;
};

}  // namespace velmora
