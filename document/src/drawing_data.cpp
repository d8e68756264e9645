#include "quillon/document/drawing_data.h"

#include <cmath>
#include <sstream>

#include "quillon/document/connection.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/field_text.h"
#include "quillon/textio/csv_writer.h"

using namespace quillon::engine;
using namespace quillon::geometry;

namespace quillon::document {
namespace {

constexpr char kNone[] = "—";

std::string orNone(const std::string& text) {
    return text.empty() ? kNone : text;
}

std::string orNone(const std::optional<std::string>& text) {
    return text ? orNone(*text) : kNone;
}

// A number the fields imply, in the window's format; a typed number too large to be one (1e999)
// shows as none.
std::string fixed(double value, int decimals) {
    return std::isfinite(value) ? formatNumber(value, decimals) : kNone;
}

// "13.071 (13.047 / 13.012)": a measurement with its limits, the near deviation's first.
std::string withLimits(const std::string& value, const report::LimitTexts& limits) {
    return value + " (" + limits.nearLimit + " / " + limits.farLimit + ")";
}

class TableBuilder {
  public:
    TableBuilder(const SplineDocument& document, bool calculated)
        : form_(document.form()), calculated_(calculated) {}

    void add(const char* name, const char* symbol, const std::string& value) {
        table_.rows.push_back({name, symbol, calculated_ ? orNone(value) : kNone});
    }
    void addField(const char* name, const char* symbol, Field field) {
        add(name, symbol, form_.text(field));
    }
    DrawingTable take() { return std::move(table_); }

  private:
    const Form& form_;
    bool calculated_;
    DrawingTable table_;
};

std::string exactMText(const InspectionValues& values, const Form& form) {
    if (!values.M) {
        return kNone;
    }
    if (values.mLimitsExact) {
        return withLimits(*values.M, *values.mLimitsExact);
    }
    // The limits through the involute exist for straight splines with a sound profile only.
    return *values.M + (readNumber(form.text(Field::beta)) != 0 ? " (斜齿花键无精确极限)"
                                                                : " (无法按齿形计算极限)");
}

// The part's class as its designation writes it: "9h" for a shaft whose letter field says "H".
std::string classText(const Form& form, const InspectionValues& values,
                      const std::optional<PartSizes>& part) {
    if (part) {
        return printTolerance(part->toleranceClass);
    }
    const auto kind = form.selectedKind();
    const auto named = kind ? toleranceOfForm(form, *kind) : std::nullopt;
    return named ? printTolerance(*named) : orNone(values.tolerance);
}

// The limits a drawing states: the effective one the GO gauge checks and the actual one opposite
// it (ev min and e max of a hub, sv max and s min of a shaft).
void addEffectiveLimits(TableBuilder& rows, SplineKind kind, const std::optional<PartSizes>& part) {
    const auto size = [&part](double PartLimits::*limit) {
        return part ? formatNumber(part->sizes.*limit, kWidthDecimals) : std::string(kNone);
    };
    if (kind == SplineKind::External) {
        rows.add("作用齿厚最大值", "sv max", size(&PartLimits::effectiveMax));
        rows.add("实际齿厚最小值", "s min", size(&PartLimits::actualMin));
    } else {
        rows.add("作用齿槽宽最小值", "ev min", size(&PartLimits::effectiveMin));
        rows.add("实际齿槽宽最大值", "e max", size(&PartLimits::actualMax));
    }
}

DrawingTable tableOf(const SplineDocument& document, const Connection* connection) {
    const Form& form = document.form();
    const SplineProfile profile = document.profile();
    const bool tolerances = document.edition().hasTolerances();
    const SplineKind kind = profile.input ? profile.input->kind : SplineKind::External;
    // The part as the connection has it, or alone with the class of its fields.
    std::optional<PartSizes> part;
    if (connection) {
        part = connection->part(kind);
    } else if (tolerances && profile.calculated) {
        part = partSizes(document).part;
    }
    const InspectionValues values = connection ? part->inspection : document.inspection(profile);
    FormDesignation named = document.designation();
    if (named.designation && connection) {
        named.designation->tolerance = part->toleranceClass;
    }
    // The window's x is positive towards the centre for a hub; DIN 5480 counts it outwards.
    const double sign = profile.input ? kindSign(profile.input->kind) : 1.0;
    const double shift = sign * readNumber(form.text(Field::x));

    TableBuilder rows(document, profile.calculated);
    rows.add("标记", kNone,
             named.designation ? printDesignation(*named.designation) : named.reason);
    rows.addField("齿数", "z", Field::z);
    rows.addField("模数", "m", Field::m);
    rows.addField("压力角", "α", Field::alpha);
    rows.add("基准直径", "dB",
             named.designation ? shortDecimal(named.designation->referenceDiameter, kLengthDecimals)
                               : kNone);
    rows.add("变位系数", "x", fixed(shift, kShiftDecimals));
    rows.add("变位量", "x·m", fixed(shift * readNumber(form.text(Field::m)), kLengthDecimals));
    rows.addField("分度圆直径", "d", Field::d);
    rows.addField("基圆直径", "db", Field::db);
    rows.addField("齿顶圆直径", "da", Field::da);
    rows.addField("齿根圆直径", "df", Field::df);
    if (tolerances) {
        rows.add("公差", kNone, classText(form, values, part));
    }
    if (connection) {
        const PartSizes& mate = connection->part(
            kind == SplineKind::External ? SplineKind::Internal : SplineKind::External);
        rows.add("配合", kNone,
                 printFit(connection->fit) +
                     (mate.kind == SplineKind::External ? "，相配外花键 " : "，相配内花键 ") +
                     printTolerance(mate.toleranceClass));
    }
    rows.add("跨齿数", "k", orNone(values.k));
    rows.add("公法线长度", "W",
             tolerances && values.W && values.wLimits ? withLimits(*values.W, *values.wLimits)
                                                      : orNone(values.W));
    rows.addField("量棒直径", "DM", Field::dp);
    rows.add("跨棒距", "M", tolerances ? exactMText(values, form) : orNone(values.M));
    if (tolerances) {
        addEffectiveLimits(rows, kind, part);
        rows.add("注", kNone, "括号内为极限：W 同报告，M 按齿形精确计算");
    }
    return rows.take();
}

}  // namespace

DrawingTable drawingData(const SplineDocument& document) {
    return tableOf(document, nullptr);
}

DrawingTable drawingData(const SplineDocument& document, const Connection& connection) {
    return tableOf(document, &connection);
}

std::string drawingDataCsv(const DrawingTable& table) {
    std::ostringstream out;
    textio::CsvWriter::writeByteOrderMark(out);
    textio::CsvWriter csv(out);
    csv.writeRecord({kTableHeader[0], kTableHeader[1], kTableHeader[2]});
    for (const auto& row : table.rows) {
        csv.writeRecord({row[0], row[1], row[2]});
    }
    return out.str();
}

std::string drawingDataTsv(const DrawingTable& table) {
    std::string text;
    const auto line = [&text](const auto& cells) {
        text.append(cells[0]).append("\t").append(cells[1]).append("\t").append(cells[2]);
        text += '\n';
    };
    line(kTableHeader);
    for (const auto& row : table.rows) {
        line(row);
    }
    return text;
}

}  // namespace quillon::document
