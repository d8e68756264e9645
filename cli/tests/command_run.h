#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "quillon/cli/command_line.h"

namespace quillon::cli::test {

// What one run of the command line gave: its exit code and both streams.
struct Outcome {
    int code = 0;
    std::string out;
    std::string err;
};

// Runs the command line as the program would, with the test's tolerance database beside it.
inline Outcome run(std::vector<std::string> arguments, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = runCommandLine(
        arguments, std::filesystem::path(QUILLON_TOLERANCE_DB_FILE).parent_path(), in, out, err);
    return {code, out.str(), err.str()};
}

}  // namespace quillon::cli::test
