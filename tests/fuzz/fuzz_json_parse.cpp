// The JSON wrappers on hostile text: parse must fail cleanly or hold a value
// whose compact text parses back to the same text; reads and writes on any
// parsed kind must not throw.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "server/json_array.h"
#include "server/server_reply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    velmora::ServerReply reply;
    if (!reply.parse(text)) {
        if (reply.hasValue() || !reply.toText().empty() || !reply.errorCode().empty()) {
            __builtin_trap();
        }
        return 0;
    }
    const std::string compact = reply.toText();
    velmora::ValueKind kind = velmora::ValueKind::None;
    for (const char* key : {"errcode", "msg", "data", "ticket", ""}) {
        reply.getText(key, kind);
    }

    velmora::JsonValue again;
    if (!again.parse(compact) || again.toText() != compact) {
        __builtin_trap();
    }

    velmora::JsonArray list;
    list.parse(text);
    list.add("x");
    reply.set("k", "v");
    reply.setChild("param", list);
    reply.toText();
    return 0;
}
