#include "size_limits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "iso286_tables.h"

namespace quillon::gbt3478 {
namespace {

constexpr double kMicrometre = 0.001;  // mm
// The form clearance cF = 0.1·m between the mating part's tip and the form circle.
constexpr double kFormClearancePerModule = 0.1;

// The ISO 286 grade of the major and minor diameter tolerance: finer for small modules.
int diameterGrade(double m) {
    if (m <= 0.75) {
        return 10;
    }
    return m < 2 ? 11 : 12;
}

// The limit `from` and the one an IT tolerance of its own size away (`sign` −1 below, +1 above).
std::optional<DiameterLimits> withStandardTolerance(double from, double sign, double m) {
    const int grade = diameterGrade(m);
    const auto it = standardTolerance(grade, from);
    if (!it) {
        return std::nullopt;
    }
    const double other = from + sign * *it * kMicrometre;
    return DiameterLimits{std::max(from, other), std::min(from, other), grade, *it};
}

// DFe max: where the shaft's involute begins, the end of the rack's straight flank hs below the
// reference line, moved out by the fundamental deviation (a thicker tooth is cut with the rack
// further out).
double shaftFormDiameter(double D, double Db, double alpha, double flankDepth, double esvMm) {
    const double depth = (flankDepth - esvMm / (2 * std::tan(alpha))) / std::sin(alpha);
    const double alongAction = D / 2 * std::sin(alpha) - depth;
    return 2 * std::sqrt(Db / 2 * (Db / 2) + alongAction * alongAction);
}

}  // namespace

WidthLimits widthLimits(SplineKind kind, double E, double totalTolerance, double lambda,
                        double esv) {
    WidthLimits w;
    const double whole = totalTolerance * kMicrometre;
    const double variation = lambda * kMicrometre;
    if (kind == SplineKind::Internal) {
        w.effectiveMin = E;
        w.actualMax = w.effectiveMin + whole;
        w.actualMin = w.effectiveMin + variation;
        w.effectiveMax = w.actualMax - variation;
    } else {
        w.effectiveMax = E + esv * kMicrometre;
        w.actualMin = w.effectiveMax - whole;
        w.actualMax = w.effectiveMax - variation;
        w.effectiveMin = w.actualMin + variation;
    }
    return w;
}

std::optional<Diameters> diametersOf(const SplineInput& in, const RackCoefficients& rack, double D,
                                     double Db, double esv, double totalToleranceOfClass7) {
    const double m = in.module;
    const double z = in.z;
    const double alpha = in.pressureAngle * std::numbers::pi / 180;
    const double tanAlpha = std::tan(alpha);
    const double cutterSpread = totalToleranceOfClass7 * kMicrometre / tanAlpha;
    const double esvMm = esv * kMicrometre;
    const double formClearance = kFormClearancePerModule * m;
    Diameters d;
    if (in.kind == SplineKind::Internal) {
        const double majorMin = m * (z + rack.deep);
        d.major = {majorMin + cutterSpread, majorMin, 0, 0};
        // The hub's minor diameter clears the form circle of the h shaft by cF.
        const double minorMin =
            shaftFormDiameter(D, Db, alpha, rack.flankDepth * m, 0) + 2 * formClearance;
        const auto minor = withStandardTolerance(minorMin, +1, m);
        if (!minor) {
            return std::nullopt;
        }
        d.minor = *minor;
        d.form = m * (z + rack.shallow) + 2 * formClearance;
        return d;
    }
    // js and k thicken the tooth by esv but keep the shaft's major diameter at its h size.
    const bool aboveBasic = in.fit == FitLetter::js || in.fit == FitLetter::k;
    const double majorMax = m * (z + rack.shallow) + (aboveBasic ? 0.0 : esvMm) / tanAlpha;
    const auto major = withStandardTolerance(majorMax, -1, m);
    if (!major) {
        return std::nullopt;
    }
    d.major = *major;
    const double minorMax = m * (z - rack.deep) + esvMm / tanAlpha;
    d.minor = {minorMax, minorMax - cutterSpread, 0, 0};
    d.form = shaftFormDiameter(D, Db, alpha, rack.flankDepth * m, esvMm);
    return d;
}

}  // namespace quillon::gbt3478
