#pragma once

#include <optional>
#include <span>
#include <stdexcept>
#include <string>

#include "quillon/cli/connection_request.h"
#include "quillon/cli/spline_request.h"
#include "quillon/cli/strength_request.h"

namespace quillon::cli {

// A command line the program does not take; the text names the option and the value.
class UsageError final : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The command line, read but not yet checked against the edition (see runRequest).
struct CommandOptions {
    bool help = false;
    bool version = false;
    bool lite = false;
    bool json = false;
    std::optional<std::string> report;
    std::optional<std::string> dxf;
    std::optional<std::string> svg;
    std::optional<std::string> zones;  // the connection's tolerance-zone diagram, SVG
    std::optional<std::string> batch;
    std::optional<std::string> output;
    std::string format = "csv";        // of the batch: csv or jsonl
    std::optional<std::string> table;  // the drawing's data table: text, tsv or csv
    SplineRequest spline;
    StrengthRequest strength;
    ConnectionRequest connection;
    // --standard as given (din5480, gbt3478 or iso4156), and the options only a GB/T 3478.1
    // spline has (--root, --class, ...) by option name, as typed; see gbt_command.h.
    std::optional<std::string> standard;
    std::vector<std::pair<std::string, std::string>> gbtOnly;
};

// Reads the arguments: "--name value" or "--name=value"; every option at most once.
CommandOptions readCommandOptions(std::span<const std::string> arguments);

}  // namespace quillon::cli
