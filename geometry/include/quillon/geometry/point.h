#pragma once

#include <cmath>

namespace quillon::geometry {

// A point or vector of the transverse plane, millimetres, origin at the spline's centre.
struct Point {
    double x = 0;
    double y = 0;

    friend Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
    friend Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
    friend Point operator*(double s, Point a) { return {s * a.x, s * a.y}; }
    friend bool operator==(Point a, Point b) = default;
};

inline double dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
inline double cross(Point a, Point b) {
    return a.x * b.y - a.y * b.x;
}
inline double length(Point a) {
    return std::hypot(a.x, a.y);
}
inline double angleOf(Point a) {
    return std::atan2(a.y, a.x);
}
// The unit vector at `angle` (radians, counter-clockwise from +X) and its left normal.
inline Point direction(double angle) {
    return {std::cos(angle), std::sin(angle)};
}
inline Point leftNormal(double angle) {
    return {-std::sin(angle), std::cos(angle)};
}
inline Point rotated(Point p, double angle) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {c * p.x - s * p.y, s * p.x + c * p.y};
}

}  // namespace quillon::geometry
