#include "quillon/cli/spline_output.h"

#include <algorithm>
#include <array>

#include "quillon/engine/designation.h"
#include "quillon/engine/field_text.h"
#include "quillon/strength/strength_text.h"

namespace quillon::cli {
namespace {

using engine::Field;

struct NamedField {
    const char* name;
    Field field;
};

constexpr std::array<NamedField, 10> kResultFields = {{
    {"d", Field::d},
    {"da", Field::da},
    {"df", Field::df},
    {"db", Field::db},
    {"ha", Field::ha},
    {"hf", Field::hf},
    {"h", Field::h},
    {"W", Field::W},
    {"M", Field::M},
    {"xm", Field::xm},
}};

bool inEdition(Field field, const engine::Edition& edition) {
    if (field == Field::grade || field == Field::seriesLetter) {
        return edition.hasTolerances();
    }
    return field != Field::xm || edition.hasProfileShiftAmount;
}

// The two limits, the larger first.
std::array<std::string, 2> upperLower(const report::LimitTexts& limits) {
    const bool nearIsUpper =
        engine::readNumber(limits.nearLimit) >= engine::readNumber(limits.farLimit);
    return nearIsUpper ? std::array{limits.nearLimit, limits.farLimit}
                       : std::array{limits.farLimit, limits.nearLimit};
}

std::optional<std::string> designationText(const document::SplineDocument& spline) {
    const engine::FormDesignation named = spline.designation();
    return named.designation ? std::optional(engine::printDesignation(*named.designation))
                             : std::nullopt;
}

void textLine(std::ostream& out, std::string_view caption, std::string_view value) {
    constexpr std::size_t kValueColumn = 32;
    const std::size_t width = displayWidth(caption);
    out << caption << std::string(width < kValueColumn ? kValueColumn - width : 1, ' ') << value
        << '\n';
}

std::string shown(const std::optional<std::string>& text) {
    return text ? *text : "—";
}

std::string shown(const std::optional<report::LimitTexts>& limits) {
    return limits ? limits->pairText() : "—";
}

void jsonLimits(textio::JsonWriter& json, const char* name,
                const std::optional<report::LimitTexts>& limits) {
    json.key(name);
    if (!limits) {
        json.null();
        return;
    }
    const auto pair = upperLower(*limits);
    json.beginArray().string(pair[0]).string(pair[1]).endArray();
}

void jsonTolerance(textio::JsonWriter& json, const document::InspectionValues& values) {
    json.key("tolerance");
    if (!values.table) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("A").string(engine::writeNumber(values.table->seriesDeviation));
    json.key("T").string(engine::writeNumber(values.table->totalTolerance));
    json.key("TE").string(engine::writeNumber(values.table->actualTolerance));
    json.key("row").string(std::to_string(values.table->row));
    jsonLimits(json, "W_limits", values.wLimits);
    jsonLimits(json, "M_limits", values.mLimits);
    jsonLimits(json, "M_limits_exact", values.mLimitsExact);
    json.endObject();
}

void jsonNumber(textio::JsonWriter& json, const char* name, std::optional<double> value) {
    json.key(name);
    value ? json.number(*value) : json.null();
}

// The strength check at full precision; null where not computed.
void jsonStrength(textio::JsonWriter& json, const document::SplineStrength& checked) {
    json.key("strength").beginObject();
    json.key("method").string(strength::kMethod);
    const auto& result = checked.check.result;
    const auto value = [&result](double strength::StrengthResult::*member) {
        return result ? std::optional(*result.*member) : std::nullopt;
    };
    jsonNumber(json, "dm", value(&strength::StrengthResult::meanDiameter));
    jsonNumber(json, "h", value(&strength::StrengthResult::contactHeight));
    jsonNumber(json, "Ft", value(&strength::StrengthResult::force));
    jsonNumber(json, "p", value(&strength::StrengthResult::pressure));
    jsonNumber(json, "p_allowed", value(&strength::StrengthResult::pAllowed));
    json.key("p_range");
    if (result && result->pRange) {
        json.beginArray().number(result->pRange->low).number(result->pRange->high).endArray();
    } else {
        json.null();
    }
    jsonNumber(json, "safety", value(&strength::StrengthResult::safety));
    jsonNumber(json, "torque_max", value(&strength::StrengthResult::torqueMax));
    jsonNumber(json, "length_min", value(&strength::StrengthResult::lengthMin));
    jsonNumber(json, "tau", value(&strength::StrengthResult::tau));
    jsonNumber(json, "tau_safety", result ? result->tauSafety : std::nullopt);
    json.key("ok");
    result ? json.boolean(result->ok) : json.null();
    json.key("failed").beginArray();
    if (result) {
        for (const strength::FailedCheck failed : result->failed) {
            json.string(strength::checkKey(failed));
        }
    }
    json.endArray();
    if (!result) {
        std::string why = checked.notChecked.value_or("");
        for (const auto& problem : checked.check.problems) {
            why += (why.empty() ? "" : "；") + problem.message;
        }
        json.key("not_checked").string(why);
    }
    json.endObject();
}

void writeToleranceText(std::ostream& out, const document::InspectionValues& values) {
    textLine(out, "公差", shown(values.tolerance));
    textLine(out, "W 极限尺寸 (mm)", shown(values.wLimits));
    textLine(out, "M 极限尺寸，同报告 (mm)", shown(values.mLimits));
    textLine(out, "M 极限尺寸，按齿形精确计算 (mm)", shown(values.mLimitsExact));
    if (values.table) {
        textLine(out, "基本偏差 A (µm)", engine::writeNumber(values.table->seriesDeviation));
        textLine(out, "总公差 T (µm)", engine::writeNumber(values.table->totalTolerance));
        textLine(out, "实际公差 TE (µm)", engine::writeNumber(values.table->actualTolerance));
        textLine(out, "公差表行", std::to_string(values.table->row));
    }
}

}  // namespace

std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        width += byte >= 0xE3 ? 2 : 1;  // U+3000 and above: CJK punctuation, ideographs
    }
    return width;
}

void writeText(std::ostream& out, const SplineAnswer& answer) {
    const document::SplineDocument& spline = answer.spline;
    const engine::Form& form = spline.form();
    for (const SplineInputName& input : splineInputNames()) {
        if (input.field && inEdition(*input.field, spline.edition())) {
            textLine(out, engine::fieldCaption(*input.field), form.text(*input.field));
        }
    }
    for (const NamedField& named : kResultFields) {
        if (inEdition(named.field, spline.edition())) {
            textLine(out, engine::fieldCaption(named.field), form.text(named.field));
        }
    }
    const document::InspectionValues values = spline.inspection();
    textLine(out, "跨测齿数 k", shown(values.k));
    textLine(out, "标记", shown(designationText(spline)));
    for (const std::string& warning : values.warnings) {
        textLine(out, "测量提示", warning);
    }
    if (spline.edition().hasTolerances()) {
        writeToleranceText(out, values);
    }
    if (answer.strength) {
        out << "强度校核\n";
        if (answer.strength->check.result) {
            for (const std::string& line : strength::resultLines(*answer.strength->check.result)) {
                out << "  " << line << '\n';
            }
        } else {
            out << "  不校核：" << answer.strength->notChecked.value_or("") << '\n';
            for (const auto& problem : answer.strength->check.problems) {
                out << "  " << problem.message << '\n';
            }
        }
    }
}

void writeJson(textio::JsonWriter& json, const SplineAnswer& answer,
               std::optional<long long> line) {
    const document::SplineDocument& spline = answer.spline;
    const engine::Form& form = spline.form();
    const bool tolerances = spline.edition().hasTolerances();
    json.beginObject();
    if (line) {
        json.key("line").number(static_cast<double>(*line));
    }
    json.key("ok").boolean(answer.ok());
    if (answer.error) {
        json.key("error").string(answer.error->message);
    }
    json.key("edition").string(tolerances ? "tolerance" : "lite");
    const auto kind = form.selectedKind();
    json.key("kind").string(kind == engine::SplineKind::Internal ? "hub" : "shaft");
    json.key("input").beginObject();
    for (const SplineInputName& input : splineInputNames()) {
        if (input.field && inEdition(*input.field, spline.edition())) {
            json.key(input.column).string(form.text(*input.field));
        }
    }
    json.endObject();
    json.key("result");
    if (answer.calculated) {
        json.beginObject();
        for (const NamedField& named : kResultFields) {
            if (inEdition(named.field, spline.edition())) {
                json.key(named.name).string(form.text(named.field));
            }
        }
        json.endObject();
    } else {
        json.null();
    }
    const document::InspectionValues values = spline.inspection();
    json.key("k");
    values.k&& answer.calculated ? json.string(*values.k) : json.null();
    json.key("messages").beginArray();
    for (const std::string& message : spline.ownForm()->messages()) {
        json.string(message);
    }
    json.endArray();
    json.key("designation");
    const auto designation = designationText(spline);
    designation ? json.string(*designation) : json.null();
    json.key("warnings").beginArray();
    for (const std::string& warning : values.warnings) {
        json.string(warning);
    }
    json.endArray();
    if (tolerances) {
        jsonTolerance(json, values);
    }
    if (answer.strength) {
        jsonStrength(json, *answer.strength);
    }
    json.endObject();
}

std::vector<std::string> resultColumns(const engine::Edition& edition, bool withStrength) {
    std::vector<std::string> columns;
    for (const NamedField& named : kResultFields) {
        if (inEdition(named.field, edition)) {
            columns.emplace_back(named.name);
        }
    }
    columns.insert(columns.end(), {"k", "designation"});
    if (edition.hasTolerances()) {
        columns.insert(columns.end(), {"A", "T", "TE", "W_upper", "W_lower", "M_upper", "M_lower",
                                       "M_upper_exact", "M_lower_exact"});
    }
    if (withStrength) {
        columns.insert(columns.end(), {"strength_dm", "strength_h", "strength_Ft", "strength_p",
                                       "strength_p_allowed", "strength_safety",
                                       "strength_torque_max", "strength_length_min", "strength_tau",
                                       "strength_tau_safety", "strength_ok"});
    }
    columns.insert(columns.end(), {"messages", "error"});
    return columns;
}

std::vector<std::string> resultValues(const SplineAnswer& answer, bool withStrength) {
    const document::SplineDocument& spline = answer.spline;
    std::vector<std::string> values;
    const auto add = [&values, &answer](std::string text) {
        values.push_back(answer.calculated ? std::move(text) : std::string());
    };
    for (const NamedField& named : kResultFields) {
        if (inEdition(named.field, spline.edition())) {
            add(spline.form().text(named.field));
        }
    }
    // No warnings in a row: the tooth form is needed only for the exact limits of M.
    const bool tolerances = spline.edition().hasTolerances();
    const document::InspectionValues inspection =
        spline.inspection(tolerances ? spline.profile(false) : document::SplineProfile{});
    add(inspection.k.value_or(""));
    add(designationText(spline).value_or(""));
    if (tolerances) {
        const auto& table = inspection.table;
        add(table ? engine::writeNumber(table->seriesDeviation) : "");
        add(table ? engine::writeNumber(table->totalTolerance) : "");
        add(table ? engine::writeNumber(table->actualTolerance) : "");
        for (const auto& limits :
             {inspection.wLimits, inspection.mLimits, inspection.mLimitsExact}) {
            const auto pair = limits ? upperLower(*limits) : std::array<std::string, 2>{};
            add(pair[0]);
            add(pair[1]);
        }
    }
    if (withStrength) {
        const strength::StrengthResult* result = answer.strength && answer.strength->check.result
                                                     ? &*answer.strength->check.result
                                                     : nullptr;
        using Q = strength::Quantity;
        const auto text = [result](double strength::StrengthResult::*member, Q quantity) {
            return result ? strength::quantityText(*result.*member, quantity) : std::string();
        };
        values.push_back(text(&strength::StrengthResult::meanDiameter, Q::MeanDiameter));
        values.push_back(text(&strength::StrengthResult::contactHeight, Q::ContactHeight));
        values.push_back(text(&strength::StrengthResult::force, Q::Force));
        values.push_back(text(&strength::StrengthResult::pressure, Q::Stress));
        values.push_back(text(&strength::StrengthResult::pAllowed, Q::Stress));
        values.push_back(text(&strength::StrengthResult::safety, Q::Safety));
        values.push_back(text(&strength::StrengthResult::torqueMax, Q::Torque));
        values.push_back(text(&strength::StrengthResult::lengthMin, Q::MinLength));
        values.push_back(text(&strength::StrengthResult::tau, Q::Stress));
        values.push_back(result && result->tauSafety
                             ? strength::quantityText(*result->tauSafety, Q::Safety)
                             : std::string());
        values.push_back(result ? (result->ok ? "通过" : result->verdict) : std::string());
    }
    std::string messages;
    for (const std::string& message : spline.ownForm()->messages()) {
        messages += (messages.empty() ? "" : " | ") + message;
    }
    values.push_back(messages);
    values.push_back(answer.error ? answer.error->message : "");
    return values;
}

}  // namespace quillon::cli
