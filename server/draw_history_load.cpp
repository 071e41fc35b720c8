#include "server/draw_history_load.h"

#include <algorithm>
#include <string>

#include "base/text_value.h"
#include "engine/message_sink.h"
#include "server/row_table.h"
#include "server/server_client.h"

namespace velmora {
namespace {

constexpr int kDrawFields = 5;
constexpr const char* kLoadFailed = "查询最近开奖数据失败！";

}  // namespace

bool loadRecentDraws(ServerClient& client, MessageSink& sink, int count, std::vector<DrawRecord>& history)
{
    count = std::max(count, 0);
    RowTable table;
    if (!client.queryRecentDraws(count, table)) {
        sink.showMessage(kLoadFailed + client.lastError());
        return false;
    }
    if (!table.empty() && table.columns() < kDrawFields) {
        sink.showMessage(std::string(kLoadFailed) + "开奖数据不完整：每期应有" + std::to_string(kDrawFields)
                         + "项，收到" + std::to_string(table.columns()) + "项");
        return false;
    }

    std::vector<DrawRecord> records(std::size_t(count), DrawRecord{});
    const int filled = std::min(table.rows(), count);
    for (int r = 1; r <= filled; ++r) {
        DrawRecord& record = records[std::size_t(r - 1)];
        record.tag = table.at(r, 1);
        record.period = table.at(r, 2);
        record.drawTime = table.at(r, 3);
        record.numbers = table.at(r, 4);
        record.seedBase = integerValue32(table.at(r, 5));
    }
    history = std::move(records);
    return true;
}

}  // namespace velmora
