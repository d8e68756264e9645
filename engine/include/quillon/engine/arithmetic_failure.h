#pragma once

#include <cmath>
#include <stdexcept>

namespace quillon::engine {

// A step of a calculation whose arithmetic failed (division by zero, overflow, an invalid
// operation). Such a step writes nothing and the run goes on with its next step; the user is not
// told. Thrown by `finiteOrFail` and `AInv2`, caught by the step wrapper of the run.
class ArithmeticFailure final : public std::runtime_error {
  public:
    ArithmeticFailure() : std::runtime_error("arithmetic failure") {}
};

// Returns `value` when it is a finite number, otherwise fails the step. Floating point never traps
// here, so every result is checked before it is stored.
inline double finiteOrFail(double value) {
    if (!std::isfinite(value)) {
        throw ArithmeticFailure();
    }
    return value;
}

}  // namespace quillon::engine
