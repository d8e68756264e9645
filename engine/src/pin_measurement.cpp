#include "pin_measurement.h"

#include <cmath>

#include "quillon/engine/angle_constants.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/involute.h"

namespace quillon::engine {

void measurePins(RunContext& run) {
    run.step([&] { run.state.invAlphaT = finiteOrFail(inv(run.state.alphaT.value_or(0.0))); });

    // Involute of the pressure angle at the pin centre: the pin's half-width along the base circle
    // added to (shaft) or taken from (hub) the tooth space at the transverse pressure angle.
    double invM = 0.0;
    run.invMDetermined = run.step([&] {
        const double z = run.number(Field::z);
        const double m = run.number(Field::m);
        const double a = run.number(Field::alpha) * kDegToRad;
        const double x = run.number(Field::x);
        const double dp = run.number(Field::dp);
        const double invAlphaT = run.state.invAlphaT.value_or(0.0);
        const double pinTerm = dp / (m * z * std::cos(a));
        const double shiftTerm = 2.0 * x * std::tan(a) / z;
        const double value = run.kind == SplineKind::External
                                 ? pinTerm + invAlphaT - kHalfPi / z + shiftTerm
                                 : invAlphaT - pinTerm + kHalfPi / z - shiftTerm;
        invM = finiteOrFail(value);
    });

    run.alphaMDetermined = run.step([&] { run.state.alphaM = AInv2(invM); });

    const auto writeM = [&](double value) {
        if (run.edition.formatsPinMeasurementAtOnce) {
            run.writeFormatted(Field::M, value, kLengthDecimals);
        } else {
            run.write(Field::M, value);
        }
    };
    // No pin position could be found for this spline (m = 0, a pin that misses the flanks): an
    // earlier spline's angle must not turn into a plausible-looking M.
    if (!run.invMDetermined || !run.alphaMDetermined) {
        writeM(0.0);
        return;
    }
    const bool measured = run.step([&] {
        const double z = run.number(Field::z);
        const double d = run.number(Field::d);
        const double dp = run.number(Field::dp);
        const double cosAlphaT = std::cos(run.state.alphaT.value_or(0.0) * kDegToRad);
        const double cosAlphaM = std::cos(run.state.alphaM.value_or(0.0) * kDegToRad);
        // With an odd tooth count the pins are not diametrically opposite: the chord between
        // their centres is shortened by cos(90°/z).
        const bool odd = std::fmod(std::nearbyint(z), 2.0) != 0.0;
        const double centres = odd ? d * cosAlphaT * std::cos(90.0 / z * kDegToRad) / cosAlphaM
                                   : d * cosAlphaT / cosAlphaM;
        writeM(centres + run.sign() * dp);
    });
    if (!measured) {
        writeM(0.0);
    }
}

}  // namespace quillon::engine
