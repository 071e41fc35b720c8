#pragma once

// The JsonCpp side of the JSON wrappers: the engine value behind a JsonValue,
// and the conversions that velmora-server also uses on its own JsonCpp values.

#include <json/json.h>

#include <memory>
#include <string>

#include "server/json_value.h"

namespace velmora {

struct JsonValue::Engine {
    ValueKind emptyKind = ValueKind::Null;
    std::unique_ptr<Json::Value> value;
};

namespace json_engine {

ValueKind kindOf(const Json::Value& value);
std::string compactText(const Json::Value& value);
std::string textOf(const Json::Value& value);

}  // namespace json_engine
}  // namespace velmora
