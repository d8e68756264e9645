// The command line as a script might call it: arguments split at NUL bytes, then, after a lone
// "--stdin" argument, the rest as the batch read from standard input. Nothing may crash, hang or
// grow without bound; options that write files are left out.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/cli/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view data(reinterpret_cast<const char*>(bytes), size);
    std::vector<std::string> arguments;
    std::string input;
    std::size_t at = 0;
    while (at <= data.size()) {
        const std::size_t end = std::min(data.find('\0', at), data.size());
        std::string argument(data.substr(at, end - at));
        at = end + 1;
        if (argument == "--stdin") {
            input = at < data.size() ? std::string(data.substr(at)) : std::string();
            break;
        }
        const bool writesAFile = argument.rfind("--report", 0) == 0 ||
                                 argument.rfind("--dxf", 0) == 0 ||
                                 argument.rfind("--svg", 0) == 0 || argument.rfind("-o", 0) == 0;
        if (!writesAFile) {
            arguments.push_back(std::move(argument));
        }
    }
    // A batch only from standard input: a named file would be read from the disk.
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--batch" && i + 1 < arguments.size()) {
            arguments[i + 1] = "-";
        } else if (arguments[i].rfind("--batch=", 0) == 0) {
            arguments[i] = "--batch=-";
        }
    }
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int code = quillon::cli::runCommandLine(
        arguments, std::filesystem::path(QUILLON_FUZZ_DB_FILE).parent_path(), in, out, err);
    if (code < 0 || code > 2) {
        __builtin_trap();
    }
    return 0;
}
