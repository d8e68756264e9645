#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace quillon::textio {

// Streaming JSON writer. Commas, colons and layout are its business; the caller names the parts:
//   json.beginObject().key("z").number(20).key("name").string("W 45x2").endObject();
// Every top-level value ends with a line feed, so compact output is JSON Lines (one record per
// line). Strings pass UTF-8 through, escape quote, backslash and control characters, and replace
// invalid UTF-8 with U+FFFD, so the output is always valid JSON. Numbers are the shortest text
// that reads back as the same double; -0 is written as 0 and a non-finite number as null. Calls out
// of order (a value in an object without key, a key in an array, a wrong end) throw
// std::logic_error.
class JsonWriter {
  public:
    enum class Layout { Compact, Indented };

    explicit JsonWriter(std::ostream& out, Layout layout = Layout::Compact);

    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    JsonWriter& key(std::string_view name);

    JsonWriter& string(std::string_view text);
    JsonWriter& number(double value);
    // A number as the program shows it ("48.000", "4"), its digits kept; a text that is no JSON
    // number but a strict one (".5", "+2") is written as its value, any other text as null.
    JsonWriter& numberText(std::string_view text);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

  private:
    struct Level {
        bool object = false;
        bool empty = true;
    };

    void beforeValue();
    void afterValue();
    void begin(bool object, char bracket);
    void end(bool object, char bracket);
    void separate(Level& level);
    void newLine();
    void writeString(std::string_view text);

    std::ostream& out_;
    Layout layout_;
    std::vector<Level> levels_;
    bool keyWritten_ = false;
};

}  // namespace quillon::textio
