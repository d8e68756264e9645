#include "quillon/geometry/tooth_form.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace quillon::engine;

namespace quillon::geometry {
namespace {

constexpr double kPiExact = std::numbers::pi;
constexpr double kDegree = kPiExact / 180;
constexpr int kMostTeeth = 1000;
// DIN 5480's basic rack rounds the root with 0.16 m.
constexpr double kRootFilletPerModule = 0.16;

bool allFinite(const ProfileInput& in) {
    for (double v : {in.z, in.m, in.alpha, in.beta, in.x, in.da, in.df}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

std::string inputProblem(const ProfileInput& in) {
    if (!allFinite(in)) {
        return "参数中有无效数值，无法绘制齿形。";
    }
    if (in.z <= 0 || in.m <= 0) {
        return "齿数和模数必须为正数，无法绘制齿形。";
    }
    if (std::abs(in.z - std::round(in.z)) > 1e-9 || in.z < 2) {
        return "齿数不是大于 1 的整数，齿形无法闭合。";
    }
    if (in.z > kMostTeeth) {
        return "齿数超过 1000，不绘制齿形。";
    }
    if (in.alpha <= 0 || in.alpha >= 90 || in.beta <= -90 || in.beta >= 90) {
        return "压力角或螺旋角超出范围，无法绘制齿形。";
    }
    if (in.da <= 0 || in.df <= 0) {
        return "齿顶圆或齿根圆直径不是正数，无法绘制齿形。";
    }
    const bool external = in.kind == SplineKind::External;
    if (external ? in.da <= in.df : in.da >= in.df) {
        return external ? "齿顶圆不大于齿根圆，没有齿形。" : "齿顶圆不小于齿根圆，没有齿形。";
    }
    return {};
}

// Shaft: the fillet lies in the space beside the tooth, touching the root circle from outside.
std::optional<FilletPlacement> shaftFillet(const ToothForm& f, double radius) {
    const double rb = f.baseRadius;
    FilletPlacement p{radius, 0, f.rootRadius + radius, 0, true};
    const double along = std::sqrt(std::max(0.0, p.centreDistance * p.centreDistance - rb * rb));
    if (along >= radius) {
        const double roll = (along - radius) / rb;
        p.centreAngle = -f.bodyHalfAngle + roll - std::atan(along / rb);
        p.contactRadius = rb * std::hypot(1.0, roll);
    } else {
        p.onInvolute = false;
        p.centreAngle = -f.bodyHalfAngle - std::asin(radius / p.centreDistance);
        p.contactRadius = std::sqrt(p.centreDistance * p.centreDistance - radius * radius);
    }
    if (p.centreAngle < -f.pitchAngle() / 2 || p.contactRadius >= f.tipRadius) {
        return std::nullopt;
    }
    return p;
}

// Hub: the fillet lies in the space (the body), touching the root circle from inside.
std::optional<FilletPlacement> hubFillet(const ToothForm& f, double radius) {
    const double rb = f.baseRadius;
    FilletPlacement p{radius, 0, f.rootRadius - radius, 0, true};
    if (p.centreDistance <= radius) {
        return std::nullopt;
    }
    if (p.centreDistance >= rb) {
        const double along = std::sqrt(p.centreDistance * p.centreDistance - rb * rb);
        const double roll = (along + radius) / rb;
        p.centreAngle = -f.bodyHalfAngle + roll - std::atan(along / rb);
        p.contactRadius = rb * std::hypot(1.0, roll);
    } else {
        p.onInvolute = false;
        p.centreAngle = -f.bodyHalfAngle + std::asin(radius / p.centreDistance);
        p.contactRadius = std::sqrt(p.centreDistance * p.centreDistance - radius * radius);
    }
    if (p.centreAngle > 0 || p.contactRadius <= f.tipRadius) {
        return std::nullopt;
    }
    return p;
}

std::optional<FilletPlacement> placeFillet(const ToothForm& f, double radius) {
    return f.kind == SplineKind::External ? shaftFillet(f, radius) : hubFillet(f, radius);
}

std::string formProblem(const ToothForm& f, const ProfileInput& in, double alphaT) {
    if (std::string problem = shapeProblem(f); !problem.empty()) {
        return problem;
    }
    const bool external = f.kind == SplineKind::External;
    // A rack-type cutter undercuts the shaft when the end of its straight flank reaches below the
    // point where the line of action touches the base circle.
    const double straightFlankDepth =
        f.referenceRadius - f.rootRadius -
        kRootFilletPerModule * in.m * (1 - std::sin(in.alpha * kDegree));
    const double sinAlphaT = std::sin(alphaT);
    if (external && straightFlankDepth > f.referenceRadius * sinAlphaT * sinAlphaT) {
        return "齿数太少或变位系数太小，加工时会产生根切，没有准确齿形。";
    }
    return {};
}

}  // namespace

// The nominal radius where it fits; otherwise the largest that fits (fitting shrinks monotonically
// with the radius: a larger fillet reaches further up the flank and further into the space).
std::optional<FilletPlacement> fitRootFillet(const ToothForm& f, double nominal) {
    if (auto p = placeFillet(f, nominal)) {
        return p;
    }
    double fits = 0;
    double fails = nominal;
    for (int i = 0; i < 60; ++i) {
        const double mid = (fits + fails) / 2;
        (placeFillet(f, mid) ? fits : fails) = mid;
    }
    return fits > 0 ? placeFillet(f, fits) : std::nullopt;
}

std::string shapeProblem(const ToothForm& f) {
    const bool external = f.kind == SplineKind::External;
    if (f.outerRadius() <= f.baseRadius) {
        return external ? "齿顶圆在基圆以内，没有渐开线齿面。"
                        : "齿根圆在基圆以内，没有渐开线齿面。";
    }
    if (f.bodyHalfAngleAt(f.outerRadius()) <= 0) {
        return external ? "齿顶变尖（齿顶圆上的齿厚为零），没有齿形。"
                        : "齿槽在齿根圆以内闭合，相邻两齿重叠，没有齿形。";
    }
    if (f.pitchAngle() / 2 - f.bodyHalfAngleAt(f.innerRadius()) <= 0) {
        return external ? "齿槽在齿根圆以外闭合，相邻两齿重叠，没有齿形。"
                        : "齿顶变尖（齿顶圆上的齿厚为零），没有齿形。";
    }
    return {};
}

double involuteOf(double angle) {
    return std::tan(angle) - angle;
}

std::optional<double> angleOfInvolute(double value) {
    if (!(value >= 0 && value < 1.5)) {
        return std::nullopt;
    }
    // Bracketed Newton: inv is increasing and convex on [0, pi/2).
    double lo = 0;
    double hi = kPiExact / 2;
    double a = std::min(std::cbrt(3 * value), 1.2);
    for (int i = 0; i < 100; ++i) {
        const double f = involuteOf(a) - value;
        (f > 0 ? hi : lo) = a;
        const double t = std::tan(a);
        double next = a - f / (t * t);
        if (!(next > lo && next < hi)) {
            next = (lo + hi) / 2;
        }
        if (std::abs(next - a) < 1e-15) {
            return next;
        }
        a = next;
    }
    return a;
}

double ToothForm::pitchAngle() const {
    return 2 * kPiExact / z;
}
double ToothForm::outerRadius() const {
    return kind == SplineKind::External ? tipRadius : rootRadius;
}
double ToothForm::innerRadius() const {
    return kind == SplineKind::External ? rootRadius : tipRadius;
}
double ToothForm::bodyHalfAngleAt(double radius) const {
    if (radius <= baseRadius) {
        return bodyHalfAngle;
    }
    return bodyHalfAngle - involuteOf(std::acos(baseRadius / radius));
}
double ToothForm::involuteFrom() const {
    if (kind == SplineKind::External) {
        return fillet.onInvolute ? fillet.contactRadius : baseRadius;
    }
    return std::max(tipRadius, baseRadius);
}
double ToothForm::involuteTo() const {
    return kind == SplineKind::External ? tipRadius : fillet.contactRadius;
}

double referenceWidth(const ProfileInput& in) {
    const double kindSign = in.kind == SplineKind::External ? 1.0 : -1.0;
    return (kPiExact / 2 + kindSign * 2 * in.x * std::tan(in.alpha * kDegree)) * in.m /
           std::cos(in.beta * kDegree);
}

ToothFormDesign designToothForm(const ProfileInput& in, double widthChange) {
    if (std::string problem = inputProblem(in); !problem.empty()) {
        return {std::nullopt, problem};
    }
    // The transverse section: module m / cos(beta), pressure angle alphaT.
    const double alpha = in.alpha * kDegree;
    const double cosBeta = std::cos(in.beta * kDegree);
    const double alphaT = std::atan(std::tan(alpha) / cosBeta);

    ToothForm f;
    f.kind = in.kind;
    f.z = static_cast<int>(std::lround(in.z));
    f.referenceRadius = f.z * in.m / cosBeta / 2;
    f.baseRadius = f.referenceRadius * std::cos(alphaT);
    f.tipRadius = in.da / 2;
    f.rootRadius = in.df / 2;
    // Tooth thickness (shaft) or space width (hub) on the reference circle, as an angle, carried
    // down to the base circle: s/d + inv alphaT.
    f.bodyHalfAngle =
        (referenceWidth(in) + widthChange) / (2 * f.referenceRadius) + involuteOf(alphaT);
    if (!std::isfinite(f.bodyHalfAngle)) {
        return {std::nullopt, "参数中有无效数值，无法绘制齿形。"};
    }
    if (std::string problem = formProblem(f, in, alphaT); !problem.empty()) {
        return {std::nullopt, problem};
    }
    const auto fillet = fitRootFillet(f, kRootFilletPerModule * in.m);
    if (!fillet) {
        return {std::nullopt, "齿根圆角无法放入齿槽，没有齿形。"};
    }
    f.fillet = *fillet;
    return {f, {}};
}

}  // namespace quillon::geometry
