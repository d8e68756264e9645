#pragma once

#include "quillon/engine/field_text.h"

namespace quillon::engine {

// The number of teeth a span measurement covers, from the raw count at which the anvils touch
// the flanks near the reference circle: rounded to two places first (ties to even), then to a
// whole number (halves up), so every raw count from n + 0.495 on spans n + 1 teeth. The raw count
// must be finite.
NumberText teethSpanned(double rawCount);

// The span W over k teeth of a straight spline (or the virtual spur spline of z' teeth in the
// normal section): m·cos α·((k − 0.5)·π + z'·inv α + widthTerm). widthTerm is how far the tooth
// thickness (shaft) or space width (hub) on the reference circle exceeds π·m/2, in modules
// (2·x·tan α for a profile shift x). α in degrees, converted as the engine converts it.
double spanOverTeeth(double m, double alphaDegrees, double k, double zVirtual, double widthTerm);

// The inverse: the widthTerm for which spanOverTeeth gives W.
double widthTermOfSpan(double m, double alphaDegrees, double k, double zVirtual, double W);

}  // namespace quillon::engine
