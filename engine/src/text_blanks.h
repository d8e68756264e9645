#pragma once

#include <array>
#include <string_view>

namespace quillon::engine {

// The blanks people type between the parts of a designation or a fit: space, tab and the
// ideographic space of a Chinese input method (UTF-8).
inline constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", "　"};

// The text without blanks at either end.
inline std::string_view trimmed(std::string_view text) {
    for (bool changed = true; changed;) {
        changed = false;
        for (std::string_view blank : kBlanks) {
            if (text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                changed = true;
            }
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                changed = true;
            }
        }
    }
    return text;
}

}  // namespace quillon::engine
