#include "quillon/cli/connection_output.h"

#include "quillon/cli/spline_output.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"

namespace quillon::cli {
namespace {

using document::Clearances;
using document::PartSizes;
using engine::formatNumber;

constexpr std::string_view kBetween = " — ";

// A width on the reference circle, a clearance, an angle and a deviation as the report's
// connection section writes them.
std::string width(double mm) {
    return formatNumber(mm, engine::kWidthDecimals);
}
std::string length(double mm) {
    return formatNumber(mm, engine::kLengthDecimals);
}
std::string arcMinutes(double angle) {
    return formatNumber(angle, engine::kArcMinuteDecimals);
}
std::string micrometres(double value) {
    return engine::shortDecimal(value, 1);
}

bool isShaft(const PartSizes& part) {
    return part.kind == engine::SplineKind::External;
}

std::string tableText(const PartSizes& part) {
    return micrometres(part.table.seriesDeviation) + " / " +
           micrometres(part.table.totalTolerance) + " / " +
           micrometres(part.table.actualTolerance) + " / " + micrometres(part.effectiveTolerance);
}

void writePartText(std::ostream& out, const PartSizes& part) {
    const bool shaft = isShaft(part);
    const std::string name = shaft ? "外花键 " : "内花键 ";
    const auto& sizes = part.sizes;
    textLine(out, name + engine::printTolerance(part.toleranceClass) + "  A/T/TE/Teff (µm)",
             tableText(part));
    textLine(out, name + (shaft ? "作用齿厚 sv (mm)" : "作用齿槽宽 ev (mm)"),
             width(sizes.effectiveMin) + std::string(kBetween) + width(sizes.effectiveMax));
    textLine(out, name + (shaft ? "实际齿厚 s (mm)" : "实际齿槽宽 e (mm)"),
             width(sizes.actualMin) + std::string(kBetween) + width(sizes.actualMax));
    if (shaft && part.inspection.wLimits) {
        textLine(out, name + "W 极限尺寸 (mm)", part.inspection.wLimits->pairText());
    }
    if (part.inspection.mLimitsExact) {
        textLine(out, name + "M 极限尺寸，按齿形 (mm)", part.inspection.mLimitsExact->pairText());
    }
}

std::string clearanceText(double lowMm, double highMm, double lowAngle, double highAngle) {
    return length(lowMm) + std::string(kBetween) + length(highMm) + "  (" + arcMinutes(lowAngle) +
           "′" + std::string(kBetween) + arcMinutes(highAngle) + "′)";
}

void writeMeasurementText(std::ostream& out, const Measurement& measurement) {
    const bool shaft = measurement.part == engine::SplineKind::External;
    const ConnectionInput input = measurement.from == document::MeasuredQuantity::W
                                      ? ConnectionInput::MeasuredW
                                      : ConnectionInput::MeasuredM;
    const document::MeasuredSize& size = measurement.size;
    textLine(out, textio::captionWithUnit(connectionInputRow(input)),
             engine::writeNumber(measurement.value));
    textLine(out, shaft ? "实际齿厚 s (mm)" : "实际齿槽宽 e (mm)", width(size.actual));
    textLine(out, "偏差 (µm)", micrometres(size.deviationMicrometres));
    textLine(out, shaft ? "实际齿厚极限 (mm)" : "实际齿槽宽极限 (mm)",
             width(size.lowest) + std::string(kBetween) + width(size.highest));
    textLine(out, "测量结论", size.within ? "合格（在极限内）" : "不合格（超出极限）");
}

void jsonPart(textio::JsonWriter& json, const PartSizes& part) {
    const bool shaft = isShaft(part);
    const auto& sizes = part.sizes;
    json.key(shaft ? "shaft" : "hub").beginObject();
    json.key("class").string(engine::printTolerance(part.toleranceClass));
    json.key(shaft ? "s" : "e").numberText(width(part.nominal));
    json.key("A").numberText(micrometres(part.table.seriesDeviation));
    json.key("T").numberText(micrometres(part.table.totalTolerance));
    json.key("TE").numberText(micrometres(part.table.actualTolerance));
    json.key("T_eff").numberText(micrometres(part.effectiveTolerance));
    if (shaft) {
        json.key("sv_max").numberText(width(sizes.effectiveMax));
        json.key("sv_min").numberText(width(sizes.effectiveMin));
        json.key("s_max").numberText(width(sizes.actualMax));
        json.key("s_min").numberText(width(sizes.actualMin));
    } else {
        json.key("ev_min").numberText(width(sizes.effectiveMin));
        json.key("ev_max").numberText(width(sizes.effectiveMax));
        json.key("e_min").numberText(width(sizes.actualMin));
        json.key("e_max").numberText(width(sizes.actualMax));
    }
    // W is measured over teeth: a hub has no W to check (anvils do not reach inside it).
    jsonLimits(json, "W_limits",
               shaft ? part.inspection.wLimits : std::optional<report::LimitTexts>());
    jsonLimits(json, "M_limits_exact", part.inspection.mLimitsExact);
    json.endObject();
}

void jsonClearances(textio::JsonWriter& json, const char* name, const Clearances& c,
                    std::string (*shown)(double)) {
    json.key(name).beginObject();
    json.key("effective_min").numberText(shown(c.effectiveMin));
    json.key("effective_max").numberText(shown(c.effectiveMax));
    json.key("actual_min").numberText(shown(c.actualMin));
    json.key("actual_max").numberText(shown(c.actualMax));
    json.endObject();
}

void jsonMeasurement(textio::JsonWriter& json, const Measurement& measurement) {
    const document::MeasuredSize& size = measurement.size;
    json.key("measurement").beginObject();
    json.key("from").string(measurement.from == document::MeasuredQuantity::W ? "W" : "M");
    json.key("value").number(measurement.value);
    json.key("actual").numberText(width(size.actual));
    json.key("deviation_um").numberText(micrometres(size.deviationMicrometres));
    json.key("limits").beginArray();
    json.numberText(width(size.lowest)).numberText(width(size.highest)).endArray();
    json.key("within").boolean(size.within);
    json.endObject();
}

}  // namespace

void writeConnectionText(std::ostream& out, const ConnectionAnswer& answer) {
    if (const auto& c = answer.connection) {
        textLine(out, "配合", engine::printFit(c->fit));
        textLine(out, "配合标记", c->designation);
        writePartText(out, c->hub);
        writePartText(out, c->shaft);
        textLine(out, "作用侧隙 jv (mm)",
                 clearanceText(c->clearance.effectiveMin, c->clearance.effectiveMax,
                               c->backlash.effectiveMin, c->backlash.effectiveMax));
        textLine(out, "实际侧隙 j (mm)",
                 clearanceText(c->clearance.actualMin, c->clearance.actualMax,
                               c->backlash.actualMin, c->backlash.actualMax));
        if (c->interference) {
            textLine(out, "注意", c->warning);
        }
    }
    if (answer.measurement) {
        writeMeasurementText(out, *answer.measurement);
    }
}

void writeConnectionJson(textio::JsonWriter& json, const ConnectionAnswer& answer) {
    if (const auto& c = answer.connection) {
        json.key("connection").beginObject();
        json.key("fit").string(engine::printFit(c->fit));
        json.key("designation").string(c->designation);
        jsonPart(json, c->hub);
        jsonPart(json, c->shaft);
        jsonClearances(json, "clearance", c->clearance, length);
        jsonClearances(json, "backlash_arcmin", c->backlash, arcMinutes);
        json.key("interference").boolean(c->interference);
        json.endObject();
    }
    if (answer.measurement) {
        jsonMeasurement(json, *answer.measurement);
    }
}

std::vector<std::string> connectionColumns() {
    return {"clearance_effective_min",
            "clearance_effective_max",
            "clearance_actual_min",
            "clearance_actual_max",
            "interference",
            "measured_actual",
            "measured_within"};
}

std::vector<std::string> connectionValues(const std::optional<ConnectionAnswer>& answer) {
    std::vector<std::string> values(connectionColumns().size());
    if (!answer) {
        return values;
    }
    if (const auto& c = answer->connection) {
        values[0] = length(c->clearance.effectiveMin);
        values[1] = length(c->clearance.effectiveMax);
        values[2] = length(c->clearance.actualMin);
        values[3] = length(c->clearance.actualMax);
        values[4] = c->interference ? "true" : "false";
    }
    if (const auto& measurement = answer->measurement) {
        values[5] = width(measurement->size.actual);
        values[6] = measurement->size.within ? "true" : "false";
    }
    return values;
}

}  // namespace quillon::cli
