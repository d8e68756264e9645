#pragma once

#include <optional>
#include <string>

#include "quillon/document/connection.h"

namespace quillon::document {

// What the shop measured on a part: the span W over k teeth (shafts only: there are no anvils for
// the inside of a hub) or the pin measurement M (either kind).
enum class MeasuredQuantity { W, M };

// The actual tooth thickness (shaft) or space width (hub) on the reference circle that the
// measurement implies.
struct MeasuredSize {
    double actual = 0;                // mm
    double deviationMicrometres = 0;  // from nominal
    double lowest = 0;                // the part's actual limits, mm
    double highest = 0;
    // The measured value lies between the printed limits of its measurement (the report's for W,
    // those through the involute for M), both included: what the part is checked against.
    bool within = false;
};

struct MeasuredSizeResult {
    std::optional<MeasuredSize> size;
    std::string refusal;  // in the user's words
};

// M is inverted through the involute, the same computation as the exact M limits, so a value equal
// to a printed limit reads back as that limit's size (to the limit's print rounding, well within
// 1 µm); W through the span's exact growth with the width, anchored at the calculated W.
MeasuredSizeResult measuredSize(const PartSizes& part, MeasuredQuantity quantity, double value);

}  // namespace quillon::document
