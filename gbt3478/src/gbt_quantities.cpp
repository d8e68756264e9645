#include "quillon/gbt3478/gbt_quantities.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace quillon::gbt3478 {
namespace {

using textio::kAboveZero;
using textio::Quantity;

// Lengths to 0.1 µm, so a width limit shows its tolerance in whole tenths of a micrometre.
constexpr int kLength = 4;
constexpr int kDiameter = 3;
constexpr int kMicrometre = 2;

constexpr textio::Range kTeethRange{6, 1e6, true, true, "至少为 6。"};
constexpr textio::Range kClassRange{4, 7, true, true, "必须是 4、5、6 或 7。"};

// In the order of InputField.
constexpr Quantity kInputs[] = {
    {.key = "kind",
     .option = "--kind",
     .caption = "外花键或内花键",
     .defaultText = "shaft",
     .valueName = "shaft|hub",
     .help = "：EXT 或 INT"},
    {.key = "z", .option = "--z", .caption = "齿数 z", .range = kTeethRange},
    {.key = "m", .option = "--m", .caption = "模数 m", .unit = "mm", .range = kAboveZero},
    {.key = "alpha",
     .option = "--alpha",
     .caption = "压力角 α",
     .unit = "°",
     .defaultText = "30",
     .valueName = "30|37.5|45"},
    {.key = "root",
     .option = "--root",
     .caption = "齿根",
     .defaultText = "flat",
     .valueName = "flat|fillet",
     .help = "：平齿根或圆齿根；平齿根只用于 30°，\n37.5° 和 45° 为圆齿根"},
    {.key = "class",
     .option = "--class",
     .caption = "公差等级",
     .defaultText = "5",
     .range = kClassRange,
     .valueName = "4..7"},
    {.key = "fit",
     .option = "--fit",
     .caption = "配合类别",
     .defaultText = "H（内花键）或 h（外花键）",
     .valueName = "字母",
     .help = "：内花键 H，外花键 k、js、h、f、e 或 d；\n给出配合如 5H/6e 时计算内外花键和侧隙"},
    {.key = "length",
     .option = "--length",
     .caption = "配合长度 g",
     .unit = "mm",
     .range = kAboveZero,
     .help = "，默认 D/2"},
    {.key = "dp",
     .option = "--dp",
     .caption = "量棒直径 dp",
     .unit = "mm",
     .range = kAboveZero,
     .help = "；未给出时取在分度圆附近接触齿面的量棒"},
};

struct ResultRow {
    ResultField field;
    Quantity quantity;
};

constexpr ResultRow kResults[] = {
    {ResultField::D, {.key = "D", .caption = "分度圆直径 D", .unit = "mm", .decimals = kDiameter}},
    {ResultField::Db, {.key = "Db", .caption = "基圆直径 Db", .unit = "mm", .decimals = kLength}},
    {ResultField::p, {.key = "p", .caption = "齿距 p", .unit = "mm", .decimals = kLength}},
    {ResultField::E, {.key = "E", .caption = "基本齿槽宽 E", .unit = "mm", .decimals = kLength}},
    {ResultField::S, {.key = "S", .caption = "基本齿厚 S", .unit = "mm", .decimals = kLength}},
    {ResultField::g, {.key = "g", .caption = "配合长度 g", .unit = "mm", .decimals = kDiameter}},
    {ResultField::TotalTolerance,
     {.key = "T_lambda", .caption = "总公差 T+λ", .unit = "µm", .decimals = kMicrometre}},
    {ResultField::Lambda,
     {.key = "lambda", .caption = "综合误差 λ", .unit = "µm", .decimals = kMicrometre}},
    {ResultField::Esv,
     {.key = "esv", .caption = "作用齿厚上偏差 esv", .unit = "µm", .decimals = kMicrometre}},
    {ResultField::DeiMax,
     {.key = "Dei_max", .caption = "大径最大值 Dei max", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DeiMin,
     {.key = "Dei_min", .caption = "大径最小值 Dei min", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DiiMax,
     {.key = "Dii_max", .caption = "小径最大值 Dii max", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DiiMin,
     {.key = "Dii_min", .caption = "小径最小值 Dii min", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DFiMin,
     {.key = "DFi_min",
      .caption = "渐开线起始圆直径最小值 DFi min",
      .unit = "mm",
      .decimals = kDiameter}},
    {ResultField::EMax,
     {.key = "E_max", .caption = "实际齿槽宽最大值 E max", .unit = "mm", .decimals = kLength}},
    {ResultField::EMin,
     {.key = "E_min", .caption = "实际齿槽宽最小值 E min", .unit = "mm", .decimals = kLength}},
    {ResultField::EvMax,
     {.key = "Ev_max", .caption = "作用齿槽宽最大值 Ev max", .unit = "mm", .decimals = kLength}},
    {ResultField::EvMin,
     {.key = "Ev_min", .caption = "作用齿槽宽最小值 Ev min", .unit = "mm", .decimals = kLength}},
    {ResultField::DeeMax,
     {.key = "Dee_max", .caption = "大径最大值 Dee max", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DeeMin,
     {.key = "Dee_min", .caption = "大径最小值 Dee min", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DieMax,
     {.key = "Die_max", .caption = "小径最大值 Die max", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DieMin,
     {.key = "Die_min", .caption = "小径最小值 Die min", .unit = "mm", .decimals = kDiameter}},
    {ResultField::DFeMax,
     {.key = "DFe_max",
      .caption = "渐开线终止圆直径最大值 DFe max",
      .unit = "mm",
      .decimals = kDiameter}},
    {ResultField::SvMax,
     {.key = "Sv_max", .caption = "作用齿厚最大值 Sv max", .unit = "mm", .decimals = kLength}},
    {ResultField::SvMin,
     {.key = "Sv_min", .caption = "作用齿厚最小值 Sv min", .unit = "mm", .decimals = kLength}},
    {ResultField::SMax,
     {.key = "S_max", .caption = "实际齿厚最大值 S max", .unit = "mm", .decimals = kLength}},
    {ResultField::SMin,
     {.key = "S_min", .caption = "实际齿厚最小值 S min", .unit = "mm", .decimals = kLength}},
    {ResultField::Dp,
     {.key = "dp", .caption = "量棒直径 dp", .unit = "mm", .decimals = textio::kAsTyped}},
    {ResultField::M, {.key = "M", .caption = "量棒距 M", .unit = "mm", .decimals = kLength}},
    {ResultField::MUpper,
     {.key = "M_upper", .caption = "M 上极限", .unit = "mm", .decimals = kLength}},
    {ResultField::MLower,
     {.key = "M_lower", .caption = "M 下极限", .unit = "mm", .decimals = kLength}},
    {ResultField::K, {.key = "k", .caption = "跨齿数 k", .decimals = 0}},
    {ResultField::W, {.key = "W", .caption = "公法线长度 W", .unit = "mm", .decimals = kLength}},
    {ResultField::WUpper,
     {.key = "W_upper", .caption = "W 上极限", .unit = "mm", .decimals = kLength}},
    {ResultField::WLower,
     {.key = "W_lower", .caption = "W 下极限", .unit = "mm", .decimals = kLength}},
};

using enum ResultField;

constexpr std::array kHubResults = {
    D,      Db,     p,      E,    S,    g,     TotalTolerance, Lambda, Esv, DeiMax, DeiMin,
    DiiMax, DiiMin, DFiMin, EMax, EMin, EvMax, EvMin,          Dp,     M,   MUpper, MLower};
constexpr std::array kShaftResults = {D,      Db,    p,      E,      S,      g,      TotalTolerance,
                                      Lambda, Esv,   DeeMax, DeeMin, DieMax, DieMin, DFeMax,
                                      SvMax,  SvMin, SMax,   SMin,   Dp,     M,      MUpper,
                                      MLower, K,     W,      WUpper, WLower};

constexpr Quantity kClearances[] = {
    {.key = "effective_min",
     .caption = "作用侧隙最小值 Ev min − Sv max",
     .unit = "mm",
     .decimals = kLength},
    {.key = "effective_max",
     .caption = "作用侧隙最大值 Ev max − Sv min",
     .unit = "mm",
     .decimals = kLength},
    {.key = "actual_min",
     .caption = "实际侧隙最小值 E min − S max",
     .unit = "mm",
     .decimals = kLength},
    {.key = "actual_max",
     .caption = "实际侧隙最大值 E max − S min",
     .unit = "mm",
     .decimals = kLength},
};

std::optional<double> measurementValue(const SplineResult& r, ResultField field) {
    const auto& pins = r.pins;
    const auto& span = r.span;
    switch (field) {
        case Dp:
            return pins ? std::optional(pins->dp) : r.input.pinDiameter;
        case M:
            return pins ? std::optional(pins->M) : std::nullopt;
        case MUpper:
            return pins ? std::optional(pins->limits.upper) : std::nullopt;
        case MLower:
            return pins ? std::optional(pins->limits.lower) : std::nullopt;
        case K:
            return span ? std::optional<double>(span->k) : std::nullopt;
        case W:
            return span ? std::optional(span->W) : std::nullopt;
        case WUpper:
            return span ? std::optional(span->limits.upper) : std::nullopt;
        case WLower:
            return span ? std::optional(span->limits.lower) : std::nullopt;
        default:
            return std::nullopt;
    }
}

// The major, minor and width limits, named by the kind's symbols.
std::optional<double> limitValue(const SplineResult& r, ResultField field) {
    const Diameters& d = r.diameters;
    const WidthLimits& w = r.widths;
    switch (field) {
        case DeiMax:
        case DeeMax:
            return d.major.max;
        case DeiMin:
        case DeeMin:
            return d.major.min;
        case DiiMax:
        case DieMax:
            return d.minor.max;
        case DiiMin:
        case DieMin:
            return d.minor.min;
        case DFiMin:
        case DFeMax:
            return d.form;
        case EMax:
        case SMax:
            return w.actualMax;
        case EMin:
        case SMin:
            return w.actualMin;
        case EvMax:
        case SvMax:
            return w.effectiveMax;
        case EvMin:
        case SvMin:
            return w.effectiveMin;
        default:
            return measurementValue(r, field);
    }
}

}  // namespace

const Quantity& inputQuantity(InputField field) {
    return kInputs[static_cast<std::size_t>(field)];
}

std::optional<InputField> inputFieldOfKey(std::string_view key) {
    for (const InputField field : kInputFields) {
        if (inputQuantity(field).key == key) {
            return field;
        }
    }
    return std::nullopt;
}

std::optional<InputField> inputFieldOfOption(std::string_view option) {
    for (const InputField field : kInputFields) {
        if (inputQuantity(field).option == option) {
            return field;
        }
    }
    return std::nullopt;
}

const Quantity& resultQuantity(ResultField field) {
    return std::ranges::find(kResults, field, &ResultRow::field)->quantity;
}

std::span<const ResultField> resultFields(SplineKind kind) {
    if (kind == SplineKind::Internal) {
        return kHubResults;
    }
    return kShaftResults;
}

std::optional<double> resultValue(const SplineResult& r, ResultField field) {
    switch (field) {
        case D:
            return r.D;
        case Db:
            return r.Db;
        case p:
            return r.p;
        case E:
        case S:
            return r.basicWidth;
        case g:
            return r.engagementLength;
        case TotalTolerance:
            return r.totalTolerance;
        case Lambda:
            return r.effectiveVariation;
        case Esv:
            return r.fundamentalDeviation;
        default:
            return limitValue(r, field);
    }
}

const Quantity& clearanceQuantity(ClearanceField field) {
    return kClearances[static_cast<std::size_t>(field)];
}

double clearanceValue(const Clearances& c, ClearanceField field) {
    switch (field) {
        case ClearanceField::EffectiveMin:
            return c.effectiveMin;
        case ClearanceField::EffectiveMax:
            return c.effectiveMax;
        case ClearanceField::ActualMin:
            return c.actualMin;
        case ClearanceField::ActualMax:
            return c.actualMax;
    }
    return 0;
}

}  // namespace quillon::gbt3478
