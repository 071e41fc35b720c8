#include "server/json_value.h"

#include <cstdint>
#include <sstream>

#include "base/text_value.h"
#include "server/json_engine.h"

namespace velmora {
namespace json_engine {

ValueKind kindOf(const Json::Value& value)
{
    switch (value.type()) {
    case Json::nullValue:
        return ValueKind::Null;
    case Json::booleanValue:
        return ValueKind::Boolean;
    case Json::stringValue:
        return ValueKind::String;
    case Json::intValue:
        return value.isInt() ? ValueKind::Int32 : ValueKind::Int64;
    case Json::uintValue:
        return value.isUInt() ? ValueKind::UInt32 : ValueKind::UInt64;
    case Json::realValue:
        return ValueKind::Real;
    case Json::objectValue:
        return ValueKind::Object;
    case Json::arrayValue:
        return ValueKind::Array;
    }
    return ValueKind::None;
}

std::string compactText(const Json::Value& value)
{
    static const Json::StreamWriterBuilder builder = [] {
        Json::StreamWriterBuilder b;
        b["indentation"] = "";
        b["emitUTF8"] = true;
        return b;
    }();
    return Json::writeString(builder, value);
}

std::string textOf(const Json::Value& value)
{
    switch (kindOf(value)) {
    case ValueKind::Boolean:
        return value.asBool() ? "true" : "";
    case ValueKind::String: {
        const char* begin = nullptr;
        const char* end = nullptr;
        value.getString(&begin, &end);
        return begin == nullptr ? std::string() : std::string(begin, end);
    }
    case ValueKind::Int32:
    case ValueKind::Int64:
        return numberText(std::int64_t(value.asInt64()));
    case ValueKind::UInt32:
        return numberText(std::int64_t(std::int32_t(std::uint32_t(value.asUInt()))));
    case ValueKind::UInt64:
        return numberText(std::int64_t(value.asUInt64()));
    case ValueKind::Real:
        return numberText(value.asDouble());
    case ValueKind::Object:
    case ValueKind::Array:
        return compactText(value);
    case ValueKind::Null:
    case ValueKind::None:
        break;
    }
    return {};
}

}  // namespace json_engine

JsonValue::JsonValue()
    : JsonValue(ValueKind::Null)
{
}

JsonValue::JsonValue(ValueKind emptyKind)
    : m_engine(std::make_unique<Engine>())
{
    m_engine->emptyKind = emptyKind;
}

JsonValue::~JsonValue() = default;

bool JsonValue::reset()
{
    switch (m_engine->emptyKind) {
    case ValueKind::Object:
        m_engine->value = std::make_unique<Json::Value>(Json::objectValue);
        break;
    case ValueKind::Array:
        m_engine->value = std::make_unique<Json::Value>(Json::arrayValue);
        break;
    default:
        m_engine->value = std::make_unique<Json::Value>();
        break;
    }
    return true;
}

bool JsonValue::parse(std::string_view text)
{
    static const Json::CharReaderBuilder builder = [] {
        Json::CharReaderBuilder b;
        Json::CharReaderBuilder::strictMode(&b.settings_);
        // Any JSON value may stand at the root; duplicate keys keep the last.
        b["strictRoot"] = false;
        b["rejectDupKeys"] = false;
        return b;
    }();
    m_engine->value.reset();
    auto parsed = std::make_unique<Json::Value>();
    const std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    std::string errors;
    bool ok = false;
    try {
        ok = reader->parse(text.data(), text.data() + text.size(), parsed.get(), &errors);
    } catch (const Json::Exception&) {
        ok = false;
    }
    if (!ok) {
        return false;
    }
    m_engine->value = std::move(parsed);
    return true;
}

std::string JsonValue::toText() const
{
    return m_engine->value ? json_engine::compactText(*m_engine->value) : std::string();
}

bool JsonValue::hasValue() const
{
    return m_engine->value != nullptr;
}

ValueKind JsonValue::kind() const
{
    return m_engine->value ? json_engine::kindOf(*m_engine->value) : ValueKind::None;
}

JsonValue::Engine& JsonValue::engine()
{
    return *m_engine;
}

const JsonValue::Engine& JsonValue::engine() const
{
    return *m_engine;
}

const JsonValue::Engine& JsonValue::engineOf(const JsonValue& other)
{
    return *other.m_engine;
}

}  // namespace velmora
