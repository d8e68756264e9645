#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon::textio::test {

// Whether Debian's Python is there to read the output back (never on Windows).
bool pythonAvailable();

// What Debian's Python prints when `program` runs with a file holding `input` as its argument
// (sys.argv[1]); nothing when Python is not available or the program fails.
std::optional<std::string> pythonOutput(std::string_view program, std::string_view input);

}  // namespace quillon::textio::test
