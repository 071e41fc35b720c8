#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/draw_record.h"
#include "server/app_info.h"

namespace velmora {

class MessageSink;

// The server calls the shell makes. The program uses the server client; tests
// replay canned answers.
class ServerAccess {
public:
    virtual ~ServerAccess() = default;
    // "init" at url; on success the application info and the data channel are set.
    virtual bool connect(const std::string& url, std::int32_t softwareNumber) = 0;
    // Text of the last failure that composed one.
    virtual std::string lastError() = 0;
    virtual AppInfo copyAppInfo() = 0;
    // The newest-draw answer split into its fields.
    virtual bool queryNewestDraw(std::vector<std::string>& fields) = 0;
    // Number of the latest published period; empty on failure.
    virtual std::string queryLatestPeriod() = 0;
    // Replaces history by the count most recent draws, newest first; on failure
    // shows why through messages and leaves history as it was.
    virtual bool loadRecentDraws(MessageSink& messages, int count, std::vector<DrawRecord>& history) = 0;
};

}  // namespace velmora
