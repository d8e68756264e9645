#include "rack_coefficients.h"

namespace quillon::gbt3478 {
namespace {

constexpr RackCoefficients kFlat30{1.5, 1.0, 0.6, 0.2};
constexpr RackCoefficients kFillet30{1.8, 1.0, 0.6, 0.4};
constexpr RackCoefficients k37_5{1.4, 0.9, 0.55, 0.3};
constexpr RackCoefficients k45{1.2, 0.8, 0.5, 0.25};

}  // namespace

bool isStandardAngle(double pressureAngle) {
    return pressureAngle == 30 || pressureAngle == 37.5 || pressureAngle == 45;
}

bool hasFlatRoot(double pressureAngle) {
    return pressureAngle == 30;
}

std::optional<RackCoefficients> rackOf(double pressureAngle, Root root) {
    if (pressureAngle == 30) {
        return root == Root::Flat ? kFlat30 : kFillet30;
    }
    if (root == Root::Flat) {
        return std::nullopt;
    }
    if (pressureAngle == 37.5) {
        return k37_5;
    }
    if (pressureAngle == 45) {
        return k45;
    }
    return std::nullopt;
}

}  // namespace quillon::gbt3478
