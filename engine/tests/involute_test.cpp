#include "quillon/engine/involute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "quillon/engine/angle_constants.h"
#include "quillon/engine/arithmetic_failure.h"

namespace quillon::engine {
namespace {

TEST(AngleConstants, AreTheTruncatedValuesTheResultsDependOn) {
    EXPECT_EQ(kPi, 3.1415926);
    EXPECT_EQ(kHalfPi, 1.5707963);
    EXPECT_DOUBLE_EQ(kDegToRad, 0.017453292222222222);
}

TEST(Involute, OfThirtyDegrees) {
    EXPECT_NEAR(inv(30), 0.0537514906, 0.5e-10);
}

TEST(Involute, InverseMixesTruncatedAndFullPi) {
    // inv converts with 3.1415926, AInv2 with full-precision pi: the round trip misses 30 by
    // 1.7 parts in 10^8.
    EXPECT_NEAR(AInv2(inv(30)), 29.9999995, 0.5e-7);
}

struct InverseCase {
    double involute;
    double degrees;
    double tolerance;
};

class InverseInvolute : public testing::TestWithParam<InverseCase> {};

TEST_P(InverseInvolute, SettlesOnTheAngle) {
    EXPECT_NEAR(AInv2(GetParam().involute), GetParam().degrees, GetParam().tolerance);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, InverseInvolute,
                         testing::Values(InverseCase{0.1, 36.19142, 0.5e-5},
                                         InverseCase{0.5, 55.86437, 0.5e-5},
                                         InverseCase{0.9, 63.53689, 0.5e-5},
                                         InverseCase{0.0, 0.0, 1e-6},
                                         InverseCase{0.999999, 64.87, 0.01}));

class InverseInvoluteOutsideItsRange : public testing::TestWithParam<double> {};

TEST_P(InverseInvoluteOutsideItsRange, Fails) {
    EXPECT_THROW(AInv2(GetParam()), ArithmeticFailure);
}

INSTANTIATE_TEST_SUITE_P(Values, InverseInvoluteOutsideItsRange,
                         testing::Values(-1e-9, -0.5, 1.0, 1.5, 1e300,
                                         std::numeric_limits<double>::infinity(),
                                         std::numeric_limits<double>::quiet_NaN()));

TEST(InverseInvolute, RoundTripsEveryAngleOfTheUsefulRange) {
    for (double degrees = 1.0; degrees < 64.0; degrees += 0.25) {
        const double v =
            std::tan(degrees * std::atan(1.0) / 45.0) - degrees * std::atan(1.0) / 45.0;
        ASSERT_NEAR(AInv2(v), degrees, 1e-9) << degrees;
    }
}

}  // namespace
}  // namespace quillon::engine
