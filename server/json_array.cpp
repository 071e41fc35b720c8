#include "server/json_array.h"

#include "server/json_engine.h"

namespace velmora {

JsonArray::JsonArray()
    : JsonValue(ValueKind::Array)
{
}

bool JsonArray::add(std::string_view text)
{
    Json::Value* value = engine().value.get();
    if (value == nullptr || !(value->isArray() || value->isNull())) {
        return false;
    }
    value->append(Json::Value(std::string(text)));
    return true;
}

}  // namespace velmora
