#include "server/json_array.h"
#include "server/json_object.h"
#include "server/server_reply.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace velmora {
namespace {

static_assert(!std::is_copy_constructible_v<JsonValue> && !std::is_copy_assignable_v<JsonObject>
              && !std::is_copy_constructible_v<JsonArray> && !std::is_copy_constructible_v<ServerReply>);

TEST(JsonValue, ReadsEveryKindByTheValueToTextRule)
{
    JsonObject doc;
    ASSERT_TRUE(doc.parse(R"({"s":"abc","t":true,"f":false,"n":null,"i":-5,"zero":0,"big":3000000000,)"
                          R"("neg":-3000000000,"umax":18446744073709551615,"r":0.25,"e":1e20,"whole":2.0,)"
                          R"("o":{"b":1,"a":[1,"x"]},"arr":[],"cn":"\u51a0\u519b","raw":"冠军"})"));
    struct Case {
        const char* key;
        const char* text;
        ValueKind kind;
    };
    const Case cases[] = {
        {"s", "abc", ValueKind::String},
        {"t", "true", ValueKind::Boolean},
        {"f", "", ValueKind::Boolean},
        {"n", "", ValueKind::Null},
        {"i", "-5", ValueKind::Int32},
        {"zero", "0", ValueKind::Int32},
        {"big", "3000000000", ValueKind::Int64},
        {"neg", "-3000000000", ValueKind::Int64},
        {"umax", "-1", ValueKind::UInt64},
        {"r", "0.25", ValueKind::Real},
        {"e", "1e+20", ValueKind::Real},
        {"whole", "2", ValueKind::Real},
        {"o", R"({"a":[1,"x"],"b":1})", ValueKind::Object},
        {"arr", "[]", ValueKind::Array},
        {"cn", "冠军", ValueKind::String},
        {"raw", "冠军", ValueKind::String},
        {"missing", "", ValueKind::None},
    };
    for (const Case& c : cases) {
        ValueKind kind = ValueKind::None;
        EXPECT_EQ(doc.getText(c.key, kind), c.text) << c.key;
        EXPECT_EQ(kind, c.kind) << c.key;
    }
}

TEST(JsonValue, MemberTextOfAnObjectParsesAgain)
{
    JsonObject outer;
    ASSERT_TRUE(outer.parse(R"({"inner":{"drawurl":"http://h/","n":[1,2]}})"));
    JsonObject inner;
    ASSERT_TRUE(inner.parse(outer.getText("inner")));
    EXPECT_EQ(inner.getText("drawurl"), "http://h/");
    EXPECT_EQ(inner.getText("n"), "[1,2]");
}

TEST(JsonValue, FailedParseHoldsNoValue)
{
    for (const char* text : {"", "   ", "{", "{} x", "nope", "{'a':1}", "{\"a\":1,}", "[1,2"}) {
        JsonObject doc;
        ASSERT_TRUE(doc.parse(R"({"a":"1"})"));
        EXPECT_FALSE(doc.parse(text)) << text;
        EXPECT_FALSE(doc.hasValue()) << text;
        EXPECT_EQ(doc.kind(), ValueKind::None) << text;
        EXPECT_EQ(doc.toText(), "") << text;
        ValueKind kind = ValueKind::Null;
        EXPECT_EQ(doc.getText("a", kind), "") << text;
        EXPECT_EQ(kind, ValueKind::None) << text;
    }
}

TEST(JsonValue, AnyValueMayStandAtTheRoot)
{
    JsonValue value;
    for (const char* text : {"null", "0", "\"x\"", "[]", "true"}) {
        EXPECT_TRUE(value.parse(text)) << text;
        EXPECT_EQ(value.toText(), text);
    }
}

TEST(JsonValue, DeepNestingFailsInsteadOfCrashing)
{
    JsonValue value;
    EXPECT_FALSE(value.parse(std::string(100000, '[')));
    EXPECT_FALSE(value.parse(std::string(5000, '[') + std::string(5000, ']')));
}

TEST(JsonValue, ResetGivesAnEmptyContainerThatWritesCompactly)
{
    JsonObject object;
    JsonArray array;
    EXPECT_EQ(object.toText(), "");
    EXPECT_FALSE(object.set("a", "1"));
    EXPECT_FALSE(array.add("1"));

    ASSERT_TRUE(object.reset());
    ASSERT_TRUE(array.reset());
    EXPECT_EQ(object.toText(), "{}");
    EXPECT_EQ(array.toText(), "[]");

    ASSERT_TRUE(object.setChild("param", array));
    EXPECT_EQ(object.toText(), R"({"param":[]})");

    ASSERT_TRUE(array.add(""));
    ASSERT_TRUE(array.add("50"));
    ASSERT_TRUE(object.set("rand", "7"));
    ASSERT_TRUE(object.set("name", "冠军 \"单双\"\r\n"));
    ASSERT_TRUE(object.setChild("param", array));
    EXPECT_EQ(object.toText(), R"({"name":"冠军 \"单双\"\r\n","param":["","50"],"rand":"7"})");

    ASSERT_TRUE(object.set("rand", "8"));
    EXPECT_EQ(object.getText("rand"), "8");
    ASSERT_TRUE(object.reset());
    EXPECT_EQ(object.toText(), "{}");
}

TEST(JsonValue, WritesIntoTheWrongKindAreRefused)
{
    JsonObject object;
    ASSERT_TRUE(object.parse("[1]"));
    EXPECT_FALSE(object.set("a", "x"));
    EXPECT_EQ(object.getText("a"), "");
    EXPECT_EQ(object.toText(), "[1]");

    JsonArray array;
    ASSERT_TRUE(array.parse(R"({"a":1})"));
    EXPECT_FALSE(array.add("x"));
    EXPECT_EQ(array.toText(), R"({"a":1})");

    JsonObject target;
    target.reset();
    JsonArray empty;
    EXPECT_FALSE(target.setChild("p", empty));
}

TEST(JsonValue, TextsKeepEmbeddedZeroBytes)
{
    JsonObject doc;
    ASSERT_TRUE(doc.parse(R"({"z":"a\u0000b"})"));
    EXPECT_EQ(doc.getText("z"), std::string("a\0b", 3));
}

TEST(ServerReply, ErrcodeAsNumberReadsLikeTheString)
{
    ServerReply reply;
    ASSERT_TRUE(reply.parse(R"({"errcode":0,"msg":"好"})"));
    EXPECT_EQ(reply.errorCode(), "0");
    EXPECT_EQ(reply.message(), "好");
    ASSERT_TRUE(reply.parse(R"({"errcode":"0"})"));
    EXPECT_EQ(reply.errorCode(), "0");
    EXPECT_EQ(reply.message(), "");
}

}  // namespace
}  // namespace velmora
