#include "quillon/tolerance/series_column.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace quillon::tolerance {
namespace {

TEST(SeriesColumn, NamesTheColumnOfEachOfTheTwentyFourLetters) {
    const std::pair<const char*, const char*> letters[] = {
        {"F", "F1"}, {"G", "G1"}, {"H", "h"}, {"J", "J1"}, {"K", "K1"}, {"M", "M1"},
        {"v", "v"},  {"u", "u"},  {"t", "t"}, {"s", "s"},  {"r", "r"},  {"p", "p"},
        {"n", "n"},  {"m", "m"},  {"k", "k"}, {"i", "i"},  {"h", "h"},  {"g", "g"},
        {"f", "f"},  {"e", "e"},  {"d", "d"}, {"c", "c"},  {"b", "b"},  {"a", "a"},
    };
    for (const auto& [letter, column] : letters) {
        EXPECT_EQ(seriesColumnForLetter(letter), column) << letter;
    }
}

TEST(SeriesColumn, NamesNothingUnlessTheWholeTextIsOneLetterOfTheList) {
    for (const char* text : {"", "x", "j", "A", "E", "H7", " H", "H ", "FF", "F1", "Ｈ", "公"}) {
        EXPECT_EQ(seriesColumnForLetter(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(SeriesColumn, FollowsTheLetterFieldStrokeByStroke) {
    SeriesColumn series;
    EXPECT_EQ(series.name(), "H");  // selects the column "h"

    series.letterChanged("F");
    EXPECT_EQ(series.name(), "F1");
    series.letterChanged("f");
    EXPECT_EQ(series.name(), "f");

    // Replaced at one stroke by a letter of no series, or deleted: the last series stays.
    series.letterChanged("x");
    EXPECT_EQ(series.name(), "f");
    series.letterChanged("");
    EXPECT_EQ(series.name(), "f");

    // "H7" typed: the "H" selects "h", the "7" leaves it.
    series.letterChanged("H");
    EXPECT_EQ(series.name(), "h");
    series.letterChanged("H7");
    EXPECT_EQ(series.name(), "h");
}

}  // namespace
}  // namespace quillon::tolerance
