#pragma once

#include <string>
#include <string_view>

#include "server/json_value.h"

namespace velmora {

// A JSON object with keyed writes and reads.
class JsonObject : public JsonValue {
public:
    JsonObject();

    // Stores the text as a JSON string under the key, replacing any member of
    // that key. False when the wrapper holds no object (reset or parse it first).
    bool set(std::string_view key, std::string_view text);

    // Stores a copy of another wrapper's document under the key. False when
    // either side holds no value or this one holds no object.
    bool setChild(std::string_view key, const JsonValue& child);

    // The member by the value-to-text rule; the empty text when the key is
    // missing or no object is held (kind None).
    std::string getText(std::string_view key) const;
    std::string getText(std::string_view key, ValueKind& kind) const;
};

}  // namespace velmora
