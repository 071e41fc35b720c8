// The select_draw reply cutting on hostile text: extractInnerData and
// parseRowTable must accept anything and give a consistent table.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "server/row_table.h"
#include "server/server_client.h"

namespace {

void checkTable(std::string_view text)
{
    velmora::RowTable table;
    const bool ok = velmora::ServerClient::parseRowTable(text, table);
    if (ok != !table.empty()) {
        __builtin_trap();
    }
    if (ok) {
        if (table.rows() < 1 || table.columns() < 1) {
            __builtin_trap();
        }
        table.at(table.rows(), table.columns());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view raw(reinterpret_cast<const char*>(bytes), size);
    const std::string text = velmora::ServerClient::extractInnerData(raw);
    if (text.size() > raw.size()) {
        __builtin_trap();
    }
    checkTable(text);
    checkTable(raw);
    return 0;
}
