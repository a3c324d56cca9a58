#include "calculate.h"

#include <cmath>
#include <utility>

#include "number_text.h"

namespace marvolen {

DegreesMinutesSeconds splitDegrees(double degrees) {
    double whole = std::floor(degrees);
    double minutes = std::floor((degrees - whole) * 60.0);
    // The remainder lies in [0, 60] seconds up to rounding, so the narrowing is safe.
    auto seconds = static_cast<std::int16_t>(std::floor((((degrees - whole) - (minutes / 60.0)) * 3600.0) + 0.5));
    if (seconds >= 60) {
        seconds = static_cast<std::int16_t>(seconds - 60);
        minutes += 1.0;
    }
    if (minutes >= 60.0) {
        minutes -= 60.0;
        whole += 1.0;
    }
    return {whole, minutes, seconds};
}

std::optional<double> roundCoefficient(double x) {
    const double scaled = x * 10000.0;
    if (!std::isfinite(scaled)) return CalculationFailed;
    return std::floor(scaled + 0.5) / 10000.0;
}

float roundCoefficient(float x) {
    // |x| ≤ FLT_MAX, so the scaled value fits a double and the quotient, being no
    // larger in magnitude than x rounded, fits a float again.
    const double scaled = static_cast<double>(x) * static_cast<double>(10000.0F);
    return static_cast<float>(std::floor(scaled + 0.5) / 10000.0);
}

namespace {

template <typename Real>
std::string coefficientText(Real rounded) {
    std::string text = formatSignPadded(rounded);
    if (rounded != 0 && std::fabs(rounded) < 1) return withLeadingZero(text);
    return text;
}

}  // namespace

std::string formatCoefficient(double rounded) { return coefficientText(rounded); }

std::string formatCoefficient(float rounded) { return coefficientText(rounded); }

std::optional<MeasurementSet> parseMeasurements(const std::array<std::string, kInputCount>& inputTexts) {
    std::array<double, kInputCount> values{};
    for (std::size_t i = 0; i < kInputCount; ++i) {
        const auto value = parseLeadingNumber(inputTexts[i]);
        if (!value) return CalculationFailed;
        values[i] = *value;
    }
    return MeasurementSet{values[0], values[1], values[2], values[3], values[4], values[5],
                          values[6], values[7], values[8], values[9], values[10]};
}

std::optional<ResultTexts> renderResults(const SolverResult& result) {
    const DegreesMinutesSeconds beta = splitDegrees(result.betaDeg);
    const auto x1 = roundCoefficient(result.x1);
    if (!x1) return CalculationFailed;
    const float x2 = roundCoefficient(result.x2);
    return ResultTexts{formatSignPadded(beta.degrees), formatSignPadded(beta.minutes), formatSignPadded(beta.seconds),
                       formatCoefficient(*x1), formatCoefficient(x2)};
}

namespace {

struct SolvedMeasurements {
    MeasurementSet measurements;
    SolverResult result;
};

std::optional<SolvedMeasurements> solveTexts(const std::array<std::string, kInputCount>& inputTexts) {
    const auto measurements = parseMeasurements(inputTexts);
    if (!measurements) return CalculationFailed;
    const auto solved = solveSpanMeasurement(*measurements);
    if (!solved) return CalculationFailed;
    return SolvedMeasurements{*measurements, *solved};
}

}  // namespace

std::optional<ResultTexts> runCalculation(const std::array<std::string, kInputCount>& inputTexts) {
    const auto solved = solveTexts(inputTexts);
    if (!solved) return CalculationFailed;
    return renderResults(solved->result);
}

std::optional<CalculationReport> runCalculationWithSensitivity(const std::array<std::string, kInputCount>& inputTexts) {
    const auto solved = solveTexts(inputTexts);
    if (!solved) return CalculationFailed;
    auto results = renderResults(solved->result);
    if (!results) return CalculationFailed;
    return CalculationReport{std::move(*results), describeSensitivity(estimateSensitivity(solved->measurements))};
}

}  // namespace marvolen
