#include "quillon/geometry/exact_m_limits.h"

#include "quillon/geometry/pin_position.h"
#include "quillon/geometry/tooth_form.h"

namespace quillon::geometry {
namespace {

std::optional<double> measurementAt(const ProfileInput& input, double deviation) {
    const ToothFormDesign design = designToothForm(input, deviation);
    if (!design.form) {
        return std::nullopt;
    }
    return pinMeasurement(*design.form, input.dp);
}

}  // namespace

std::optional<MLimits> exactMLimits(const ProfileInput& input, double nearDeviation,
                                    double farDeviation) {
    if (input.beta != 0) {
        return std::nullopt;
    }
    const auto nearM = measurementAt(input, nearDeviation);
    const auto farM = measurementAt(input, farDeviation);
    if (!nearM || !farM) {
        return std::nullopt;
    }
    return MLimits{*nearM, *farM};
}

}  // namespace quillon::geometry
