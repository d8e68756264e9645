#pragma once

namespace quillon::engine {

// The rule differences of the two programs, as data, so that one calculation run serves both.
struct Edition {
    double toothMinimum;               // z must exceed it
    double profileShiftBound;          // x up to +bound (shaft) or down to -bound (hub)
    bool hasProfileShiftAmount;        // the x*m field exists and is written before the checks
    bool formatsInputs;                // x as "0.00000" and dp as "0.000" at the end of a run
    bool formatsPinMeasurementAtOnce;  // M as "0.000" as soon as it is computed
    bool handsOffToDeviation;          // the deviation calculation follows every run
    bool formatsProposedPinDiameter;   // "0.000" after a module pick or kind click

    // The edition with tolerances: a grade and series, the tolerance database, the limits of W and
    // M, and the 24-line report. The edition without them prints its report instead.
    constexpr bool hasTolerances() const { return handsOffToDeviation; }

    // quillon: tolerances, z > 2, -0.07 <= x <= 0.77 for shafts.
    static constexpr Edition tolerance() { return {2.0, 0.77, false, true, false, true, true}; }
    // quillon-lite: no tolerances, z > 3, -0.07 <= x <= 0.47 for shafts, shows x*m.
    static constexpr Edition lite() { return {3.0, 0.47, true, false, true, false, false}; }
};

}  // namespace quillon::engine
