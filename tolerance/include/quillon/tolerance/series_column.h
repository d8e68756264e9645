#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quillon::tolerance {

// The column of "公差代号" that a deviation series letter names: "F", "G", "J", "K" and "M" take
// the digit 1 ("F1"), "H" and "h" share "h", every other lower-case series letter names itself.
// The whole text must be one of the 24 letters, case distinguished and untrimmed ("H7", " H" and
// "x" name no column).
std::optional<std::string_view> seriesColumnForLetter(std::string_view letterText);

// The 23 columns the letters name, each once, in the order of the letters: the columns a
// deviation table must have.
std::span<const std::string_view> seriesColumnNames();

// The series column name the window keeps beside the letter field. It follows every change of the
// letter text and keeps its last value while the text names no series, so typing "H7" stroke by
// stroke leaves "h" in force.
class SeriesColumn final {
  public:
    // Before the letter first changes: "H", which selects the column "h".
    static constexpr std::string_view kInitialName = "H";

    const std::string& name() const { return name_; }

    // Call on every change of the letter field's text.
    void letterChanged(std::string_view letterText);

  private:
    std::string name_{kInitialName};
};

}  // namespace quillon::tolerance
