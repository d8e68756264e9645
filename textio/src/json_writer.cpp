#include "quillon/textio/json_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "quillon/textio/strict_number.h"
#include "quillon/textio/utf8_check.h"

namespace quillon::textio {

namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";
constexpr int kIndentSpaces = 2;

void writeEscaped(std::ostream& out, unsigned char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
        case '"':
            out << "\\\"";
            return;
        case '\\':
            out << "\\\\";
            return;
        case '\n':
            out << "\\n";
            return;
        case '\r':
            out << "\\r";
            return;
        case '\t':
            out << "\\t";
            return;
        case '\b':
            out << "\\b";
            return;
        case '\f':
            out << "\\f";
            return;
        default:
            out << "\\u00" << kHex[c >> 4] << kHex[c & 0xF];
    }
}

// Length of the well-formed UTF-8 sequence at the start of `text`, or minus the length of its
// longest ill-formed beginning (at least one byte), which becomes one U+FFFD.
int sequenceLength(std::string_view text) {
    Utf8Check check;
    int length = 0;
    for (char c : text) {
        if (!check.feed(static_cast<unsigned char>(c))) {
            return -std::max(length, 1);
        }
        ++length;
        if (!check.midSequence()) {
            return length;
        }
    }
    return -length;
}

// The JSON grammar of a number: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool isJsonNumber(std::string_view text) {
    std::size_t pos = 0;
    const auto digits = [&text, &pos] {
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
            ++pos;
        }
        return pos - start;
    };
    if (pos < text.size() && text[pos] == '-') {
        ++pos;
    }
    const std::size_t integerStart = pos;
    const std::size_t integer = digits();
    if (integer == 0 || (integer > 1 && text[integerStart] == '0')) {
        return false;
    }
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        if (digits() == 0) {
            return false;
        }
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return pos == text.size();
}

}  // namespace

JsonWriter::JsonWriter(std::ostream& out, Layout layout) : out_(out), layout_(layout) {}

JsonWriter& JsonWriter::beginObject() {
    begin(true, '{');
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    end(true, '}');
    return *this;
}

JsonWriter& JsonWriter::beginArray() {
    begin(false, '[');
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    end(false, ']');
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
    if (levels_.empty() || !levels_.back().object || keyWritten_) {
        throw std::logic_error("JSON: key outside an object or after a key");
    }
    separate(levels_.back());
    writeString(name);
    out_ << (layout_ == Layout::Indented ? ": " : ":");
    keyWritten_ = true;
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) {
    beforeValue();
    writeString(text);
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::number(double value) {
    beforeValue();
    if (std::isfinite(value)) {
        value = value == 0 ? 0.0 : value;  // no "-0": zero carries no sign, as in the window
        char text[32];
        const auto result = std::to_chars(text, text + sizeof text, value);
        out_.write(text, result.ptr - text);
    } else {
        out_ << "null";
    }
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::numberText(std::string_view text) {
    const auto value = strictNumber(text);
    if (!value) {
        return null();
    }
    if (!isJsonNumber(text)) {
        return number(*value);
    }
    beforeValue();
    out_ << text;
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::boolean(bool value) {
    beforeValue();
    out_ << (value ? "true" : "false");
    afterValue();
    return *this;
}

JsonWriter& JsonWriter::null() {
    beforeValue();
    out_ << "null";
    afterValue();
    return *this;
}

void JsonWriter::beforeValue() {
    if (levels_.empty()) {
        return;
    }
    if (levels_.back().object) {
        if (!keyWritten_) {
            throw std::logic_error("JSON: value in an object without a key");
        }
        keyWritten_ = false;
    } else {
        separate(levels_.back());
    }
}

void JsonWriter::afterValue() {
    if (levels_.empty()) {
        out_.put('\n');
    }
}

void JsonWriter::begin(bool object, char bracket) {
    beforeValue();
    out_.put(bracket);
    levels_.push_back(Level{object, true});
}

void JsonWriter::end(bool object, char bracket) {
    if (levels_.empty() || levels_.back().object != object || keyWritten_) {
        throw std::logic_error("JSON: end without a matching begin");
    }
    const bool empty = levels_.back().empty;
    levels_.pop_back();
    if (!empty) {
        newLine();
    }
    out_.put(bracket);
    afterValue();
}

void JsonWriter::separate(Level& level) {
    if (!level.empty) {
        out_.put(',');
    }
    level.empty = false;
    newLine();
}

void JsonWriter::newLine() {
    if (layout_ == Layout::Indented) {
        out_.put('\n');
        for (std::size_t i = 0; i < levels_.size() * kIndentSpaces; ++i) {
            out_.put(' ');
        }
    }
}

void JsonWriter::writeString(std::string_view text) {
    out_.put('"');
    std::size_t plainStart = 0;
    auto flushPlain = [&](std::size_t end) {
        out_.write(text.data() + plainStart, static_cast<std::streamsize>(end - plainStart));
    };
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = static_cast<unsigned char>(text[pos]);
        if (c >= 0x80) {
            const int length = sequenceLength(text.substr(pos));
            if (length < 0) {
                flushPlain(pos);
                out_ << kReplacementCharacter;
                plainStart = pos - length;
            }
            pos += static_cast<std::size_t>(length < 0 ? -length : length);
        } else if (c < 0x20 || c == '"' || c == '\\') {
            flushPlain(pos);
            writeEscaped(out_, c);
            plainStart = ++pos;
        } else {
            ++pos;
        }
    }
    flushPlain(text.size());
    out_.put('"');
}

}  // namespace quillon::textio
