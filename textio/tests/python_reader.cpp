#include "python_reader.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace quillon::textio::test {

namespace {

constexpr const char* kPython = "/usr/bin/python3";

#ifndef _WIN32
void writeFile(const std::filesystem::path& path, std::string_view text) {
    std::ofstream out(path, std::ios::binary);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}
#endif

}  // namespace

bool pythonAvailable() {
#ifdef _WIN32
    return false;
#else
    return std::filesystem::exists(kPython);
#endif
}

std::optional<std::string> pythonOutput(std::string_view program, std::string_view input) {
#ifdef _WIN32
    (void)program;
    (void)input;
    return std::nullopt;
#else
    if (!pythonAvailable()) {
        return std::nullopt;
    }
    const auto folder =
        std::filesystem::temp_directory_path() / ("quillon-cli-io-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    writeFile(folder / "program.py", program);
    writeFile(folder / "input", input);
    const std::string command = std::string(kPython) + " '" + (folder / "program.py").string() +
                                "' '" + (folder / "input").string() + "'";
    std::optional<std::string> output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::string text;
        char block[4096];
        for (std::size_t got; (got = std::fread(block, 1, sizeof block, pipe)) > 0;) {
            text.append(block, got);
        }
        if (::pclose(pipe) == 0) {
            output = std::move(text);
        }
    }
    std::filesystem::remove_all(folder);
    return output;
#endif
}

}  // namespace quillon::textio::test
