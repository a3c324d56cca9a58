#include "calculate.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace marvolen {
namespace {

using Texts = std::array<std::string, kInputCount>;

const Texts kWorkedExample{"20", "30", "1", "20", "3", "5", "7.925", "13.861", "0.01", "0.01", "26.5"};

// The worked example with some boxes changed: {box index from 0, text}.
Texts withTexts(std::initializer_list<std::pair<std::size_t, const char*>> changes) {
    Texts texts = kWorkedExample;
    for (const auto& [index, text] : changes) texts.at(index) = text;
    return texts;
}

enum Box : std::size_t { Z1, Z2, M, Alpha, K1, K2, W1, W2, D1, D2, A };

TEST(RunCalculation, WorkedExampleGivesTheFiveTexts) {
    const auto texts = runCalculation(kWorkedExample);
    ASSERT_TRUE(texts);
    EXPECT_EQ(*texts, (ResultTexts{" 16", " 0", " 23", " 0.3525", " 0.1697"}));
    EXPECT_EQ(runCalculation(kWorkedExample), texts) << "a second call must give the same texts";
    const auto report = runCalculationWithSensitivity(kWorkedExample);
    ASSERT_TRUE(report);
    EXPECT_EQ(report->results, *texts);
}

TEST(RunCalculation, LenientTextsGoOn) {
    struct Case {
        const char* name;
        Texts texts;
        Texts sameAs;
    };
    const Case cases[] = {
        {"comma reads as the whole part", withTexts({{W1, "7,925"}}), withTexts({{W1, "7"}})},
        {"full-width input method text", withTexts({{W1, "７．９２５"}, {A, "２６。５"}}), kWorkedExample},
        {"units and blanks", withTexts({{M, " 1 mm"}, {A, "26.5mm"}}), kWorkedExample},
        {"empty allowance reads as 0", withTexts({{D1, ""}}), withTexts({{D1, "0"}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto texts = runCalculation(c.texts);
        ASSERT_TRUE(texts);
        EXPECT_EQ(texts, runCalculation(c.sameAs));
    }
}

TEST(RunCalculation, NegativeHelixAngleKeepsMinutesAndSecondsPositive) {
    const auto texts = runCalculation(withTexts({{A, "-26.5"}}));
    ASSERT_TRUE(texts);
    // β = −16.0065232198° = −17° + 59′ 36.516″.
    EXPECT_EQ(texts->degrees, "-17");
    EXPECT_EQ(texts->minutes, " 59");
    EXPECT_EQ(texts->seconds, " 37");
}

TEST(RunCalculation, EveryWayToFailGivesTheNotice) {
    struct Case {
        const char* name;
        Texts texts;
    };
    const Case cases[] = {
        {"module 0", withTexts({{M, "0"}})},
        {"empty module box", withTexts({{M, ""}})},
        {"both tooth counts 0", withTexts({{Z1, "0"}, {Z2, "0"}})},
        {"involute 0", withTexts({{K1, "0.5"}, {K2, "0.5"}, {W1, "0"}, {W2, "0"}, {D1, "0"}, {D2, "0"}})},
        {"negative involute: spans too short", withTexts({{W1, "5"}})},
        {"pressure angle 0", withTexts({{Alpha, "0"}})},
        {"pressure angle 0 with long spans", withTexts({{Alpha, "0"}, {W1, "9"}, {W2, "15"}})},
        {"centre distance 0", withTexts({{A, "0"}})},
        {"centre distance too large: sine above 1", withTexts({{A, "100"}})},
        {"centre distance too small: cosine above 1", withTexts({{A, "20"}})},
        {"x2 beyond single precision", withTexts({{Alpha, "1e-40"}, {W1, "8"}, {W2, "14.1"}})},
        {"x1 too large to round", withTexts({{Z1, "1e307"}, {A, "5.35e306"}})},
        {"text beyond the double range", withTexts({{W2, "1E400"}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(runCalculation(c.texts));
        EXPECT_FALSE(runCalculationWithSensitivity(c.texts));
    }
}

TEST(RunCalculation, RoundingOverflowOfX1FailsAfterTheSolverSucceeded) {
    const MeasurementSet huge{1e307, 30, 1, 20, 3, 5, 7.925, 13.861, 0.01, 0.01, 5.35e306};
    const auto solved = solveSpanMeasurement(huge);
    ASSERT_TRUE(solved);
    EXPECT_FALSE(roundCoefficient(solved->x1));
}

TEST(RoundCoefficient, RoundsHalfUpToFourDecimals) {
    struct Case {
        const char* name;
        double x;
        double rounded;
    };
    const Case cases[] = {
        // 0.03125 is exact in binary: 312.5 steps of 0.0001.
        {"below a half step", 0.0312499, 0.0312},
        {"at a half step rounds up", 0.03125, 0.0313},
        {"negative at a half step rounds up", -0.03125, -0.0312},
        {"negative beyond a half step", -0.0312501, -0.0313},
        {"negative below half a step is zero", -0.00004, 0.0},
        {"just below 1 rounds to 1", 0.99996, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(roundCoefficient(c.x), c.rounded);
    }
    EXPECT_EQ(roundCoefficient(0.1697201729F), 0.1697F);
    EXPECT_EQ(roundCoefficient(std::numeric_limits<float>::max()), std::numeric_limits<float>::max());
}

TEST(FormatCoefficient, ShowsALeadingZeroOnlyBelowOne) {
    struct Case {
        const char* name;
        double rounded;
        const char* x1Text;
        const char* x2Text;
    };
    const Case cases[] = {
        {"zero", 0.0, " 0", " 0"},
        {"negative below one", -0.25, "-0.25", "-0.25"},
        {"half", 0.5, " 0.5", " 0.5"},
        {"above one", 1.5, " 1.5", " 1.5"},
        {"negative above one", -1.25, "-1.25", "-1.25"},
        {"exactly one", 1.0, " 1", " 1"},
        {"smallest step", 0.0001, " 0.0001", " 0.0001"},
        {"worked example", 0.1697, " 0.1697", " 0.1697"},
        {"four digits before the point", 1234.5678, " 1234.5678", " 1234.568"},
        {"ten digits before the point", 1234567890.1234, " 1234567890.1234", " 1.234568E+09"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatCoefficient(c.rounded), c.x1Text);
        EXPECT_EQ(formatCoefficient(static_cast<float>(c.rounded)), c.x2Text);
    }
}

TEST(SplitDegrees, CarriesRoundedSeconds) {
    struct Case {
        const char* name;
        double degrees;
        double whole;
        double minutes;
        std::int16_t seconds;
    };
    const double second = 1.0 / 3600.0;
    const Case cases[] = {
        {"worked example", 16.0065232198, 16, 0, 23},
        {"just below 59.5 seconds", 10.0 + 59.0 / 60.0 + 59.499 * second, 10, 59, 59},
        {"just above 59.5 seconds carries into the degree", 10.0 + 59.0 / 60.0 + 59.501 * second, 11, 0, 0},
        {"designed at 30 degrees, solved a hair below", 29.999999999, 30, 0, 0},
        {"carry into the minutes only", 5.0 + 12.0 / 60.0 + 59.7 * second, 5, 13, 0},
        {"negative angle", -0.5, -1, 30, 0},
        {"negative worked example", -16.0065232198, -17, 59, 37},
        {"a hair below zero", -1e-12, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DegreesMinutesSeconds split = splitDegrees(c.degrees);
        EXPECT_EQ(split.degrees, c.whole);
        EXPECT_EQ(split.minutes, c.minutes);
        EXPECT_EQ(split.seconds, c.seconds);
    }
}

}  // namespace
}  // namespace marvolen
