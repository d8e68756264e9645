#include "command_options.h"

#include <algorithm>
#include <array>
#include <set>

#include "quillon/gbt3478/gbt_quantities.h"
#include "quillon/strength/strength_quantities.h"

namespace quillon::cli {
namespace {

enum class Takes { Nothing, Value };

struct OptionSpec {
    std::string_view name;
    Takes takes;
};

bool isTableFormat(std::string_view text) {
    return text == "text" || text == "tsv" || text == "csv";
}

constexpr std::array<OptionSpec, 14> kProgramOptions = {{
    {"--standard", Takes::Value},
    {"--table", Takes::Nothing},
    {"--help", Takes::Nothing},
    {"-h", Takes::Nothing},
    {"--version", Takes::Nothing},
    {"--lite", Takes::Nothing},
    {"--json", Takes::Nothing},
    {"--report", Takes::Value},
    {"--dxf", Takes::Value},
    {"--svg", Takes::Value},
    {"--zones", Takes::Value},
    {"--batch", Takes::Value},
    {"-o", Takes::Value},
    {"--format", Takes::Value},
}};

std::optional<strength::InputField> strengthFieldOfOption(std::string_view option) {
    for (const strength::InputField field : strength::kInputFields) {
        if (strength::inputQuantity(field).option == option) {
            return field;
        }
    }
    return std::nullopt;
}

void store(CommandOptions& options, std::string_view name, std::string value) {
    if (name == "--help" || name == "-h") {
        options.help = true;
    } else if (name == "--version") {
        options.version = true;
    } else if (name == "--lite") {
        options.lite = true;
    } else if (name == "--json") {
        options.json = true;
    } else if (name == "--report") {
        options.report = std::move(value);
    } else if (name == "--dxf") {
        options.dxf = std::move(value);
    } else if (name == "--svg") {
        options.svg = std::move(value);
    } else if (name == "--zones") {
        options.zones = std::move(value);
    } else if (name == "--batch") {
        options.batch = std::move(value);
    } else if (name == "-o") {
        options.output = std::move(value);
    } else if (name == "--standard") {
        if (value != "din5480" && value != "gbt3478" && value != "iso4156") {
            throw UsageError("--standard 的值“" + value + "”不是 din5480、gbt3478 或 iso4156");
        }
        options.standard = std::move(value);
    } else if (name == "--format") {
        if (value != "csv" && value != "jsonl") {
            throw UsageError("--format 的值“" + value + "”不是 csv 或 jsonl");
        }
        options.format = std::move(value);
    }
}

// The combinations that make no sense together.
void checkCombination(const CommandOptions& options) {
    if (options.table && options.json) {
        throw UsageError("--table 不能与 --json 同时给出");
    }
    const bool single = options.json || options.report || options.dxf || options.svg ||
                        options.zones || options.table || !options.spline.given.empty() ||
                        !options.strength.given.empty() || !options.connection.given.empty() ||
                        !options.gbtOnly.empty() || options.standard.has_value();
    if (options.batch && single) {
        throw UsageError(
            "--batch 不能与单个花键的选项（参数、--json、--report、--dxf、--svg）同时给出");
    }
    if (!options.batch && (options.output || options.format != "csv")) {
        throw UsageError(std::string(options.output ? "-o" : "--format") + " 只用于 --batch");
    }
}

}  // namespace

CommandOptions readCommandOptions(std::span<const std::string> arguments) {
    CommandOptions options;
    std::set<std::string, std::less<>> seen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const std::size_t equals =
            argument.rfind("--", 0) == 0 ? argument.find('=') : std::string::npos;
        const std::string name = argument.substr(0, equals);
        const auto* program = std::ranges::find(kProgramOptions, name, &OptionSpec::name);
        const SplineInputName* input = findInputByOption(name);
        const auto strengthKey = strengthFieldOfOption(name);
        const bool isStrength = strengthKey.has_value();
        const strength::InputField strengthField = strengthKey.value_or(strength::InputField{});
        const auto connectionInput = connectionInputByOption(name);
        // --fit serves both standards: a connection's fit, or a GB/T 3478.1 class and letter.
        const bool gbtOnly = program == kProgramOptions.end() && input == nullptr && !isStrength &&
                             !connectionInput && gbt3478::inputFieldOfOption(name).has_value();
        if (program == kProgramOptions.end() && input == nullptr && !isStrength &&
            !connectionInput && !gbtOnly) {
            throw UsageError("未知的选项“" + argument + "”（--help 列出全部选项）");
        }
        if (!seen.insert(name == "-h" ? "--help" : name).second) {
            throw UsageError("选项 " + name + " 给出了不止一次");
        }
        if (name == "--table") {  // its format is optional: --table, --table csv, --table=csv
            const bool next = equals == std::string::npos && i + 1 < arguments.size() &&
                              isTableFormat(arguments[i + 1]);
            options.table = equals != std::string::npos ? argument.substr(equals + 1)
                            : next                      ? arguments[++i]
                                                        : std::string("text");
            if (!isTableFormat(*options.table)) {
                throw UsageError("--table 的值“" + *options.table + "”不是 text、tsv 或 csv");
            }
            continue;
        }
        const bool takesValue = isStrength ? strengthField != strength::InputField::Hardened
                                           : input != nullptr || connectionInput || gbtOnly ||
                                                 program->takes == Takes::Value;
        std::string value;
        if (equals != std::string::npos) {
            if (!takesValue) {
                throw UsageError("选项 " + name + " 不带值");
            }
            value = argument.substr(equals + 1);
        } else if (takesValue) {
            if (i + 1 >= arguments.size()) {
                throw UsageError("选项 " + name + " 缺少值");
            }
            value = arguments[++i];
        }
        if (gbtOnly) {
            options.gbtOnly.emplace_back(name, std::move(value));
        } else if (isStrength) {
            options.strength.given.emplace_back(strengthField, std::move(value));
        } else if (input != nullptr) {
            options.spline.given.push_back({input, std::move(value)});
        } else if (connectionInput) {
            options.connection.given.emplace_back(*connectionInput, std::move(value));
        } else {
            store(options, name, std::move(value));
        }
    }
    if (!options.help && !options.version) {
        checkCombination(options);
    }
    return options;
}

}  // namespace quillon::cli
