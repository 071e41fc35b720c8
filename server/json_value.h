#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace velmora {

// Kind of a stored JSON value, as reported by every lookup.
enum class ValueKind : int {
    None = -1,  // empty wrapper, unparsable text, failed lookup
    Null = 0,
    Boolean = 1,
    String = 2,
    Int32 = 3,
    Real = 4,
    Int64 = 5,
    Object = 6,
    Array = 7,
    UInt32 = 8,
    UInt64 = 9,
};

// A JSON document behind one uniform shape: texts go in, and every read hands
// back text by the value-to-text rule (false and null read as the empty text,
// integers as signed decimal, reals as "%.13g", objects and arrays as their
// compact JSON text). A wrapper owns its document exclusively and is never
// copied.
class JsonValue {
public:
    JsonValue();
    virtual ~JsonValue();
    JsonValue(const JsonValue&) = delete;
    JsonValue& operator=(const JsonValue&) = delete;

    // Replaces the held document by a new empty one. An object wrapper starts
    // as {} and an array wrapper as [], so an untouched value still writes as
    // its container; the plain base starts as null.
    bool reset();

    // Replaces the held document by the one complete JSON document in text.
    // False (and no value held) when the text is not exactly one document.
    bool parse(std::string_view text);

    // Compact JSON text (no blanks or line breaks between tokens, UTF-8 kept
    // as it is); the empty text when no value is held.
    std::string toText() const;

    bool hasValue() const;
    ValueKind kind() const;

protected:
    struct Engine;
    explicit JsonValue(ValueKind emptyKind);
    Engine& engine();
    const Engine& engine() const;
    static const Engine& engineOf(const JsonValue& other);

private:
    std::unique_ptr<Engine> m_engine;
};

}  // namespace velmora
