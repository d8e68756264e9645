#include "quillon/document/gbt_spline.h"

#include <algorithm>
#include <cmath>

#include "quillon/engine/field_text.h"
#include "quillon/gbt3478/designation.h"
#include "quillon/gbt3478/tooth_profile.h"
#include "quillon/geometry/dxf_writer.h"
#include "quillon/geometry/polyline.h"
#include "quillon/geometry/svg_writer.h"
#include "quillon/textio/strict_number.h"

namespace quillon::document {
namespace {

using gbt3478::FitLetter;
using gbt3478::InputField;
using gbt3478::Root;
using gbt3478::SplineInput;
using gbt3478::SplineKind;

constexpr double kFlatRootAngle = 30;
constexpr double kAngles[] = {30, 37.5, 45};

std::size_t indexOf(InputField field) {
    return static_cast<std::size_t>(field);
}

// Thrown while reading the texts; becomes the run's input problem.
struct Refusal {
    GbtInputProblem problem;
};

[[noreturn]] void refuse(InputField field, const std::string& text, std::string_view why) {
    const std::string_view caption = gbt3478::inputQuantity(field).caption;
    throw Refusal{{field, textio::sentence(caption, "的值“" + text + "”" + std::string(why))}};
}

// A class and a letter of one part: "5H", "6e".
struct PartFit {
    int toleranceClass = 0;
    FitLetter letter = FitLetter::H;
};

class TextReader {
  public:
    explicit TextReader(const GbtSpline& spline) : spline_(spline) {}

    // The texts as given, or their row's start value.
    std::string text(InputField field) const {
        const std::string& typed = spline_.text(field);
        return typed.empty() ? std::string(gbt3478::inputQuantity(field).defaultText) : typed;
    }

    std::optional<double> number(InputField field) const {
        const std::string typed = text(field);
        if (typed.empty()) {
            return std::nullopt;
        }
        const auto value = textio::strictNumber(typed);
        if (!value) {
            refuse(field, typed, textio::kNotANumber);
        }
        if (const std::string problem = textio::rangeProblem(gbt3478::inputQuantity(field), *value);
            !problem.empty()) {
            throw Refusal{{field, problem}};
        }
        return value;
    }

    double required(InputField field) const {
        const auto value = number(field);
        if (!value) {
            throw Refusal{
                {field, textio::sentence(gbt3478::inputQuantity(field).caption, "没有给出。")}};
        }
        return *value;
    }

    int whole(InputField field, double value) const {
        if (value != std::floor(value)) {
            refuse(field, text(field), "不是整数");
        }
        return static_cast<int>(value);
    }

    SplineKind kind() const {
        const std::string typed = text(InputField::Kind);
        if (typed != "shaft" && typed != "hub") {
            refuse(InputField::Kind, typed, "不是 shaft 或 hub");
        }
        return typed == "hub" ? SplineKind::Internal : SplineKind::External;
    }

    double angle() const {
        const double alpha = required(InputField::Angle);
        if (std::ranges::find(kAngles, alpha) == std::end(kAngles)) {
            refuse(InputField::Angle, text(InputField::Angle), "不是 30、37.5 或 45");
        }
        return alpha;
    }

    Root root(double alpha) const {
        const std::string& typed = spline_.text(InputField::Root);
        if (typed.empty()) {
            return alpha == kFlatRootAngle ? Root::Flat : Root::Fillet;
        }
        if (typed != "flat" && typed != "fillet") {
            refuse(InputField::Root, typed, "不是 flat 或 fillet");
        }
        if (typed == "flat" && alpha != kFlatRootAngle) {
            refuse(InputField::Root, typed,
                   "不可用：压力角 " + engine::writeNumber(alpha) + "° 只有圆齿根 fillet");
        }
        return typed == "flat" ? Root::Flat : Root::Fillet;
    }

    // The letter as the kind writes it: H for a hub, k, js, h, f, e or d for a shaft.
    FitLetter letter(std::string_view written, SplineKind kind) const {
        const auto letter = gbt3478::fitLetterOf(written, kind);
        if (!letter || gbt3478::letterText(*letter) != written) {
            refuse(InputField::Fit, spline_.text(InputField::Fit),
                   kind == SplineKind::Internal ? "不是内花键的配合类别 H"
                                                : "不是外花键的配合类别 k、js、h、f、e 或 d");
        }
        return *letter;
    }

    // "5H/6e": the hub's and the shaft's class and letter; none when the fit is one letter.
    std::optional<std::pair<PartFit, PartFit>> pairFit() const {
        const std::string& typed = spline_.text(InputField::Fit);
        const std::size_t slash = typed.find('/');
        if (slash == std::string::npos) {
            return std::nullopt;
        }
        return std::pair{partFit(typed.substr(0, slash), SplineKind::Internal),
                         partFit(typed.substr(slash + 1), SplineKind::External)};
    }

  private:
    PartFit partFit(const std::string& part, SplineKind kind) const {
        const std::size_t digits = part.find_first_not_of("0123456789");
        const auto value = textio::strictNumber(part.substr(0, digits));
        if (!value || digits == std::string::npos) {
            refuse(InputField::Fit, spline_.text(InputField::Fit),
                   "不是一个字母或内外花键的配合（如 5H/6e）");
        }
        if (const std::string problem =
                textio::rangeProblem(gbt3478::inputQuantity(InputField::Class), *value);
            !problem.empty()) {
            throw Refusal{{InputField::Fit, problem}};
        }
        return {static_cast<int>(*value), letter(part.substr(digits), kind)};
    }

    const GbtSpline& spline_;
};

// The inputs the texts give: one part, or the hub and the shaft of a pair.
std::vector<SplineInput> readInputs(const GbtSpline& spline) {
    const TextReader read(spline);
    SplineInput in;
    in.z = read.whole(InputField::Teeth, read.required(InputField::Teeth));
    in.module = read.required(InputField::Module);
    in.pressureAngle = read.angle();
    in.root = read.root(in.pressureAngle);
    in.engagementLength = read.number(InputField::Length);
    in.pinDiameter = read.number(InputField::Pin);
    if (const auto pair = read.pairFit()) {
        SplineInput hub = in;
        hub.kind = SplineKind::Internal;
        hub.toleranceClass = pair->first.toleranceClass;
        hub.fit = pair->first.letter;
        SplineInput shaft = in;
        shaft.toleranceClass = pair->second.toleranceClass;
        shaft.fit = pair->second.letter;
        return {hub, shaft};
    }
    in.kind = read.kind();
    in.toleranceClass = read.whole(InputField::Class, read.required(InputField::Class));
    const std::string& fit = spline.text(InputField::Fit);
    in.fit = fit.empty() ? (in.kind == SplineKind::Internal ? FitLetter::H : FitLetter::h)
                         : read.letter(fit, in.kind);
    return {in};
}

// "5H", or "5H/5h" for a pair.
std::string fitText(const gbt3478::ClassAndFit& part) {
    return std::to_string(part.toleranceClass) + std::string(gbt3478::letterText(part.fit));
}

std::string withLimits(double value, const gbt3478::MeasurementLimits& limits, int decimals) {
    return engine::formatNumber(value, decimals) + " (" +
           engine::formatNumber(limits.upper, decimals) + " / " +
           engine::formatNumber(limits.lower, decimals) + ")";
}

// "分度圆直径 D" -> {"分度圆直径", "D"}: the name and the symbol after the first blank.
std::array<std::string, 2> nameAndSymbol(std::string_view caption) {
    const std::size_t blank = caption.find(' ');
    if (blank == std::string_view::npos) {
        return {std::string(caption), ""};
    }
    return {std::string(caption.substr(0, blank)), std::string(caption.substr(blank + 1))};
}

}  // namespace

std::vector<const gbt3478::Calculation*> GbtRun::parts() const {
    if (pair) {
        return {&pair->hub, &pair->shaft};
    }
    if (single) {
        return {&*single};
    }
    return {};
}

std::vector<std::string> GbtRun::problems() const {
    if (pair) {
        return pair->problems;
    }
    return single ? single->problems : std::vector<std::string>{};
}

bool GbtRun::ok() const {
    return !inputProblem && (single || pair) && problems().empty();
}

const std::string& GbtSpline::text(InputField field) const {
    return texts_[indexOf(field)];
}

void GbtSpline::setText(InputField field, std::string text) {
    texts_[indexOf(field)] = std::move(text);
}

std::optional<std::string> GbtSpline::applyDesignation(std::string_view designation) {
    const gbt3478::DesignationParse parsed = gbt3478::parseDesignation(designation);
    if (!parsed.designation) {
        if (!parsed.reason.empty()) {
            return parsed.reason;
        }
        return parsed.unrecognised.empty() ? std::string("标记是空的")
                                           : "无法识别“" + parsed.unrecognised + "”";
    }
    const gbt3478::Designation& d = *parsed.designation;
    setText(InputField::Teeth, std::to_string(d.z));
    setText(InputField::Module, engine::writeNumber(d.module));
    setText(InputField::Angle, engine::writeNumber(d.pressureAngle));
    setText(InputField::Root, d.root == Root::Flat ? "flat" : "fillet");
    if (d.kind == gbt3478::DesignationKind::Pair) {
        setText(InputField::Kind, "");
        setText(InputField::Class, "");
        setText(InputField::Fit, fitText(*d.hub) + "/" + fitText(*d.shaft));
        return std::nullopt;
    }
    const gbt3478::ClassAndFit& part = d.hub ? *d.hub : *d.shaft;
    setText(InputField::Kind, d.kind == gbt3478::DesignationKind::Internal ? "hub" : "shaft");
    setText(InputField::Class, std::to_string(part.toleranceClass));
    setText(InputField::Fit, std::string(gbt3478::letterText(part.fit)));
    return std::nullopt;
}

GbtRun GbtSpline::calculate() const {
    GbtRun run;
    std::vector<SplineInput> inputs;
    try {
        inputs = readInputs(*this);
    } catch (const Refusal& refusal) {
        run.inputProblem = refusal.problem;
        return run;
    }
    if (inputs.size() == 2) {
        run.pair = gbt3478::calculatePair(inputs[0], inputs[1]);
        if (const auto named = gbt3478::designationOf(inputs[0], inputs[1])) {
            run.designation = gbt3478::printDesignation(*named);
        }
    } else {
        run.single = gbt3478::calculate(inputs[0]);
        run.designation = gbt3478::printDesignation(gbt3478::designationOf(inputs[0]));
    }
    return run;
}

bool isGbtDesignation(std::string_view text) {
    if (gbt3478::parseDesignation(text).designation) {
        return true;
    }
    std::string upper(textio::trimBlanks(text));
    for (char& c : upper) {
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return upper.find("GB/T") != std::string::npos || upper.find("ISO 4156") != std::string::npos ||
           upper.starts_with("INT") || upper.starts_with("EXT");
}

geometry::DrawingTable gbtDrawingData(const gbt3478::SplineResult& r,
                                      const std::string& designation) {
    using gbt3478::ResultField;
    const SplineInput& in = r.input;
    geometry::DrawingTable table;
    table.rows.push_back({"标记", "", designation});
    table.rows.push_back({"齿数", "z", std::to_string(in.z)});
    table.rows.push_back({"模数", "m", engine::writeNumber(in.module)});
    table.rows.push_back({"压力角", "α", engine::writeNumber(in.pressureAngle) + "°"});
    table.rows.push_back({"齿根", "", in.root == Root::Flat ? "平齿根" : "圆齿根"});
    table.rows.push_back(
        {"公差等级与配合类别", "",
         std::to_string(in.toleranceClass) + std::string(gbt3478::letterText(in.fit))});
    for (const ResultField field : gbt3478::resultFields(in.kind)) {
        const textio::Quantity& row = gbt3478::resultQuantity(field);
        const auto value = gbt3478::resultValue(r, field);
        const bool limit = field == ResultField::MUpper || field == ResultField::MLower ||
                           field == ResultField::WUpper || field == ResultField::WLower;
        if (limit || ((field == ResultField::E) != (in.kind == SplineKind::Internal) &&
                      (field == ResultField::E || field == ResultField::S))) {
            continue;  // the limits stand beside M and W; the other part's basic width
        }
        const auto [name, symbol] = nameAndSymbol(row.caption);
        std::string text = "—";
        if (value && field == ResultField::M) {
            text = withLimits(*value, r.pins->limits, row.decimals);
        } else if (value && field == ResultField::W) {
            text = withLimits(*value, r.span->limits, row.decimals);
        } else if (value) {
            text = row.decimals == textio::kAsTyped ? engine::writeNumber(*value)
                                                    : engine::formatNumber(*value, row.decimals);
            if (row.unit == "µm") {
                text += " µm";  // the lengths are mm, as everywhere on a drawing
            }
        }
        table.rows.push_back({name, symbol, text});
    }
    table.rows.push_back({"注", "", "括号内为极限（上 / 下），按实际齿厚或齿槽宽的极限精确计算"});
    return table;
}

GbtDrawing gbtProfileDrawing(const gbt3478::SplineResult& r, DrawingFormat format,
                             std::string_view creator, const geometry::DrawingTable& table) {
    const geometry::ToothFormDesign design = gbt3478::drawnToothForm(r);
    if (!design.form) {
        return {{}, design.problem};
    }
    const gbt3478::ToothProfile& profile = r.profile;
    const std::vector<double> circles = {r.D, r.Db, profile.tipDiameter, profile.rootDiameter};
    const std::string title =
        std::string("GB/T 3478.1 ") + (r.input.kind == SplineKind::External ? "外花键" : "内花键") +
        " 齿形：" + gbt3478::printDesignation(gbt3478::designationOf(r.input));
    const geometry::Polyline contour = geometry::flattenContour(*design.form);
    if (format == DrawingFormat::Svg) {
        return {geometry::svgDrawing(contour, circles, title, std::string(creator)), {}};
    }
    return {geometry::dxfDrawing(contour, circles, std::string(creator) + " — " + title, table),
            {}};
}

}  // namespace quillon::document
