#include "tolerances.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "iso286_tables.h"

namespace quillon::gbt3478 {
namespace {

constexpr int kFirstClass = 4;

// T + λ = a·i* + b·i** for classes 4 to 7.
struct TotalCoefficients {
    double onD;
    double onE;
};
constexpr std::array<TotalCoefficients, 4> kTotal = {{{10, 40}, {16, 64}, {25, 100}, {40, 160}}};

// One deviation a·(argument) + b, (a, b) for classes 4 to 7.
struct Linear {
    double a;
    double b;
};
constexpr std::array<Linear, 4> kPitch = {{{2.5, 6.3}, {3.55, 9}, {5, 12.5}, {7.1, 18}}};
constexpr std::array<Linear, 4> kProfile = {{{1.6, 10}, {2.5, 16}, {4, 25}, {6.3, 40}}};
constexpr std::array<Linear, 4> kHelix = {{{0.8, 4}, {1, 5}, {1.25, 6.3}, {2, 10}}};

// Above this reference diameter the tolerance unit of D grows linearly.
constexpr double kLinearUnitFrom = 500;

std::size_t row(int toleranceClass) {
    return static_cast<std::size_t>(toleranceClass - kFirstClass);
}

// The tolerance units, µm, of a length in mm.
double unitOfD(double D) {
    return D <= kLinearUnitFrom ? 0.45 * std::cbrt(D) + 0.001 * D : 0.004 * D + 2.1;
}
double unitOfE(double E) {
    return 0.45 * std::cbrt(E) + 0.001 * E;
}

}  // namespace

double totalTolerance(int toleranceClass, double D, double E) {
    const TotalCoefficients& c = kTotal.at(row(toleranceClass));
    return c.onD * unitOfD(D) + c.onE * unitOfE(E);
}

double effectiveVariation(int toleranceClass, double m, int z, double g) {
    const std::size_t r = row(toleranceClass);
    // Fp over half the circumference, fα over the profile's form factor m + 0.0125·m·z.
    const double halfCircumference = std::numbers::pi * m * z / 2;
    const double pitch = kPitch.at(r).a * std::sqrt(halfCircumference) + kPitch.at(r).b;
    const double profile = kProfile.at(r).a * (m + 0.0125 * m * z) + kProfile.at(r).b;
    const double helix = kHelix.at(r).a * std::sqrt(g) + kHelix.at(r).b;
    return 0.6 * std::sqrt(pitch * pitch + profile * profile + helix * helix);
}

std::optional<double> fundamentalDeviation(FitLetter letter, double D, double totalTolerance) {
    switch (letter) {
        case FitLetter::H:
        case FitLetter::h:
            return 0.0;
        case FitLetter::js:
            return std::round(totalTolerance / 2);
        case FitLetter::k:
            return totalTolerance;
        default:
            return shaftUpperDeviation(letter, D);
    }
}

}  // namespace quillon::gbt3478
