#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace quillon::textio {

// The blanks people type between the parts of a designation or a fit: space, tab and the
// ideographic space of a Chinese input method (UTF-8).
inline constexpr std::array<std::string_view, 3> kBlanks = {" ", "\t", "　"};

// The text without those blanks at either end.
std::string_view trimmed(std::string_view text);

// A reading position in a text, for readers that go from left to right over tokens typed by hand
// (designations, fits): each read either consumes its part or leaves the position as it was.
class TextCursor {
  public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    std::string_view rest() const { return text_.substr(pos_); }

    // Consumes `token` when the rest starts with it.
    bool take(std::string_view token);
    // Consumes the first of `tokens` the rest starts with.
    bool takeAny(std::span<const std::string_view> tokens);
    // Consumes every blank here; returns whether there was any.
    bool skipBlanks();

  protected:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace quillon::textio
