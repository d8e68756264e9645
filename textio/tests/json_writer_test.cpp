#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <numbers>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "python_reader.h"
#include "quillon/textio/json_writer.h"

namespace {

using quillon::textio::JsonWriter;

std::string written(const std::function<void(JsonWriter&)>& write,
                    JsonWriter::Layout layout = JsonWriter::Layout::Compact) {
    std::ostringstream out;
    JsonWriter json(out, layout);
    write(json);
    return out.str();
}

TEST(JsonWriter, WritesValuesAsText) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    struct Case {
        std::function<void(JsonWriter&)> write;
        std::string text;
    };
    const Case cases[] = {
        {[](JsonWriter& j) { j.string("a\"b\\c\nd\te\x01\x1f"); },
         "\"a\\\"b\\\\c\\nd\\te\\u0001\\u001f\"\n"},
        {[](JsonWriter& j) { j.string("外花键 W 45x2 ∅"); }, "\"外花键 W 45x2 ∅\"\n"},
        {[](JsonWriter& j) {
             j.string(
                 "a\xFF"
                 "b\xE4\xB8");
         },
         "\"a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD\"\n"},
        {[](JsonWriter& j) { j.string("\xED\xA0\x80|\xE4\xB8\xAD"); },
         "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|\xE4\xB8\xAD\"\n"},
        {[](JsonWriter& j) { j.number(0.1); }, "0.1\n"},
        {[](JsonWriter& j) { j.number(1.0 / 3.0); }, "0.3333333333333333\n"},
        {[](JsonWriter& j) { j.number(20); }, "20\n"},
        {[](JsonWriter& j) { j.number(1e21); }, "1e+21\n"},
        {[](JsonWriter& j) { j.number(-0.0); }, "0\n"},
        {[](JsonWriter& j) { j.number(std::nan("")); }, "null\n"},
        {[](JsonWriter& j) { j.number(-kInfinity); }, "null\n"},
        {[](JsonWriter& j) {
             j.beginObject().key("z").number(24).key("ok").boolean(true);
             j.key("list").beginArray().number(1).null().string("x").endArray();
             j.key("empty").beginObject().endObject().key("none").beginArray().endArray();
             j.endObject().beginArray().boolean(false).endArray();
         },
         "{\"z\":24,\"ok\":true,\"list\":[1,null,\"x\"],\"empty\":{},\"none\":[]}\n[false]\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(written(c.write), c.text);
    }

    EXPECT_EQ(written(
                  [](JsonWriter& j) {
                      j.beginObject().key("d").number(45).key("pins").beginArray();
                      j.number(1.5).number(2).endArray().key("e").beginObject().endObject();
                      j.endObject();
                  },
                  JsonWriter::Layout::Indented),
              "{\n  \"d\": 45,\n  \"pins\": [\n    1.5,\n    2\n  ],\n  \"e\": {}\n}\n");

    std::ostringstream out;
    JsonWriter json(out);
    EXPECT_THROW(json.key("x"), std::logic_error);
    json.beginObject();
    EXPECT_THROW(json.number(1), std::logic_error);
    EXPECT_THROW(json.endArray(), std::logic_error);
    json.key("x");
    EXPECT_THROW(json.endObject(), std::logic_error);
}

// Python reads the document, and every number back as the very same double.
TEST(JsonWriter, PythonReadsNumbersBackExactly) {
    const std::vector<double> numbers = {0.1,
                                         1.0 / 3.0,
                                         std::numbers::pi,
                                         -123456.789,
                                         1e-300,
                                         5e-324,
                                         std::numeric_limits<double>::max(),
                                         9007199254740993.0,
                                         2.5e-8};
    std::ostringstream out;
    JsonWriter json(out, JsonWriter::Layout::Indented);
    json.beginObject().key("名称\x01\xFF").string("\"\\\r\n\x7f\xC0\x80 ok").key("numbers");
    json.beginArray();
    for (double number : numbers) {
        json.number(number);
    }
    json.endArray().endObject();

    if (!quillon::textio::test::pythonAvailable()) {
        GTEST_SKIP() << "/usr/bin/python3 is missing";
    }
    const auto output = quillon::textio::test::pythonOutput(R"(
import json, sys
with open(sys.argv[1], encoding='utf-8') as f:
    document = json.load(f)
for number in document['numbers']:
    print(repr(number))
)",
                                                            out.str());
    ASSERT_TRUE(output) << out.str();
    std::istringstream lines(*output);
    std::string line;
    for (double number : numbers) {
        ASSERT_TRUE(std::getline(lines, line));
        double back = 0;
        std::from_chars(line.data(), line.data() + line.size(), back);
        EXPECT_EQ(std::memcmp(&back, &number, sizeof number), 0) << line;
    }
}

// The window's digits stay as they are where they are JSON; other strict numbers become their
// value, anything else null.
TEST(JsonWriter, NumberTextKeepsTheShownDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"48.000", "48.000"}, {"4", "4"},   {"-0.050", "-0.050"}, {"1e3", "1e3"},
        {".5", "0.5"},        {"+2", "2"},  {"20.", "20"},        {"007", "7"},
        {"abc", "null"},      {"", "null"}, {"1e-400", "null"},   {"-", "null"},
    };
    for (const auto& [text, written] : cases) {
        std::ostringstream out;
        JsonWriter(out).numberText(text);
        EXPECT_EQ(out.str(), std::string(written) + "\n") << text;
    }
}

}  // namespace
