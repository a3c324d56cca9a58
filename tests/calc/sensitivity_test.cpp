#include "sensitivity.h"

#include <gtest/gtest.h>

#include <cmath>

#include "gear_geometry.h"

namespace marvolen {
namespace {

// The module-3 pair of 12 and 60 teeth, 20°, unshifted: a centre distance off by 0.01
// moves β by about 34″ at 30°, 96″ at 12.5° and 152″ at 8°, a span measurement off by
// 0.01 by 49″ to 224″.
TEST(Sensitivity, HelixAngleFromCentreDistanceIsIllConditioned) {
    struct Case {
        const char* name;
        double betaDeg;
        double fromCentreDistance;  // arc-seconds
        double fromSpan;            // arc-seconds
    };
    const Case cases[] = {
        {"steep helix", 30.0, 34.0, 49.0},
        {"medium helix", 12.5, 96.0, 140.0},
        {"shallow helix", 8.0, 152.0, 224.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const gear_geometry::HelicalPair pair{12, 60, 3, 20, c.betaDeg, 0.0, 0.0, 2, 8};
        const SensitivityReport report = estimateSensitivity(gear_geometry::measure(pair));
        ASSERT_TRUE(report.centreDistance && report.spanW1 && report.spanW2 && report.worstCase);
        EXPECT_NEAR(report.centreDistance->betaSeconds, c.fromCentreDistance, 1.0);
        EXPECT_NEAR(report.spanW1->betaSeconds, c.fromSpan, 1.0);
        EXPECT_NEAR(report.spanW2->betaSeconds, c.fromSpan, 1.0);
        EXPECT_NEAR(report.worstCase->betaSeconds,
                    report.centreDistance->betaSeconds + report.spanW1->betaSeconds + report.spanW2->betaSeconds, 1e-9);
    }
}

// Move one forward-measured value by the error, solve, and compare the movement of
// each result with the figure reported for that measurement.
TEST(Sensitivity, MatchesTheMovementOfAMovedMeasurement) {
    struct Case {
        const char* name;
        gear_geometry::HelicalPair pair;
    };
    const Case cases[] = {
        {"small helix angle", {20, 30, 1, 20, 6, 0.35, 0.17, 3, 5}},
        {"large helix angle", {17, 43, 4, 20, 35, 0.2, -0.1, 3, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MeasurementSet measured = gear_geometry::measure(c.pair);
        const auto base = solveSpanMeasurement(measured);
        ASSERT_TRUE(base);
        const SensitivityReport report = estimateSensitivity(measured);
        const struct {
            const char* measurement;
            double MeasurementSet::*field;
            const std::optional<ResultShift>& reported;
        } moves[] = {
            {"W1", &MeasurementSet::W1, report.spanW1},
            {"W2", &MeasurementSet::W2, report.spanW2},
            {"a", &MeasurementSet::a, report.centreDistance},
        };
        for (const auto& move : moves) {
            SCOPED_TRACE(move.measurement);
            MeasurementSet moved = measured;
            moved.*move.field += 0.01;
            const auto solved = solveSpanMeasurement(moved);
            ASSERT_TRUE(solved && move.reported);
            // One-sided against central difference: equal up to the curvature, a few per cent.
            const double betaSeconds = std::fabs(solved->betaDeg - base->betaDeg) * 3600.0;
            EXPECT_NEAR(move.reported->betaSeconds, betaSeconds, 0.03 * betaSeconds + 0.01);
            EXPECT_NEAR(move.reported->x1, std::fabs(solved->x1 - base->x1),
                        0.03 * std::fabs(solved->x1 - base->x1) + 1e-6);
            EXPECT_NEAR(move.reported->x2, std::fabs(solved->x2 - base->x2),
                        0.03 * std::fabs(solved->x2 - base->x2) + 1e-6);
        }
    }
}

TEST(Sensitivity, NearlySpurPairHasNoFigureWhereAMovedSetHasNoSolution) {
    // At β ≈ 0 a slightly shorter centre distance asks for cos β > 1.
    const gear_geometry::HelicalPair pair{20, 30, 1, 20, 0.05, 0.2, 0.1, 3, 5};
    const MeasurementSet measured = gear_geometry::measure(pair);
    ASSERT_TRUE(solveSpanMeasurement(measured));
    const SensitivityReport report = estimateSensitivity(measured);
    EXPECT_FALSE(report.centreDistance);
    EXPECT_FALSE(report.worstCase);

    const SensitivityTexts texts = describeSensitivity(report);
    EXPECT_NE(texts.beta.find("中心距：无解"), std::string::npos) << texts.beta;
    EXPECT_NE(texts.beta.find("最坏情况：无解"), std::string::npos) << texts.beta;
}

TEST(Sensitivity, TextsNameEachMeasurementInTheUnitOfItsBox) {
    SensitivityReport report;
    report.spanW1 = ResultShift{49.28, 0.01462, 0.0};
    report.spanW2 = ResultShift{49.28, 0.0, 0.01462};
    report.centreDistance = ResultShift{33.71, 0.00123, 0.00234};
    report.worstCase = ResultShift{132.27, 0.01587, 0.01696};
    const SensitivityTexts texts = describeSensitivity(report);
    EXPECT_EQ(texts.beta,
              "测量误差 ±0.01 时螺旋角β的变化：\n公法线长度 W1：±49.3″\n公法线长度 W2：±49.3″\n"
              "中心距：±33.7″\n最坏情况：±132.3″");
    EXPECT_EQ(texts.x1,
              "测量误差 ±0.01 时变位系数x1的变化：\n公法线长度 W1：±0.0146\n公法线长度 W2：±0.0000\n"
              "中心距：±0.0012\n最坏情况：±0.0159");
    EXPECT_NE(texts.x2.find("公法线长度 W2：±0.0146"), std::string::npos);
}

}  // namespace
}  // namespace marvolen
