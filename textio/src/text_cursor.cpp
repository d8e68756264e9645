#include "quillon/textio/text_cursor.h"

namespace quillon::textio {

std::string_view trimmed(std::string_view text) {
    for (bool changed = true; changed;) {
        changed = false;
        for (std::string_view blank : kBlanks) {
            while (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                changed = true;
            }
            while (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                changed = true;
            }
        }
    }
    return text;
}

bool TextCursor::take(std::string_view token) {
    if (rest().starts_with(token)) {
        pos_ += token.size();
        return true;
    }
    return false;
}

bool TextCursor::takeAny(std::span<const std::string_view> tokens) {
    for (std::string_view token : tokens) {
        if (take(token)) {
            return true;
        }
    }
    return false;
}

bool TextCursor::skipBlanks() {
    const std::size_t start = pos_;
    while (takeAny(kBlanks)) {
    }
    return pos_ > start;
}

}  // namespace quillon::textio
