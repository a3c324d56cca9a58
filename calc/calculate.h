#pragma once
// The calculate command: the eleven measurement texts in, the five result texts out,
// or the one failure notice.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sensitivity.h"
#include "span_solver.h"

namespace marvolen {

/// The texts for the result boxes: β in degrees, minutes and seconds, then x1 and x2.
struct ResultTexts {
    std::string degrees;
    std::string minutes;
    std::string seconds;
    std::string x1;
    std::string x2;

    friend bool operator==(const ResultTexts&, const ResultTexts&) = default;
};

/// The notice shown whenever a calculation fails; it never says what failed.
inline constexpr std::string_view kFailureNoticeTitle = "提示";
inline constexpr std::string_view kFailureNoticeText = "请仔细检查各测量数据是否准确。";

/// Number of measurement texts, in the order z1, z2, m, α, k1, k2, W1, W2, d1, d2, a.
inline constexpr std::size_t kInputCount = 11;

/// Reads the texts leniently, solves the pair and renders the rounded results.
/// Returns CalculationFailed when a text holds a number beyond the double range, the
/// measurements have no solution, or x1 is too large to round.
///   runCalculation({"20","30","1","20","3","5","7.925","13.861","0.01","0.01","26.5"})
///     gives " 16", " 0", " 23", " 0.3525", " 0.1697".
std::optional<ResultTexts> runCalculation(const std::array<std::string, kInputCount>& inputTexts);

/// The result texts, and for each result box a text telling how much its result
/// moves for a measuring error of ±0.01 in W1, W2 and the centre distance.
struct CalculationReport {
    ResultTexts results;
    SensitivityTexts sensitivity;
};

/// runCalculation with the sensitivity of its results; fails exactly when it fails.
std::optional<CalculationReport> runCalculationWithSensitivity(const std::array<std::string, kInputCount>& inputTexts);

/// The measurement texts read into numbers, or CalculationFailed for a number beyond
/// the double range.
std::optional<MeasurementSet> parseMeasurements(const std::array<std::string, kInputCount>& inputTexts);

/// The solver's result rounded, split and written as the five result texts, or
/// CalculationFailed when x1 is too large to round.
std::optional<ResultTexts> renderResults(const SolverResult& result);

/// An angle as whole degrees, whole minutes and rounded seconds.
struct DegreesMinutesSeconds {
    double degrees;
    double minutes;
    std::int16_t seconds;
};

/// Splits an angle in degrees; the seconds are rounded half up and carried into the
/// minutes and degrees, so 29.99999° is 30° 0′ 0″, not 29° 59′ 60″. A negative angle
/// gives the next lower whole degree with non-negative minutes and seconds:
///   splitDegrees(16.0065232198) == {16, 0, 23}   splitDegrees(-0.5) == {-1, 30, 0}
DegreesMinutesSeconds splitDegrees(double degrees);

/// A profile-shift coefficient rounded half up to four decimals, or CalculationFailed
/// when x × 10000 overflows. The float overload rounds in double precision and
/// narrows the result back.
std::optional<double> roundCoefficient(double x);
float roundCoefficient(float x);

/// A rounded coefficient as shown: sign position, and a "0" before the point below 1.
///   formatCoefficient(0.3525) == " 0.3525"   formatCoefficient(-1.25) == "-1.25"
///   formatCoefficient(0.0) == " 0"           formatCoefficient(0.1697f) == " 0.1697"
std::string formatCoefficient(double rounded);
std::string formatCoefficient(float rounded);

}  // namespace marvolen
