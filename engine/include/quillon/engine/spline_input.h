#pragma once

#include <optional>

#include "quillon/engine/form.h"
#include "quillon/engine/spline_kind.h"

namespace quillon::engine {

// The known parameters of one spline, each the number its field holds at the moment of reading.
struct SplineInput {
    double z = 0;       // number of teeth; a real number, only the parity test rounds it
    double m = 0;       // normal module, mm
    double alpha = 0;   // normal pressure angle, degrees
    double haStar = 0;  // addendum coefficient
    double beta = 0;    // helix angle, degrees
    double x = 0;       // profile shift coefficient
    double cn = 0;      // clearance coefficient
    double dp = 0;      // measuring-pin diameter, mm
    std::optional<SplineKind> kind;

    static SplineInput readFrom(const Form& form);
};

}  // namespace quillon::engine
