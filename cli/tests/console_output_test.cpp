#include "quillon/cli/console_output.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "quillon/textio/utf8_check.h"

namespace quillon::cli {
namespace {

TEST(ConsoleOutput, HoldsBackOnlyAnUnfinishedLastCharacter) {
    struct Case {
        std::string_view text;
        std::size_t complete;
    };
    for (const Case& c : {
             Case{"", 0},                      // nothing
             Case{"abc", 3},                   // ASCII
             Case{"a\xC3", 1},                 // é begun
             Case{"a\xC3\xA9", 3},             // é
             Case{"a\xE4\xB8", 1},             // 中 without its last byte
             Case{"\xE4\xB8\xAD", 3},          // 中
             Case{"\xE4\xB8\xAD\xE6\x96", 3},  // 中, then 文 begun
             Case{"a\xF0\x9F\x98", 1},         // 😀 without its last byte
             Case{"a\xF0\x9F\x98\x80", 5},     // 😀
             Case{"a\x80\x80\x80\x80", 5},     // stray continuation bytes: no character to wait for
             Case{"a\xFF", 2},                 // never UTF-8: nothing to wait for
         }) {
        EXPECT_EQ(completeUtf8Length(c.text), c.complete) << testing::PrintToString(c.text);
    }
}

// Every cut of the text into two writes: each part the console gets is whole UTF-8, and
// together they are the text.
TEST(ConsoleOutput, WritesSplitAnywhereGoOutAsWholeCharacters) {
    const std::string text = "齿轮 W 50×2 ✓😀";
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
        std::string carry;
        std::string shown;
        for (const std::string_view write :
             {std::string_view(text).substr(0, cut), std::string_view(text).substr(cut)}) {
            carry += write;
            const std::size_t length = completeUtf8Length(carry);
            textio::Utf8Check check;
            for (std::size_t i = 0; i < length; ++i) {
                ASSERT_TRUE(check.feed(static_cast<unsigned char>(carry[i]))) << cut;
            }
            ASSERT_FALSE(check.midSequence()) << cut;
            shown += carry.substr(0, length);
            carry.erase(0, length);
        }
        EXPECT_EQ(shown, text) << cut;
        EXPECT_EQ(carry, "") << cut;
    }
}

}  // namespace
}  // namespace quillon::cli
