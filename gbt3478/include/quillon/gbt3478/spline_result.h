#pragma once

#include <optional>

#include "quillon/gbt3478/spline_input.h"
#include "quillon/gbt3478/tooth_profile.h"

namespace quillon::gbt3478 {

// The four limits of the space width E (hub) or tooth thickness S (shaft) on the reference
// circle, mm. Effective: as the mating part feels it (Ev, Sv); actual: as one space or tooth
// measures (E, S).
struct WidthLimits {
    double effectiveMin = 0;
    double effectiveMax = 0;
    double actualMin = 0;
    double actualMax = 0;
};

// A diameter's limits, mm, and the ISO 286 tolerance that sets one from the other where the
// diameter has one (itGrade 10, 11 or 12, itTolerance in µm); both 0 where both limits follow
// from the spline's own formulas.
struct DiameterLimits {
    double max = 0;
    double min = 0;
    int itGrade = 0;
    double itTolerance = 0;
};

// Hub: major Dei, minor Dii, form DFi min. Shaft: major Dee, minor Die, form DFe max.
struct Diameters {
    DiameterLimits major;
    DiameterLimits minor;
    double form = 0;
};

struct MeasurementLimits {
    double upper = 0;
    double lower = 0;
};

// M over two pins (shaft) or between them (hub) at the basic width, and its limits at the actual
// limits of the width.
struct PinMeasurement {
    double dp = 0;
    bool proposed = false;  // dp was proposed, not given
    double M = 0;
    MeasurementLimits limits;
};

// W over k teeth of a shaft at the basic thickness, and its limits at the actual limits.
struct SpanMeasurement {
    int k = 0;
    double W = 0;
    MeasurementLimits limits;
};

// All lengths in mm, tolerances and deviations in µm.
struct SplineResult {
    SplineInput input;
    double D = 0;                     // reference diameter m·z
    double Db = 0;                    // base diameter D·cos α
    double p = 0;                     // circular pitch π·m
    double basicWidth = 0;            // E = S = π·m/2
    double engagementLength = 0;      // g as calculated with
    double totalTolerance = 0;        // T + λ, µm
    double effectiveVariation = 0;    // λ, µm
    double fundamentalDeviation = 0;  // esv of a shaft, µm; 0 for a hub
    WidthLimits widths;
    Diameters diameters;
    std::optional<PinMeasurement> pins;   // none when no pin rests on the flanks
    std::optional<SpanMeasurement> span;  // shafts only
    ToothProfile profile;
};

}  // namespace quillon::gbt3478
