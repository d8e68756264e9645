#include "gbt_output.h"

#include <algorithm>

#include "quillon/cli/spline_output.h"
#include "quillon/engine/field_text.h"

namespace quillon::cli {
namespace {

using gbt3478::ResultField;
using gbt3478::SplineKind;

// The union of the hub's and the shaft's results, in the shaft's order with the hub's own
// (Dei, Dii, DFi, E and Ev limits) after the shared basic sizes.
std::vector<ResultField> allResultFields() {
    std::vector<ResultField> fields;
    for (const SplineKind kind : {SplineKind::Internal, SplineKind::External}) {
        for (const ResultField field : gbt3478::resultFields(kind)) {
            if (std::ranges::find(fields, field) == fields.end()) {
                fields.push_back(field);
            }
        }
    }
    return fields;
}

std::string valueText(const textio::Quantity& row, double value) {
    return row.decimals == textio::kAsTyped ? engine::writeNumber(value)
                                            : engine::formatNumber(value, row.decimals);
}

const char* kindWord(SplineKind kind) {
    return kind == SplineKind::Internal ? "内花键" : "外花键";
}

std::string fitOf(const gbt3478::SplineInput& in) {
    return std::to_string(in.toleranceClass) + std::string(gbt3478::letterText(in.fit));
}

void writeInputLines(std::ostream& out, const gbt3478::SplineInput& in) {
    using gbt3478::InputField;
    const auto caption = [](InputField field) {
        return textio::captionWithUnit(gbt3478::inputQuantity(field));
    };
    textLine(out, caption(InputField::Teeth), std::to_string(in.z));
    textLine(out, caption(InputField::Module), engine::writeNumber(in.module));
    textLine(out, caption(InputField::Angle), engine::writeNumber(in.pressureAngle));
    textLine(out, caption(InputField::Root),
             in.root == gbt3478::Root::Flat ? "flat（平齿根）" : "fillet（圆齿根）");
}

void writePartLines(std::ostream& out, const gbt3478::Calculation& part,
                    const std::string& indent) {
    for (const std::string& problem : part.problems) {
        textLine(out, indent + "不能计算", problem);
    }
    if (part.result) {
        for (const ResultField field : gbt3478::resultFields(part.result->input.kind)) {
            const textio::Quantity& row = gbt3478::resultQuantity(field);
            const auto value = gbt3478::resultValue(*part.result, field);
            textLine(out, indent + textio::captionWithUnit(row),
                     value ? valueText(row, *value) : "—");
        }
    }
    for (const std::string& note : part.notes) {
        textLine(out, indent + "说明", note);
    }
    for (const std::string& warning : part.warnings) {
        textLine(out, indent + "提示", warning);
    }
}

void jsonStrings(textio::JsonWriter& json, const char* key, const std::vector<std::string>& texts) {
    json.key(key).beginArray();
    for (const std::string& text : texts) {
        json.string(text);
    }
    json.endArray();
}

void jsonLimits(textio::JsonWriter& json, const char* key, const gbt3478::SplineResult& r,
                ResultField upper, ResultField lower) {
    const auto high = gbt3478::resultValue(r, upper);
    const auto low = gbt3478::resultValue(r, lower);
    json.key(key);
    high&& low ? json.beginArray().number(*high).number(*low).endArray() : json.null();
}

// A part's results by their keys; M and W limits as [upper, lower].
void jsonPart(textio::JsonWriter& json, const gbt3478::Calculation& part) {
    json.beginObject();
    if (part.result) {
        const gbt3478::SplineResult& r = *part.result;
        json.key("kind").string(r.input.kind == SplineKind::Internal ? "hub" : "shaft");
        json.key("class").number(r.input.toleranceClass);
        json.key("fit").string(gbt3478::letterText(r.input.fit));
        for (const ResultField field : gbt3478::resultFields(r.input.kind)) {
            if (field == ResultField::MUpper || field == ResultField::WUpper) {
                const bool m = field == ResultField::MUpper;
                jsonLimits(json, m ? "M_limits" : "W_limits", r, field,
                           m ? ResultField::MLower : ResultField::WLower);
                continue;
            }
            if (field == ResultField::MLower || field == ResultField::WLower) {
                continue;
            }
            const auto value = gbt3478::resultValue(r, field);
            json.key(gbt3478::resultQuantity(field).key);
            value ? json.number(*value) : json.null();
        }
    }
    jsonStrings(json, "problems", part.problems);
    jsonStrings(json, "notes", part.notes);
    jsonStrings(json, "warnings", part.warnings);
    json.endObject();
}

const gbt3478::SplineInput* firstInput(const document::GbtRun& run) {
    for (const gbt3478::Calculation* part : run.parts()) {
        if (part->result) {
            return &part->result->input;
        }
    }
    return nullptr;
}

}  // namespace

void writeGbtText(std::ostream& out, const document::GbtRun& run) {
    textLine(out, "标准", "GB/T 3478.1");
    textLine(out, "标记", run.designation.empty() ? "—" : run.designation);
    if (const gbt3478::SplineInput* in = firstInput(run)) {
        writeInputLines(out, *in);
    }
    if (run.single) {
        writePartLines(out, *run.single, "");
        return;
    }
    if (!run.pair) {
        return;
    }
    for (const std::string& problem : run.pair->problems) {
        textLine(out, "不能计算", problem);
    }
    for (const gbt3478::Calculation* part : run.parts()) {
        if (part->result) {
            const auto& in = part->result->input;
            out << kindWord(in.kind) << " " << fitOf(in) << '\n';
            writePartLines(out, *part, "  ");
        }
    }
    if (run.pair->clearances) {
        out << "侧隙\n";
        for (const auto field : gbt3478::kClearanceFields) {
            const textio::Quantity& row = gbt3478::clearanceQuantity(field);
            textLine(out, "  " + textio::captionWithUnit(row),
                     valueText(row, gbt3478::clearanceValue(*run.pair->clearances, field)));
        }
    }
}

void writeGbtJson(textio::JsonWriter& json, const document::GbtRun& run,
                  const std::optional<std::string>& error, std::optional<long long> line) {
    json.beginObject();
    if (line) {
        json.key("line").number(static_cast<double>(*line));
    }
    json.key("ok").boolean(!error && run.ok());
    if (error) {
        json.key("error").string(*error);
    }
    json.key("standard").string("gbt3478");
    json.key("designation");
    run.designation.empty() ? json.null() : json.string(run.designation);
    json.key("input");
    if (const gbt3478::SplineInput* in = firstInput(run)) {
        json.beginObject();
        json.key("z").number(in->z);
        json.key("m").number(in->module);
        json.key("alpha").number(in->pressureAngle);
        json.key("root").string(in->root == gbt3478::Root::Flat ? "flat" : "fillet");
        json.key("length");
        in->engagementLength ? json.number(*in->engagementLength) : json.null();
        json.key("dp");
        in->pinDiameter ? json.number(*in->pinDiameter) : json.null();
        json.endObject();
    } else {
        json.null();
    }
    json.key("gbt3478");
    if (run.single) {
        jsonPart(json, *run.single);
    } else if (run.pair) {
        json.beginObject();
        json.key("hub");
        jsonPart(json, run.pair->hub);
        json.key("shaft");
        jsonPart(json, run.pair->shaft);
        json.key("clearance");
        if (run.pair->clearances) {
            json.beginObject();
            for (const auto field : gbt3478::kClearanceFields) {
                json.key(gbt3478::clearanceQuantity(field).key)
                    .number(gbt3478::clearanceValue(*run.pair->clearances, field));
            }
            json.endObject();
        } else {
            json.null();
        }
        jsonStrings(json, "problems", run.pair->problems);
        json.endObject();
    } else {
        json.null();
    }
    json.endObject();
}

std::vector<std::string> gbtResultColumns() {
    std::vector<std::string> columns = {"gbt_designation"};
    for (const ResultField field : allResultFields()) {
        columns.push_back("gbt_" + std::string(gbt3478::resultQuantity(field).key));
    }
    return columns;
}

std::vector<std::string> gbtResultValues(const document::GbtRun& run) {
    const gbt3478::SplineResult* r =
        run.single && run.single->result ? &*run.single->result : nullptr;
    std::vector<std::string> values = {r ? run.designation : std::string()};
    for (const ResultField field : allResultFields()) {
        const textio::Quantity& row = gbt3478::resultQuantity(field);
        const bool ofKind = r && std::ranges::find(gbt3478::resultFields(r->input.kind), field) !=
                                     gbt3478::resultFields(r->input.kind).end();
        const auto value = ofKind ? gbt3478::resultValue(*r, field) : std::nullopt;
        values.push_back(value ? valueText(row, *value) : std::string());
    }
    return values;
}

std::vector<std::string> gbtMessages(const document::GbtRun& run) {
    std::vector<std::string> messages;
    for (const gbt3478::Calculation* part : run.parts()) {
        messages.insert(messages.end(), part->notes.begin(), part->notes.end());
        messages.insert(messages.end(), part->warnings.begin(), part->warnings.end());
    }
    const std::vector<std::string> problems = run.problems();
    messages.insert(messages.end(), problems.begin(), problems.end());
    return messages;
}

}  // namespace quillon::cli
