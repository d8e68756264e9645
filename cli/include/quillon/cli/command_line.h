#pragma once

#include <filesystem>
#include <iosfwd>
#include <span>
#include <string>

namespace quillon::cli {

// Exit codes: 0 all well, 1 a spline (or a batch row) was rejected, 2 a usage error, an input that
// cannot be read or a file that cannot be written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitUsage = 2;

// The program quillon-cli: `arguments` without the program name; `programDirectory` holds
// db1.mdb. Results go to `out` (or the files named), messages and errors to `err`; `in` is the
// batch read from "-".
int runCommandLine(std::span<const std::string> arguments,
                   const std::filesystem::path& programDirectory, std::istream& in,
                   std::ostream& out, std::ostream& err);

}  // namespace quillon::cli
