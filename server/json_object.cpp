#include "server/json_object.h"

#include "server/json_engine.h"

namespace velmora {

JsonObject::JsonObject()
    : JsonValue(ValueKind::Object)
{
}

bool JsonObject::set(std::string_view key, std::string_view text)
{
    Json::Value* value = engine().value.get();
    if (value == nullptr || !(value->isObject() || value->isNull())) {
        return false;
    }
    (*value)[std::string(key)] = Json::Value(std::string(text));
    return true;
}

bool JsonObject::setChild(std::string_view key, const JsonValue& child)
{
    Json::Value* value = engine().value.get();
    const Json::Value* childValue = engineOf(child).value.get();
    if (value == nullptr || childValue == nullptr || !(value->isObject() || value->isNull())) {
        return false;
    }
    (*value)[std::string(key)] = *childValue;
    return true;
}

std::string JsonObject::getText(std::string_view key) const
{
    ValueKind kind = ValueKind::None;
    return getText(key, kind);
}

std::string JsonObject::getText(std::string_view key, ValueKind& kind) const
{
    kind = ValueKind::None;
    const Json::Value* value = engine().value.get();
    if (value == nullptr || !value->isObject()) {
        return {};
    }
    const std::string name(key);
    const Json::Value* member = value->find(name.data(), name.data() + name.size());
    if (member == nullptr) {
        return {};
    }
    kind = json_engine::kindOf(*member);
    return json_engine::textOf(*member);
}

}  // namespace velmora
