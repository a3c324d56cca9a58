#include "span_solver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gear_geometry.h"

namespace marvolen {
namespace {

const MeasurementSet kWorkedExample{20, 30, 1, 20, 3, 5, 7.925, 13.861, 0.01, 0.01, 26.5};

TEST(SpanSolver, WorkedExampleThroughEachAngle) {
    const auto trace = traceSpanMeasurement(kWorkedExample);
    ASSERT_TRUE(trace);
    EXPECT_NEAR(trace->theta, 0.0242862386, 1e-10);
    EXPECT_NEAR(trace->alphaW, 0.4081646587, 1e-10);
    EXPECT_NEAR(trace->alphaT, 0.3619671681, 1e-10);
    EXPECT_NEAR(trace->cosBeta, 0.9612303079, 1e-10);
    EXPECT_NEAR(trace->result.betaDeg, 16.0065232198, 1e-10);
    EXPECT_NEAR(trace->result.x1, 0.3525075124, 1e-10);
    EXPECT_EQ(trace->result.x2, static_cast<float>(0.1697201707));
}

TEST(SpanSolver, OneCorrectionStepInvertsTheInvolute) {
    const auto trace = traceSpanMeasurement(kWorkedExample);
    ASSERT_TRUE(trace);
    const double exact = gear_geometry::inverseInvolute(trace->theta);
    EXPECT_NEAR(trace->alphaW, exact, 1e-8);
    // The cube-root estimate alone is some 0.08° off: the correction step is needed.
    EXPECT_GT(std::fabs(trace->alpha0 - exact), gear_geometry::radians(0.05));
}

TEST(SpanSolver, NegativeCosineGivesNegativeHelixAngle) {
    MeasurementSet negative = kWorkedExample;
    negative.a = -26.5;
    const auto result = solveSpanMeasurement(negative);
    ASSERT_TRUE(result);
    EXPECT_NEAR(result->betaDeg, -16.0065232198, 1e-10);
}

// Pairs designed on paper, measured by the forward geometry, and solved back.
struct RoundTripCase {
    const char* name;
    gear_geometry::HelicalPair pair;
};

TEST(SpanSolver, RecoversTheDesignOfForwardMeasuredPairs) {
    const RoundTripCase cases[] = {
        {"worked example's pair", {20, 30, 1, 20, 16, 0.35, 0.17, 3, 5}},
        {"small pinion, unshifted", {8, 40, 2, 20, 12, 0.0, 0.0, 2, 5}},
        {"small pinion, shifted up", {8, 40, 2, 20, 12, 0.6, -0.2, 2, 5}},
        {"negative shifts", {25, 60, 3, 20, 10, -0.5, -0.4, 3, 7}},
        {"fine module", {35, 77, 0.5, 20, 8, 0.2, 0.1, 4, 9}},
        {"coarse module", {17, 23, 12, 20, 20, 0.4, 0.3, 2, 3}},
        {"old 14.5 degree standard", {30, 90, 4, 14.5, 15, 0.1, 0.0, 3, 8}},
        {"25 degree pressure angle", {18, 42, 2.5, 25, 14, 0.3, 0.2, 3, 6}},
        {"nearly spur", {40, 41, 1.5, 20, 2, 0.25, -0.1, 5, 5}},
        {"steep helix", {12, 60, 3, 20, 40, 0.5, 0.0, 2, 8}},
        {"largest tooth counts", {150, 149, 1, 20, 25, 0.0, 0.05, 17, 17}},
        {"largest shifts", {15, 28, 2, 20, 30, 1.0, 1.0, 3, 4}},
        {"high pressure and steep helix", {20, 35, 5, 25, 35, 0.8, 0.6, 3, 5}},
    };
    for (const RoundTripCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MeasurementSet measured = gear_geometry::measure(c.pair, 0.02, 0.03);
        const auto result = solveSpanMeasurement(measured);
        ASSERT_TRUE(result);
        EXPECT_NEAR(result->betaDeg, c.pair.betaDeg, 0.5 / 3600.0);
        EXPECT_NEAR(result->x1, c.pair.x1, 2e-6);
        EXPECT_NEAR(result->x2, c.pair.x2, 2e-6);
    }
}

}  // namespace
}  // namespace marvolen
