// The strength check of a calculated spline with any texts in its inputs, read as the strength page
// reads them: a blank optional input is not given, a blank required one keeps its default, and a
// text that is no number is left out. Nothing may crash or hang; the check gives either problems
// or a result; every result number is finite and above zero; and no message or result line shows
// inf or nan.
//
// The input: a first part that chooses the spline, the joint, the conditions and the hardening,
// then the texts of the number inputs in the order of strength::kInputFields, each part ended by
// '|'.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/document/spline_document.h"
#include "quillon/document/spline_strength.h"
#include "quillon/strength/strength_text.h"

using namespace quillon;
using engine::Field;
using strength::InputField;

namespace {

struct SplineFields {
    bool lite;
    engine::SplineKind kind;
    const char* texts[10];  // z, m, α, ha*, β, x, cn, dp, grade, series letter
};

constexpr Field kSplineFields[] = {Field::z,     Field::m,           Field::alpha, Field::haStar,
                                   Field::beta,  Field::x,           Field::cn,    Field::dp,
                                   Field::grade, Field::seriesLetter};

// Shafts and hubs of both editions; a helical one and one never calculated (z = 0) are not checked.
constexpr SplineFields kSplines[] = {
    {false,
     engine::SplineKind::External,
     {"20", "2", "30", "0.45", "0", "0.1", "0.1", "3.5", "9", "h"}},
    {false,
     engine::SplineKind::Internal,
     {"38", "3", "30", "0.45", "0", "0.45", "0.12", "5.25", "9", "H"}},
    {true,
     engine::SplineKind::External,
     {"6", "0.8", "30", "0.45", "0", "0.35", "0.12", "1.5", "9", "h"}},
    {true,
     engine::SplineKind::Internal,
     {"100", "5", "30", "0.45", "0", "-0.05", "0.2", "8", "9", "H"}},
    {false,
     engine::SplineKind::External,
     {"20", "2", "30", "0.45", "10", "0.1", "0.1", "3.5", "9", "h"}},
    {true,
     engine::SplineKind::External,
     {"0", "2", "30", "0.45", "0", "0", "0.1", "3.5", "9", "h"}},
};

const document::SplineDocument& calculatedSpline(std::size_t index) {
    static std::array<std::unique_ptr<document::SplineDocument>, std::size(kSplines)> documents;
    static const auto database = std::make_shared<const tolerance::ToleranceDatabase>(
        tolerance::ToleranceDatabase::load(QUILLON_FUZZ_DB_FILE));
    std::unique_ptr<document::SplineDocument>& spline = documents[index];
    if (spline == nullptr) {
        const SplineFields& fields = kSplines[index];
        spline = std::make_unique<document::SplineDocument>(
            fields.lite ? engine::Edition::lite() : engine::Edition::tolerance(),
            fields.lite ? nullptr : database);
        spline->ownForm()->selectKind(fields.kind);
        for (std::size_t i = 0; i < std::size(kSplineFields); ++i) {
            spline->setText(kSplineFields[i], fields.texts[i]);
        }
        spline->ownForm()->forgetHistory();
        spline->calculate();
    }
    return *spline;
}

bool isBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// Splits the input at '|'; past the end every part is empty.
class Parts {
  public:
    explicit Parts(std::string_view data) : data_(data) {}
    std::string next() {
        const std::size_t bar = data_.find('|');
        std::string text(data_.substr(0, bar));
        data_ = bar == std::string_view::npos ? std::string_view() : data_.substr(bar + 1);
        return text;
    }

  private:
    std::string_view data_;
};

void readOptional(const std::string& text, std::optional<double>& value) {
    if (!isBlank(text)) {
        value = strength::parseInputNumber(text);
    }
}

void readRequired(const std::string& text, double& value) {
    if (const auto read = strength::parseInputNumber(text)) {
        value = *read;
    }
}

bool showsNoNumber(const std::string& text) {
    static const std::regex notANumber("(^|[^A-Za-z])(inf|nan)([^A-Za-z]|$)", std::regex::icase);
    return std::regex_search(text, notANumber);
}

void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool finitePositive(double value) {
    return std::isfinite(value) && value > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    Parts parts(std::string_view(reinterpret_cast<const char*>(bytes), size));
    const std::string choice = parts.next();
    const auto at = [&choice](std::size_t i) {
        return i < choice.size() ? static_cast<unsigned char>(choice[i]) : 0u;
    };
    strength::StrengthInput in;
    in.joint = strength::kJoints[at(1) % std::size(strength::kJoints)];
    in.conditions = strength::kConditions[at(2) % std::size(strength::kConditions)];
    in.hardened = (at(3) & 1u) != 0;
    for (InputField field : strength::kInputFields) {
        if (field == InputField::Joint || field == InputField::Conditions ||
            field == InputField::Hardened) {
            continue;
        }
        const std::string text = parts.next();
        if (const auto value = strength::parseInputNumber(text)) {
            require(std::isfinite(*value));
        }
        switch (field) {
            case InputField::Torque:
                readOptional(text, in.torque);
                break;
            case InputField::Power:
                readOptional(text, in.power);
                break;
            case InputField::Speed:
                readOptional(text, in.speed);
                break;
            case InputField::PAllowed:
                readOptional(text, in.pAllowed);
                break;
            case InputField::Yield:
                readOptional(text, in.yield);
                break;
            case InputField::Length:
                readRequired(text, in.length);
                break;
            case InputField::Ka:
                readRequired(text, in.ka);
                break;
            case InputField::LoadShare:
                readRequired(text, in.loadShare);
                break;
            case InputField::ChamferShaft:
                readRequired(text, in.chamferShaft);
                break;
            case InputField::ChamferHub:
                readRequired(text, in.chamferHub);
                break;
            case InputField::Bore:
                readRequired(text, in.bore);
                break;
            case InputField::SafetyMin:
                readRequired(text, in.safetyMin);
                break;
            default:
                break;
        }
    }

    const document::SplineStrength checked =
        document::checkStrength(calculatedSpline(at(0) % std::size(kSplines)), in);
    const strength::StrengthCheck& check = checked.check;
    if (checked.notChecked) {
        require(check.problems.empty() && !check.result);
        return 0;
    }
    require(check.problems.empty() == check.result.has_value());
    for (const strength::InputProblem& problem : check.problems) {
        require(!problem.message.empty() && !showsNoNumber(problem.message));
    }
    if (const auto& r = check.result) {
        for (double value :
             {r->torque, r->meanDiameter, r->contactHeight, r->force, r->pressure, r->pAllowed,
              r->safety, r->torqueMax, r->lengthMin, r->tau, r->tauSafety.value_or(1)}) {
            require(finitePositive(value));
        }
        require(r->ok == r->failed.empty() && !r->verdict.empty());
        for (const std::string& line : strength::resultLines(*r)) {
            require(!showsNoNumber(line));
        }
    }
    return 0;
}
