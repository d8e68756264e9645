#include "quillon/cli/spline_output.h"

#include <algorithm>
#include <array>

#include "quillon/engine/designation.h"
#include "quillon/engine/field_text.h"
#include "quillon/strength/strength_quantities.h"
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

// The inputs that are words, not numbers: the grade ("9") stands beside its letter in "9H".
bool isTextInput(Field field) {
    return field == Field::grade || field == Field::seriesLetter;
}

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
    json.beginArray().numberText(pair[0]).numberText(pair[1]).endArray();
}

void jsonTolerance(textio::JsonWriter& json, const document::InspectionValues& values) {
    json.key("tolerance");
    if (!values.table) {
        json.null();
        return;
    }
    json.beginObject();
    json.key("A").numberText(engine::writeNumber(values.table->seriesDeviation));
    json.key("T").numberText(engine::writeNumber(values.table->totalTolerance));
    json.key("TE").numberText(engine::writeNumber(values.table->actualTolerance));
    json.key("row").number(values.table->row);
    jsonLimits(json, "W_limits", values.wLimits);
    jsonLimits(json, "M_limits", values.mLimits);
    jsonLimits(json, "M_limits_exact", values.mLimitsExact);
    json.endObject();
}

// The strength check, each number at full precision; null where not computed.
void jsonStrength(textio::JsonWriter& json, const document::SplineStrength& checked) {
    json.key("strength").beginObject();
    json.key("method").string(strength::kMethod);
    const auto& result = checked.check.result;
    for (const strength::ResultField field : strength::kResultFields) {
        json.key(strength::resultQuantity(field).key);
        if (!result) {
            json.null();
        } else if (field == strength::ResultField::Ok) {
            json.boolean(result->ok);
        } else {
            const auto value = strength::resultValue(*result, field);
            value ? json.number(*value) : json.null();
        }
        if (field == strength::ResultField::PAllowed) {
            json.key("p_range");
            if (result && result->pRange) {
                json.beginArray()
                    .number(result->pRange->low)
                    .number(result->pRange->high)
                    .endArray();
            } else {
                json.null();
            }
        }
    }
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

void textLine(std::ostream& out, std::string_view caption, std::string_view value) {
    constexpr std::size_t kValueColumn = 32;
    const std::size_t width = displayWidth(caption);
    out << caption << std::string(width < kValueColumn ? kValueColumn - width : 1, ' ') << value
        << '\n';
}

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
            json.key(input.quantity.key);
            const std::string text = form.text(*input.field);
            isTextInput(*input.field) ? json.string(text) : json.numberText(text);
        }
    }
    json.endObject();
    json.key("result");
    if (answer.calculated) {
        json.beginObject();
        for (const NamedField& named : kResultFields) {
            if (inEdition(named.field, spline.edition())) {
                json.key(named.name).numberText(form.text(named.field));
            }
        }
        json.endObject();
    } else {
        json.null();
    }
    const document::InspectionValues values = spline.inspection();
    json.key("k");
    values.k&& answer.calculated ? json.numberText(*values.k) : json.null();
    json.key("messages").beginArray();
    for (const std::string& message : spline.messages()) {
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
        for (const strength::ResultField field : strength::kResultFields) {
            columns.push_back(strength::resultColumn(field));
        }
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
        for (const strength::ResultField field : strength::kResultFields) {
            values.push_back(result ? strength::resultText(*result, field) : std::string());
        }
    }
    std::string messages;
    for (const std::string& message : spline.messages()) {
        messages += (messages.empty() ? "" : " | ") + message;
    }
    values.push_back(messages);
    values.push_back(answer.error ? answer.error->message : "");
    return values;
}

}  // namespace quillon::cli
