#include "quillon/document/connection.h"

#include <cmath>
#include <numbers>

#include "quillon/document/micrometre_text.h"
#include "quillon/document/spline_document.h"
#include "quillon/engine/designation.h"
#include "quillon/engine/field_text.h"
#include "quillon/engine/in_memory_form.h"
#include "quillon/geometry/tooth_form.h"
#include "quillon/tolerance/series_column.h"

using namespace quillon::engine;

namespace quillon::document {
namespace {

constexpr double kArcMinutesPerRadian = 180 * 60 / std::numbers::pi;
constexpr int kDefaultGrade = 9;

// The known parameters a part and its mate share; the profile shift and the pin differ.
constexpr Field kSharedFields[] = {Field::z,      Field::m,    Field::alpha,
                                   Field::haStar, Field::beta, Field::cn};

std::string partName(SplineKind kind) {
    return kind == SplineKind::External ? "外花键" : "内花键";
}

bool letterHasColumn(char letter) {
    return tolerance::seriesColumnForLetter(std::string_view(&letter, 1)).has_value();
}

// "F、G、H、J、K、M": the letters of the kind's case that the tables know.
std::string knownLetters(bool upperCase) {
    std::string letters;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const char inCase = upperCase ? static_cast<char>(letter - 'a' + 'A') : letter;
        if (letterHasColumn(inCase)) {
            letters += (letters.empty() ? "" : "、") + std::string(1, inCase);
        }
    }
    return letters;
}

std::optional<std::string> unknownLetter(const DesignationTolerance& tolerance, SplineKind kind) {
    if (letterHasColumn(tolerance.series)) {
        return std::nullopt;
    }
    return partName(kind) + "没有基本偏差 " + std::string(1, tolerance.series) + "（可用 " +
           knownLetters(kind == SplineKind::Internal) + "）";
}

// The limits of a part from its table values (µm), as the fit system defines them.
PartLimits deviationsOf(SplineKind kind, const tolerance::ToleranceTableValues& table,
                        double effectiveTolerance) {
    const double A = table.seriesDeviation;
    const double T = table.totalTolerance;
    PartLimits limits;
    if (kind == SplineKind::External) {
        limits.effectiveMax = A;
        limits.actualMin = A - T;
        limits.actualMax = A - effectiveTolerance;
        limits.effectiveMin = limits.actualMin + effectiveTolerance;
    } else {
        limits.effectiveMin = A;
        limits.actualMax = A + T;
        limits.actualMin = A + effectiveTolerance;
        limits.effectiveMax = limits.actualMax - effectiveTolerance;
    }
    return limits;
}

PartLimits sizesOf(double nominal, const PartLimits& deviations) {
    const auto size = [nominal](double micrometres) { return nominal + micrometres / 1000; };
    return {size(deviations.effectiveMin), size(deviations.effectiveMax),
            size(deviations.actualMin), size(deviations.actualMax)};
}

// The part of `kind` with `tolerance`, calculated on a form of its own from the document's known
// parameters, as a window of that kind would calculate it. The mate's profile shift is the
// opposite of the document's (same dB) and its pin the one proposed for its kind.
PartSizesResult calculatePart(const SplineDocument& document, SplineKind kind,
                              const DesignationTolerance& toleranceClass) {
    const Form& own = document.form();
    const bool mate = own.selectedKind() != kind;
    InMemoryForm form;
    SplineDocument part(document.edition(), form, document.toleranceDatabase());
    form.selectKind(kind);
    for (Field field : kSharedFields) {
        form.setText(field, own.text(field));
    }
    form.setText(Field::x,
                 mate ? writeNumber(-readNumber(own.text(Field::x))) : own.text(Field::x));
    if (mate) {
        part.proposePinDiameter();
    } else {
        form.setText(Field::dp, own.text(Field::dp));
    }
    const std::string letter(1, toleranceClass.series);
    form.setText(Field::grade, std::to_string(toleranceClass.grade));
    form.setText(Field::seriesLetter, letter);
    part.seriesLetterChanged(letter);
    part.calculate();

    const std::string name = partName(kind) + " " + printTolerance(toleranceClass);
    const SplineProfile profile = part.profile();
    if (!profile.calculated) {
        const std::string why = form.messages().empty() ? "" : "：" + form.messages().back();
        return {std::nullopt, name + " 无法计算" + why};
    }
    const tolerance::DeviationResult& deviation = part.deviation();
    if (!deviation.tableValues) {
        return {std::nullopt, name + " 在公差表中查不到（模数或直径超出表的范围）"};
    }
    PartSizes sizes;
    sizes.kind = kind;
    sizes.toleranceClass = toleranceClass;
    sizes.input = *profile.input;
    sizes.nominal = geometry::referenceWidth(sizes.input);
    sizes.table = *deviation.tableValues;
    sizes.effectiveTolerance = sizes.table.totalTolerance - sizes.table.actualTolerance;
    sizes.deviations = deviationsOf(kind, sizes.table, sizes.effectiveTolerance);
    sizes.sizes = sizesOf(sizes.nominal, sizes.deviations);
    sizes.deviation = deviation;
    sizes.inspection = part.inspection(profile);
    return {std::move(sizes), {}};
}

// Why the document's spline cannot be one part of a connection, if it cannot.
std::optional<std::string> notConnectable(const SplineDocument& document) {
    if (!document.edition().hasTolerances()) {
        return "此版本没有公差，不能计算配合";
    }
    if (!document.toleranceDatabase()) {
        return "没有公差数据库，不能计算配合";
    }
    const SplineProfile profile = document.profile(false);
    if (!profile.calculated) {
        return profile.input ? profile.design.problem : "未选择花键类型";
    }
    if (const FormDesignation named = document.designation(); !named.designation) {
        return named.reason;  // a helical spline or numbers that name no DIN 5480 size
    }
    return std::nullopt;
}

Clearances clearancesOf(const PartLimits& hub, const PartLimits& shaft) {
    return {hub.effectiveMin - shaft.effectiveMax, hub.effectiveMax - shaft.effectiveMin,
            hub.actualMin - shaft.actualMax, hub.actualMax - shaft.actualMin};
}

Clearances scaled(const Clearances& c, double factor) {
    return {c.effectiveMin * factor, c.effectiveMax * factor, c.actualMin * factor,
            c.actualMax * factor};
}

}  // namespace

FitReading readFit(std::string_view text) {
    const FitParse parse = parseFit(text);
    if (!parse.fit) {
        return {std::nullopt, parse.reason};
    }
    if (auto why = unknownLetter(parse.fit->hub, SplineKind::Internal)) {
        return {std::nullopt, *why};
    }
    if (auto why = unknownLetter(parse.fit->shaft, SplineKind::External)) {
        return {std::nullopt, *why};
    }
    return {parse.fit, {}};
}

Fit defaultFit(const SplineDocument& document) {
    const SplineKind kind = document.form().selectedKind().value_or(SplineKind::External);
    const DesignationTolerance own =
        toleranceOfForm(document.form(), kind)
            .value_or(
                DesignationTolerance{kDefaultGrade, kind == SplineKind::External ? 'h' : 'H'});
    if (kind == SplineKind::External) {
        return {{own.grade, 'H'}, own};
    }
    return {own, {own.grade, 'h'}};
}

PartSizesResult partSizes(const SplineDocument& document) {
    if (auto why = notConnectable(document)) {
        return {std::nullopt, *why};
    }
    const SplineKind kind = *document.form().selectedKind();
    const auto toleranceClass = toleranceOfForm(document.form(), kind);
    if (!toleranceClass) {
        return {std::nullopt, "公差等级或基本偏差无效"};
    }
    if (auto why = unknownLetter(*toleranceClass, kind)) {
        return {std::nullopt, *why};
    }
    return calculatePart(document, kind, *toleranceClass);
}

ConnectionResult connection(const SplineDocument& document, std::string_view fitText) {
    if (auto why = notConnectable(document)) {
        return {std::nullopt, *why};
    }
    const FitReading reading = readFit(fitText);
    if (!reading.fit) {
        return {std::nullopt, reading.reason};
    }
    Connection c;
    c.fit = *reading.fit;
    PartSizesResult hub = calculatePart(document, SplineKind::Internal, c.fit.hub);
    PartSizesResult shaft = calculatePart(document, SplineKind::External, c.fit.shaft);
    for (PartSizesResult* part : {&hub, &shaft}) {
        if (!part->part) {
            return {std::nullopt, part->refusal};
        }
    }
    c.hub = std::move(*hub.part);
    c.shaft = std::move(*shaft.part);
    c.designation = printConnectionDesignation(*document.designation().designation, c.fit);
    c.referenceDiameter = c.shaft.input.m * c.shaft.input.z;
    const Clearances micrometres = clearancesOf(c.hub.deviations, c.shaft.deviations);
    c.clearance = scaled(micrometres, 1.0 / 1000);
    c.backlash = scaled(c.clearance, kArcMinutesPerRadian / (c.referenceDiameter / 2));
    c.interference = micrometres.effectiveMin < 0;
    if (c.interference) {
        c.warning = "可能过盈：最小作用侧隙为 " + micrometreText(micrometres.effectiveMin) +
                    " µm，内花键的作用齿槽宽可能小于外花键的作用齿厚，装配时可能卡住";
    }
    return {std::move(c), {}};
}

}  // namespace quillon::document
