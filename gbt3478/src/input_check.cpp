#include "quillon/gbt3478/input_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "quillon/engine/designation.h"
#include "quillon/engine/field_text.h"
#include "rack_coefficients.h"

namespace quillon::gbt3478 {
namespace {

constexpr int kFewestTeeth = 6;
constexpr int kUsualMostTeeth = 100;
constexpr int kLowestClass = 4;
constexpr int kHighestClass = 7;
// The modules of the standard's series, mm.
constexpr std::array<double, 15> kModuleSeries = {0.25, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2,
                                                  2.5,  3,   4,    5, 6,    8,   10};
// Above this reference diameter ISO 286 gives no f, e or d deviation the fit could start from.
constexpr double kLargestDeviationSize = 500;
// ISO 286 gives standard tolerances up to 3150 mm; the major and minor diameters need them.
constexpr double kLargestDiameter = 3000;

std::string number(double value) {
    return engine::writeNumber(value);
}

bool positive(const std::optional<double>& value) {
    return !value || (std::isfinite(*value) && *value > 0);
}

void checkTeethAndModule(const SplineInput& in, InputCheck& check) {
    if (in.z < kFewestTeeth) {
        check.problems.push_back("齿数 z = " + std::to_string(in.z) + " 太少：至少 6 齿");
    } else if (in.z > kUsualMostTeeth) {
        check.warnings.push_back("齿数 z = " + std::to_string(in.z) +
                                 " 超过 100，超出标准花键的常用范围，请核对");
    }
    if (!(std::isfinite(in.module) && in.module > 0)) {
        check.problems.push_back("模数 m 必须是正数");
    } else if (std::find(kModuleSeries.begin(), kModuleSeries.end(), in.module) ==
               kModuleSeries.end()) {
        check.warnings.push_back("模数 m = " + number(in.module) +
                                 " mm 不在标准模数系列（0.25 至 10 mm）中");
    }
    if (!check.refused() && in.module * in.z > kLargestDiameter) {
        check.problems.push_back(
            "分度圆直径 D = m·z = " + engine::shortDecimal(in.module * in.z, 3) +
            " mm 超过 3000 mm：大径和小径没有 ISO 286 标准公差");
    }
}

void checkAngleAndRoot(const SplineInput& in, InputCheck& check) {
    if (!isStandardAngle(in.pressureAngle)) {
        const std::string angle =
            std::isfinite(in.pressureAngle) ? " " + number(in.pressureAngle) + "°" : "";
        check.problems.push_back("压力角 α" + angle + " 不是 30°、37.5° 或 45°");
    } else if (in.root == Root::Flat && !hasFlatRoot(in.pressureAngle)) {
        check.problems.push_back("压力角 α " + number(in.pressureAngle) +
                                 "° 只有圆齿根：不能选平齿根");
    }
}

void checkClassAndFit(const SplineInput& in, InputCheck& check) {
    if (in.toleranceClass < kLowestClass || in.toleranceClass > kHighestClass) {
        check.problems.push_back("公差等级 " + std::to_string(in.toleranceClass) +
                                 " 不在 4 至 7 之间");
    }
    const std::string letter(letterText(in.fit));
    if (!isLetterOf(in.fit, in.kind)) {
        check.problems.push_back(in.kind == SplineKind::Internal
                                     ? "内花键的配合类别只能是 H，不能是 " + letter
                                     : "外花键的配合类别只能是 k、js、h、f、e 或 d，不能是 H");
        return;
    }
    const double D = in.module * in.z;
    const bool deviationFromTable =
        in.fit == FitLetter::f || in.fit == FitLetter::e || in.fit == FitLetter::d;
    if (deviationFromTable && D > kLargestDeviationSize) {
        check.problems.push_back("分度圆直径 D = " + engine::shortDecimal(D, 3) +
                                 " mm 超过 500 mm：没有配合类别 " + letter + " 的基本偏差");
    }
}

}  // namespace

InputCheck checkInput(const SplineInput& in) {
    InputCheck check;
    checkTeethAndModule(in, check);
    checkAngleAndRoot(in, check);
    checkClassAndFit(in, check);
    if (!positive(in.engagementLength)) {
        check.problems.push_back("配合长度 g 必须是正数");
    }
    if (!positive(in.pinDiameter)) {
        check.problems.push_back("量棒直径 dp 必须是正数");
    }
    return check;
}

}  // namespace quillon::gbt3478
