#include "quillon/geometry/measurement_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "quillon/geometry/pin_position.h"
#include "quillon/geometry/spline_contour.h"

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

constexpr double kContactSlack = 0.0005;  // mm: closer than this counts as touching

std::string millimetres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The contour around the space the pin lies in: the pitches before and after it too.
std::vector<ContourSegment> contourNearTop(const ToothForm& f) {
    std::vector<ContourSegment> near;
    for (int j = -1; j <= 1; ++j) {
        for (const ContourSegment& s : pitchContour(f)) {
            near.push_back(rotated(s, j * f.pitchAngle()));
        }
    }
    return near;
}

// How deep a pin centred at `centre` reaches into anything but the flanks.
double depthBeyondFlanks(const std::vector<ContourSegment>& near, Point centre, double dp) {
    double depth = 0;
    for (const ContourSegment& s : near) {
        if (s.role != SegmentRole::Flank) {
            depth = std::max(depth, dp / 2 - distanceTo(s, centre));
        }
    }
    return depth;
}

void checkPins(const ToothForm& f, const ProfileInput& in, std::vector<std::string>& warnings) {
    const bool shaft = f.kind == SplineKind::External;
    if (!pinOnFlanks(f, in.dp)) {
        const bool tooSmall = in.dp < midFlankPinDiameter(f).value_or(0);
        warnings.push_back(tooSmall ? "量棒太小，够不着两侧齿面：请换用较大的量棒。"
                                    : "量棒太大，放不进齿槽：请换用较小的量棒。");
        return;
    }
    // Where the window's M puts the pin; a pin that cannot lie there rests where the involute
    // puts it.
    const auto pin = pinOfMeasurement(f, in.dp, in.M).value_or(*pinOnFlanks(f, in.dp));
    const double spaceMiddle = std::numbers::pi / 2 + (shaft ? f.pitchAngle() / 2 : 0.0);
    const Point centre = pin.centreRadius * direction(spaceMiddle);
    // How far the pin reaches past the root circle in the middle of the space, or into the fillets.
    const double pastRoot = shaft ? f.rootRadius - (pin.centreRadius - in.dp / 2)
                                  : pin.centreRadius + in.dp / 2 - f.rootRadius;
    const double depth = std::max(pastRoot, depthBeyondFlanks(contourNearTop(f), centre, in.dp));
    const bool contactAbove = pin.contactRadius > f.involuteTo() + kContactSlack;
    const bool contactBelow = pin.contactRadius < f.involuteFrom() - kContactSlack;
    if (depth > kContactSlack) {
        warnings.push_back("按 M 放置的量棒嵌入" + std::string(shaft ? "外花键" : "内花键") +
                           "齿根 " + millimetres(depth) +
                           " mm，实际不能同时接触两侧齿面：请换用其他直径的量棒。");
    } else if (shaft ? contactAbove : contactBelow) {
        warnings.push_back(
            "量棒与齿面的接触点超出齿顶，量棒实际搁在齿顶棱边上：请换用其他直径的量棒。");
    } else if (shaft ? contactBelow : contactAbove) {
        warnings.push_back("量棒与齿面的接触点落在齿根过渡部分，而不是渐开线齿面上。");
    }
    const double pinReach = shaft ? pin.centreRadius + in.dp / 2 : pin.centreRadius - in.dp / 2;
    if (shaft ? pinReach <= f.tipRadius : pinReach >= f.tipRadius) {
        warnings.push_back(shaft ? "量棒没有高出齿顶圆，跨棒测量时会碰到齿顶：请换用较大的量棒。"
                                 : "量棒没有伸出齿顶圆，棒间测量时会碰到齿顶：请换用较大的量棒。");
    }
}

void checkAnvils(const ToothForm& f, const ProfileInput& in, std::vector<std::string>& warnings) {
    if (!(in.W > 0) || !std::isfinite(in.W)) {
        return;
    }
    // The anvils touch where the common normal, tangent to the base circle, meets the flanks.
    const double contact = std::hypot(f.baseRadius, in.W / 2);
    const bool shaft = f.kind == SplineKind::External;
    const bool above = contact > f.involuteTo() + kContactSlack;
    const bool below = contact < f.involuteFrom() - kContactSlack;
    if (shaft ? above : below) {
        warnings.push_back("公法线量砧落在齿顶棱边上，而不是齿面上：跨测齿数 k 不适合此齿形。");
    } else if (shaft ? below : above) {
        warnings.push_back(
            "公法线量砧落在齿根过渡部分，而不是渐开线齿面上：跨测齿数 k 不适合此齿形。");
    }
}

}  // namespace

MeasurementCheck checkMeasurements(const ToothForm& form, const ProfileInput& input) {
    MeasurementCheck check;
    if (input.beta != 0) {
        return check;
    }
    checkPins(form, input, check.warnings);
    const std::size_t pinWarnings = check.warnings.size();
    check.pinsFail = pinWarnings > 0;
    checkAnvils(form, input, check.warnings);
    check.anvilsFail = check.warnings.size() > pinWarnings;
    check.midFlankPinDiameter = midFlankPinDiameter(form);
    return check;
}

}  // namespace quillon::geometry
