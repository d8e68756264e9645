#pragma once

#include <limits>
#include <string>
#include <string_view>

// One definition per quantity: every door (a page, the command line and its help, the manual, a
// CSV column, a JSON key) names, explains, shows and checks a quantity through its row of a table.
namespace quillon::textio {

// Where a typed value must lie, and what the user is told when it does not: the message follows
// the caption ("承载齿比例 φ" + "必须在 0.5 到 1 之间。").
struct Range {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool lowIncluded = true;
    bool highIncluded = true;
    std::string_view message{};

    bool contains(double value) const;
};

// Any finite value; above zero; zero or more; from `low` to `high`.
inline constexpr Range kAnyValue{};
inline constexpr Range kAboveZero{0, std::numeric_limits<double>::infinity(), false, true,
                                  "必须大于 0。"};
inline constexpr Range kNotNegative{0, std::numeric_limits<double>::infinity(), true, true,
                                    "不能为负数。"};

// A value shown as the user typed it, not rounded to a number of decimals.
inline constexpr int kAsTyped = -1;

struct Quantity {
    std::string_view key{};             // CSV column and JSON key, snake_case: "load_share"
    std::string_view option{};          // command-line option: "--load-share"; empty when none
    std::string_view caption{};         // the user's name of it: "承载齿比例 φ"
    std::string_view unit{};            // "mm", "N·m"; empty for a pure number
    std::string_view defaultText{};     // what an input holds until typed; empty when none
    int decimals = kAsTyped;            // decimals of a shown result
    Range range = kAnyValue;            // accepted values of an input
    std::string_view valueName = "数";  // the value in --help: "数", "shaft|hub"
    std::string_view help{};            // what --help adds after the caption
};

// "承载齿比例 φ" + "必须大于 0。" -> "承载齿比例 φ 必须大于 0。": a blank after a Latin symbol
// only.
std::string sentence(std::string_view caption, std::string_view rest);

// The range's message about the quantity; empty when the value lies in the range.
std::string rangeProblem(const Quantity& quantity, double value);

// The caption with its unit in brackets: "接合长度 l (mm)"; the caption alone without one.
std::string captionWithUnit(const Quantity& quantity);

}  // namespace quillon::textio
