#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "quillon/strength/strength_check.h"
#include "quillon/textio/quantity.h"

// The quantities of the strength check, one row each: the page's captions and checks, the command
// line's options and --help, the batch columns, the JSON keys and the text lines read them here.
namespace quillon::strength {

// The row of an input.
const textio::Quantity& inputQuantity(InputField field);

// The results, in the order every output lists them.
enum class ResultField {
    Torque,
    MeanDiameter,
    ContactHeight,
    Force,
    Pressure,
    PAllowed,
    Safety,
    TorqueMax,
    LengthMin,
    Tau,
    TauSafety,
    Ok,
};

inline constexpr ResultField kResultFields[] = {
    ResultField::Torque, ResultField::MeanDiameter, ResultField::ContactHeight,
    ResultField::Force,  ResultField::Pressure,     ResultField::PAllowed,
    ResultField::Safety, ResultField::TorqueMax,    ResultField::LengthMin,
    ResultField::Tau,    ResultField::TauSafety,    ResultField::Ok,
};

const textio::Quantity& resultQuantity(ResultField field);

// The number of a result; none for the torsion safety without a yield strength, and for Ok
// (a yes or no, see StrengthResult::ok).
std::optional<double> resultValue(const StrengthResult& result, ResultField field);

// A result as every door shows it, to its row's decimals ("47.800"); Ok as "true"/"false"; empty
// where resultValue has none.
std::string resultText(const StrengthResult& result, ResultField field);

// The batch column of a result: "strength_" and its key.
std::string resultColumn(ResultField field);

// What is said when no load is given, on the page and by the check.
inline constexpr std::string_view kLoadMissing = "请输入转矩 T，或者功率 P 和转速 n。";

}  // namespace quillon::strength
