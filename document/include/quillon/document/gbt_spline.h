#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "quillon/document/profile_drawing.h"
#include "quillon/gbt3478/calculation.h"
#include "quillon/gbt3478/gbt_quantities.h"
#include "quillon/gbt3478/pair.h"
#include "quillon/geometry/drawing_table.h"

namespace quillon::document {

// A text that does not read, or reads outside its row: the input and a sentence naming it by its
// caption and the text ("压力角 α 的值“20”不是 30、37.5 或 45。").
struct GbtInputProblem {
    gbt3478::InputField field;
    std::string message;
};

// One run of a GB/T 3478.1 spline: nothing when an input is refused, otherwise the one part, or
// both parts of a pair and their clearances.
struct GbtRun {
    std::optional<GbtInputProblem> inputProblem;
    std::optional<gbt3478::Calculation> single;
    std::optional<gbt3478::PairCalculation> pair;
    std::string designation;  // as printed ("INT 24z×2.5m×30R×5H GB/T 3478.1"); empty when none

    // The parts calculated, the hub first: one, or two for a pair (refused parts included).
    std::vector<const gbt3478::Calculation*> parts() const;
    // Why the calculation refused the spline (a pair's part prefixed 内花键/外花键).
    std::vector<std::string> problems() const;
    // Calculated, and nothing refused.
    bool ok() const;
};

// One GB/T 3478.1 spline as every door holds it: its inputs as typed, by the rows of
// gbt_quantities.h, read and checked alike for the page, the command line and a batch. An empty
// text is an input not given: its row's start value holds, and the library's rules fill in the
// rest (g = D/2, a proposed pin). The root not given is flat at 30° and a fillet at 37.5° and
// 45°; the fit not given is H for a hub and h for a shaft. A fit text naming a pair ("5H/6e")
// calculates the hub and the shaft of one size and their clearances; the kind and class texts
// are then not read, and g and dp hold for both parts.
class GbtSpline {
  public:
    const std::string& text(gbt3478::InputField field) const;
    void setText(gbt3478::InputField field, std::string text);

    // Writes a designation ("INT 24z×2.5m×30R×5H GB/T 3478.1", a pair "INT/EXT ...×5H/5h ...")
    // into the texts of kind, z, m, α, root, class and fit; g and dp stay. The reason it does not
    // read, in the user's words, and the texts unchanged.
    std::optional<std::string> applyDesignation(std::string_view designation);

    GbtRun calculate() const;

  private:
    std::string texts_[std::size(gbt3478::kInputFields)];
};

// Is the text meant as a GB/T 3478.1 designation: one that reads as one, names the standard
// ("GB/T 3478", "ISO 4156") or starts with INT or EXT?
bool isGbtDesignation(std::string_view text);

// The drawing's data table of one calculated part (名称, 代号, 数值): the designation, the
// inputs, the results in their rows' order and decimals, M and W with their limits.
geometry::DrawingTable gbtDrawingData(const gbt3478::SplineResult& result,
                                      const std::string& designation);

// The part's tooth profile with its flat or fillet root and the circles D, Db, tip and root, as
// DXF (with `table` on layer DATA) or SVG, drawn at the middle of the width's actual limits; or
// why no tooth form can be drawn.
struct GbtDrawing {
    std::string text;
    std::string problem;  // empty when drawn
};
GbtDrawing gbtProfileDrawing(const gbt3478::SplineResult& result, DrawingFormat format,
                             std::string_view creator, const geometry::DrawingTable& table = {});

}  // namespace quillon::document
