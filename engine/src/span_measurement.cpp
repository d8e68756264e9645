#include "span_measurement.h"

#include <cmath>
#include <utility>

#include "quillon/engine/angle_constants.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/involute.h"
#include "quillon/engine/span_formula.h"

namespace quillon::engine {

void measureSpan(RunContext& run) {
    // Virtual number of teeth: the helical spline replaced by a spur spline whose involute matches
    // in the normal section.
    run.zVirtualDetermined = run.step([&] {
        const double z = run.number(Field::z);
        const double alpha = run.number(Field::alpha);
        const double alphaT = run.state.alphaT.value_or(0.0);
        run.state.zVirtual = finiteOrFail(z * inv(alphaT) / inv(alpha));
    });

    // Teeth spanned: the measuring faces touch the flanks near the reference circle. The raw count
    // is rounded to two places first (ties to even), then to a whole number (halves up), so every
    // raw count from n + 0.495 on spans n + 1 teeth.
    double k = 0.0;
    run.kDetermined = run.step([&] {
        const double zVirtual = run.state.zVirtual.value_or(0.0);
        const double alpha = run.number(Field::alpha);
        const double x = run.number(Field::x);
        const double shiftTerm = 2.0 * x / (kPi * std::tan(alpha * kDegToRad));
        double raw = zVirtual * alpha / 180.0 + 0.5;
        raw = run.kind == SplineKind::External ? raw + shiftTerm : raw - shiftTerm;
        NumberText count = teethSpanned(finiteOrFail(raw));
        k = count.number.value();
        run.state.k = std::move(count.text);
    });

    // A span measured with an earlier spline's k would be a wrong number that looks right.
    if (!run.zVirtualDetermined || !run.kDetermined) {
        run.write(Field::W, 0.0);
        return;
    }
    const bool measured = run.step([&] {
        const double m = run.number(Field::m);
        const double alpha = run.number(Field::alpha);
        const double x = run.number(Field::x);
        const double zVirtual = run.state.zVirtual.value_or(0.0);
        const double shiftTerm = 2.0 * x * std::tan(alpha * kDegToRad);
        const double widthTerm = run.kind == SplineKind::External ? shiftTerm : -shiftTerm;
        run.writeFormatted(Field::W, spanOverTeeth(m, alpha, k, zVirtual, widthTerm),
                           kLengthDecimals);
    });
    if (!measured) {
        run.write(Field::W, 0.0);
    }
}

}  // namespace quillon::engine
