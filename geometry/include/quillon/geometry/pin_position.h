#pragma once

#include <optional>

#include "quillon/geometry/tooth_form.h"

namespace quillon::geometry {

// A measuring pin of diameter dp resting on both flanks of a space, by the involute: the radius of
// its centre and the radius where it touches the flank.
struct PinPosition {
    double centreRadius = 0;
    double contactRadius = 0;  // negative when the contact would lie below the base circle
};

// The pin resting on both flanks; none when no such position exists.
std::optional<PinPosition> pinOnFlanks(const ToothForm& form, double dp);

// The pin centre of the window's M (over pins of a shaft, between pins of a hub), and where that
// pin touches the flanks.
std::optional<PinPosition> pinOfMeasurement(const ToothForm& form, double dp, double M);

// M for a pin resting on both flanks: over the pins (shaft) or between them (hub); with an odd
// number of teeth the pins lie in the spaces nearest to opposite.
std::optional<double> pinMeasurement(const ToothForm& form, double dp);

// The inverse of pinMeasurement: the body's half-angle at the base circle (ToothForm's
// bodyHalfAngle) of the spline on which a pin of diameter dp gives M; none when the pin centre
// would lie inside the base circle. Only the kind, z and base radius of the form are used.
std::optional<double> bodyHalfAngleOfMeasurement(const ToothForm& form, double dp, double M);

// The pin diameter that touches the flanks half way up their involute part.
std::optional<double> midFlankPinDiameter(const ToothForm& form);

// The pin diameter that touches the flanks at `radius` (at or above the base circle); none when
// no pin does.
std::optional<double> pinDiameterTouchingAt(const ToothForm& form, double radius);

}  // namespace quillon::geometry
