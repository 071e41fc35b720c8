#pragma once

#include <string_view>

#include "server/json_value.h"

namespace velmora {

// A JSON array of strings.
class JsonArray : public JsonValue {
public:
    JsonArray();

    // Appends the text as a JSON string. False when no array is held.
    bool add(std::string_view text);
};

}  // namespace velmora
