#pragma once

#include "quillon/engine/form.h"

namespace quillon::engine {

// The derived geometry as the result fields hold it. k is not a field: see RunState.
struct SplineResult {
    double d = 0;   // reference diameter, mm
    double da = 0;  // tip diameter, mm
    double df = 0;  // root diameter, mm
    double db = 0;  // base diameter, mm
    double ha = 0;  // addendum, mm
    double hf = 0;  // dedendum, mm
    double h = 0;   // whole depth, mm
    double W = 0;   // span measurement over k teeth, mm
    double M = 0;   // measurement over (shaft) or between (hub) pins, mm
    double xm = 0;  // profile shift x*m, mm (lite edition)

    static SplineResult readFrom(const Form& form);
};

}  // namespace quillon::engine
