#include "quillon/engine/calculation_run.h"

#include <cmath>
#include <optional>

#include "pin_measurement.h"
#include "profile_shift_range.h"
#include "quillon/engine/angle_constants.h"
#include "quillon/engine/display_decimals.h"
#include "quillon/engine/run_messages.h"
#include "run_context.h"
#include "span_measurement.h"

namespace quillon::engine {
namespace {

constexpr double kMaxHelixAngle = 30.0;
constexpr double kMaxPressureAngle = 60.0;
constexpr double kDefaultPressureAngle = 30.0;
// The result fields in the window's order; x*m only in the edition that shows it.
constexpr Field kResultFields[] = {Field::d,  Field::da, Field::df, Field::db, Field::xm,
                                   Field::ha, Field::hf, Field::h,  Field::W,  Field::M};

template <typename Visit>
void forEachResult(const Edition& edition, Visit visit) {
    for (Field field : kResultFields) {
        if (field != Field::xm || edition.hasProfileShiftAmount) {
            visit(field);
        }
    }
}

// The window's reset, in field order: z, beta, x and the results to 0, alpha to 30.
template <typename Write>
void clearFields(const Edition& edition, Write write) {
    write(Field::z, 0.0);
    write(Field::beta, 0.0);
    write(Field::alpha, kDefaultPressureAngle);
    write(Field::x, 0.0);
    forEachResult(edition, [&](Field field) { write(field, 0.0); });
}

// Each field rewritten with its display pattern; a field whose number is not finite keeps its text.
void formatForDisplay(RunContext& run) {
    const auto reformat = [&](Field field, int decimals) {
        run.step([&] { run.reformat(field, decimals); });
    };
    if (run.edition.formatsInputs) {
        reformat(Field::x, kShiftDecimals);
    }
    forEachResult(run.edition, [&](Field field) {
        if (field != Field::M || !run.edition.formatsPinMeasurementAtOnce) {
            reformat(field, kLengthDecimals);
        }
    });
    if (run.edition.formatsInputs) {
        reformat(Field::dp, kLengthDecimals);
    }
}

void computeGeometry(RunContext& run) {
    // β no longer changes once checked: its cosine is taken once, by the first step that needs it.
    std::optional<double> cosBetaOnce;
    const auto cosBeta = [&] {
        if (!cosBetaOnce) {
            cosBetaOnce = std::cos(run.number(Field::beta) * kDegToRad);
        }
        return *cosBetaOnce;
    };

    run.step([&] { run.write(Field::d, run.number(Field::z) * run.number(Field::m) / cosBeta()); });
    run.step([&] {
        const double m = run.number(Field::m);
        const double z = run.number(Field::z);
        const double x = run.number(Field::x);
        const double haStar = run.number(Field::haStar);
        const double da = run.kind == SplineKind::External
                              ? (m * z + 2 * x * m + 2 * haStar * m) / cosBeta()
                              : (m * z - 2 * x * m - 2 * haStar * m) / cosBeta();
        run.write(Field::da, da);
    });
    run.step([&] {
        const double m = run.number(Field::m);
        const double z = run.number(Field::z);
        const double x = run.number(Field::x);
        const double depthBelow = 2 * (run.number(Field::cn) + run.number(Field::haStar)) * m;
        const double df = run.kind == SplineKind::External
                              ? (m * z + 2 * x * m) / cosBeta() - depthBelow / cosBeta()
                              : (m * z - 2 * x * m) / cosBeta() + depthBelow / cosBeta();
        run.write(Field::df, df);
    });

    // Transverse pressure angle. It comes before the base diameter: the base circle of a helical
    // involute is d * cos(αt).
    run.alphaTDetermined = run.step([&] {
        const double a = run.number(Field::alpha) * kDegToRad;
        run.state.alphaT = finiteOrFail(std::atan(std::tan(a) / cosBeta()) / kDegToRad);
    });
    run.step([&] {
        const double alphaT = run.state.alphaT.value_or(0.0);
        run.write(Field::db, run.number(Field::d) * std::cos(alphaT * kDegToRad));
    });
    run.step([&] {
        run.write(Field::ha, run.number(Field::haStar) * run.number(Field::m) / cosBeta());
    });
    run.step([&] {
        const double hf =
            (run.number(Field::haStar) + run.number(Field::cn)) * run.number(Field::m) / cosBeta();
        run.write(Field::hf, hf);
    });
    run.step([&] { run.write(Field::h, run.number(Field::ha) + run.number(Field::hf)); });
}

// One kind's sequence: checks, geometry, measurements, display formats, hand-off.
void runSequence(RunContext& run, const std::function<void()>& handOff) {
    const Edition& edition = run.edition;
    const auto handOffIfAny = [&] {
        if (edition.handsOffToDeviation && handOff) {
            handOff();
        }
    };

    if (!(run.reading(Field::z) > edition.toothMinimum)) {
        run.form.showMessage(run_messages::kToothCountTooSmall);
        // Every result but M goes back to 0; x*m comes last.
        run.write(Field::beta, 0.0);
        run.write(Field::x, 0.0);
        forEachResult(edition, [&](Field field) {
            if (field != Field::xm && field != Field::M) {
                run.write(field, 0.0);
            }
        });
        if (edition.hasProfileShiftAmount) {
            run.write(Field::xm, 0.0);
        }
        handOffIfAny();
        return;
    }

    if (edition.hasProfileShiftAmount) {
        run.step([&] { run.write(Field::xm, run.number(Field::x) * run.number(Field::m)); });
    }

    const double beta = run.reading(Field::beta);
    if (beta > kMaxHelixAngle || beta < 0) {
        run.form.showMessage(run_messages::kHelixAngleInvalid);
        run.write(Field::beta, 0.0);
    }

    const double alpha = run.reading(Field::alpha);
    if (alpha > kMaxPressureAngle || alpha <= 0) {
        run.form.showMessage(run.kind == SplineKind::External
                                 ? run_messages::kPressureAngleInvalidShaft
                                 : run_messages::kPressureAngleInvalidHub);
        run.write(Field::alpha, kDefaultPressureAngle);
    }

    if (!profileShiftAccepted(run.reading(Field::x), run.kind, edition.profileShiftBound)) {
        run.form.showMessage(run_messages::kProfileShiftOutsideDin5480);
        clearFields(edition, [&](Field field, double value) { run.write(field, value); });
        formatForDisplay(run);
        handOffIfAny();
        return;
    }

    computeGeometry(run);
    measureSpan(run);
    measurePins(run);
    formatForDisplay(run);
    handOffIfAny();
}

}  // namespace

void calculate(Form& form, RunState& state, const Edition& edition,
               const std::function<void()>& handOff) {
    const std::optional<SplineKind> kind = form.selectedKind();
    if (!kind) {
        return;
    }
    RunContext run(form, state, edition, *kind);
    runSequence(run, handOff);
}

void clear(Form& form, const Edition& edition) {
    clearFields(edition,
                [&](Field field, double value) { form.setText(field, writeNumber(value)); });
}

}  // namespace quillon::engine
