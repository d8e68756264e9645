#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "command_options.h"
#include "quillon/document/gbt_spline.h"

// The command line's GB/T 3478.1 spline. --standard chooses the table that reads the inputs: the
// options z, m, alpha, dp, kind and designation keep their names, and with gbt3478 the GB/T rows
// read them (--fit names the GB/T fit letter or a pair such as 5H/6e, --length the engagement
// length g); the DIN 5480 options (--x, --cn, --beta, --grade, --series, --ha) and the strength
// check are usage errors. A GB/T designation chooses the standard by itself.
namespace quillon::cli {

// Does the command line ask for a GB/T 3478.1 spline? A UsageError when it mixes the standards
// (--standard din5480 with a GB/T option or designation) or asks the lite edition for one.
bool asksForGbt(const CommandOptions& options);

// Runs the GB/T spline the options give and writes its output and files; the exit code.
int runGbt(const CommandOptions& options, std::ostream& out, std::ostream& err);

// One input as given: by option ("--z") or by batch column ("z"), as typed.
struct GbtGiven {
    std::string name;
    std::string text;
};

// Writes the inputs into the spline; the usage message (naming the input) when one is not a
// GB/T input or contradicts the designation.
std::optional<std::string> writeGbtRequest(document::GbtSpline& spline,
                                           const std::vector<GbtGiven>& given);

// The message of a run whose input was refused, naming the input by `naming`'s name:
// "--alpha：压力角 α 的值“20”不是 30、37.5 或 45".
std::string inputProblemMessage(const document::GbtInputProblem& problem, bool byOption);

}  // namespace quillon::cli
