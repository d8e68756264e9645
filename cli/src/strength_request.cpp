#include "quillon/cli/strength_request.h"

#include "quillon/strength/strength_quantities.h"
#include "quillon/textio/strict_number.h"

namespace quillon::cli {
namespace {

using strength::InputField;

std::string nameOf(InputField field, InputNaming naming) {
    const textio::Quantity& row = strength::inputQuantity(field);
    return std::string(naming == InputNaming::Option ? row.option : row.key);
}

RequestError badValue(std::string message) {
    return {RequestError::Kind::BadValue, std::move(message)};
}

// Writes one typed value into the input; the message when it is not a value the input takes.
std::optional<std::string> store(strength::StrengthInput& input, InputField field,
                                 const std::string& text) {
    switch (field) {
        case InputField::Joint:
            if (const auto joint = strength::jointFromKey(text)) {
                input.joint = *joint;
                return std::nullopt;
            }
            return "不是 fixed、sliding 或 sliding-loaded";
        case InputField::Conditions:
            if (const auto conditions = strength::conditionsFromKey(text)) {
                input.conditions = *conditions;
                return std::nullopt;
            }
            return "不是 poor、medium 或 good";
        case InputField::Hardened:
            if (text.empty() || text == "1" || text == "true" || text == "yes") {
                input.hardened = true;  // the bare option, or a column that says so
                return std::nullopt;
            }
            if (text == "0" || text == "false" || text == "no") {
                return std::nullopt;
            }
            return "不是 yes 或 no";
        default:
            break;
    }
    const auto number = textio::strictNumber(text);
    if (!number) {
        return std::string(textio::kNotANumber);
    }
    switch (field) {
        case InputField::Torque:
            input.torque = *number;
            break;
        case InputField::Power:
            input.power = *number;
            break;
        case InputField::Speed:
            input.speed = *number;
            break;
        case InputField::Length:
            input.length = *number;
            break;
        case InputField::Ka:
            input.ka = *number;
            break;
        case InputField::LoadShare:
            input.loadShare = *number;
            break;
        case InputField::ChamferShaft:
            input.chamferShaft = *number;
            break;
        case InputField::ChamferHub:
            input.chamferHub = *number;
            break;
        case InputField::PAllowed:
            input.pAllowed = *number;
            break;
        case InputField::Bore:
            input.bore = *number;
            break;
        case InputField::Yield:
            input.yield = *number;
            break;
        case InputField::SafetyMin:
            input.safetyMin = *number;
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

StrengthAnswer runStrength(const document::SplineDocument& spline, const StrengthRequest& request,
                           InputNaming naming) {
    if (request.given.empty()) {
        return {};
    }
    strength::StrengthInput input;
    for (const auto& [field, text] : request.given) {
        if (const auto why = store(input, field, text)) {
            return {std::nullopt, badValue(nameOf(field, naming) + " 的值“" + text + "”" + *why)};
        }
    }
    if (!input.torque && !input.power && !input.speed) {
        return {std::nullopt, badValue("强度校核需要 " + nameOf(InputField::Torque, naming) +
                                       "，或 " + nameOf(InputField::Power, naming) + " 与 " +
                                       nameOf(InputField::Speed, naming))};
    }
    document::SplineStrength checked = document::checkStrength(spline, input);
    for (const strength::InputProblem& problem : checked.check.problems) {
        if (problem.field) {
            return {std::nullopt,
                    badValue(nameOf(*problem.field, naming) + "：" + problem.message)};
        }
    }
    return {std::move(checked), std::nullopt};
}

}  // namespace quillon::cli
