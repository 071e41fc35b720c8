#pragma once

#include <vector>

#include "engine/draw_record.h"

namespace velmora {

class MessageSink;
class ServerClient;

// Replaces the history by the count newest draws of the server, newest first:
// exactly count records, those beyond the returned rows empty, rows beyond
// count dropped. On a failed query, or draw rows with fewer than the five
// draw fields, tells the user through the sink and leaves the history as it
// was.
bool loadRecentDraws(ServerClient& client, MessageSink& sink, int count, std::vector<DrawRecord>& history);

}  // namespace velmora
