#include "strength_input_texts.h"

#include <optional>

#include "quillon/textio/strict_number.h"

using namespace quillon::strength;

namespace quillon::ui {
namespace {

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

class Reader {
  public:
    Reader(const std::function<std::string(InputField)>& textOf, StrengthInputTexts& out)
        : textOf_(textOf), out_(out) {}

    // An empty field is not given.
    std::optional<double> optional(InputField field) {
        const std::string text = textOf_(field);
        if (isBlank(text)) {
            return std::nullopt;
        }
        return number(field, text);
    }

    // An empty field keeps `value` when `emptyIsDefault`, else it is missing.
    void read(InputField field, double& value, bool emptyIsDefault) {
        const std::string text = textOf_(field);
        if (isBlank(text)) {
            if (!emptyIsDefault) {
                out_.unread.insert(field);
                missing_.push_back(field);
            }
            return;
        }
        if (const auto read = number(field, text)) {
            value = *read;
        }
    }

    // Missing values are worth a word only once there is a load to check.
    void reportMissing() {
        if (!out_.loadGiven) {
            return;
        }
        for (InputField field : missing_) {
            out_.problems.push_back({field, "请输入" + std::string(fieldCaption(field)) + "。"});
        }
    }

  private:
    std::optional<double> number(InputField field, const std::string& text) {
        const auto value = textio::strictNumber(textio::trimBlanks(text));
        if (!value) {
            out_.unread.insert(field);
            out_.problems.push_back({field, std::string(fieldCaption(field)) + "：“" + text + "”" +
                                                std::string(textio::kNotANumber) + "。"});
        }
        return value;
    }

    const std::function<std::string(InputField)>& textOf_;
    StrengthInputTexts& out_;
    std::vector<InputField> missing_;
};

}  // namespace

StrengthInputTexts readStrengthInput(const std::function<std::string(InputField)>& textOf,
                                     Joint joint, Conditions conditions, bool hardened) {
    StrengthInputTexts out;
    StrengthInput& in = out.input;
    Reader reader(textOf, out);
    in.torque = reader.optional(InputField::Torque);
    in.power = reader.optional(InputField::Power);
    in.speed = reader.optional(InputField::Speed);
    out.loadGiven = !isBlank(textOf(InputField::Torque)) || !isBlank(textOf(InputField::Power)) ||
                    !isBlank(textOf(InputField::Speed));
    reader.read(InputField::Length, in.length, false);
    reader.read(InputField::Ka, in.ka, false);
    reader.read(InputField::LoadShare, in.loadShare, false);
    reader.read(InputField::ChamferShaft, in.chamferShaft, true);
    reader.read(InputField::ChamferHub, in.chamferHub, true);
    in.joint = joint;
    in.conditions = conditions;
    in.hardened = hardened;
    in.pAllowed = reader.optional(InputField::PAllowed);
    reader.read(InputField::Bore, in.bore, true);
    in.yield = reader.optional(InputField::Yield);
    reader.read(InputField::SafetyMin, in.safetyMin, false);
    reader.reportMissing();
    return out;
}

}  // namespace quillon::ui
