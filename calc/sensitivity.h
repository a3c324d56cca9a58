#pragma once
// How far the results can be trusted: how much β, x1 and x2 move when a span
// measurement or the centre distance is off by a small measuring error.

#include <optional>
#include <string>

#include "span_solver.h"

namespace marvolen {

/// How much each result moves for the error, as a magnitude.
struct ResultShift {
    double betaSeconds;  // helix angle, arc-seconds
    double x1;
    double x2;
};

/// The shift caused by each measurement, and their sum as a worst case. A measurement
/// whose moved set has no solution (up or down) has no figure, and neither has the
/// worst case then.
struct SensitivityReport {
    std::optional<ResultShift> spanW1;
    std::optional<ResultShift> spanW2;
    std::optional<ResultShift> centreDistance;
    std::optional<ResultShift> worstCase;
};

inline constexpr double kMeasurementError = 0.01;

/// Solves again with W1, W2 and a each moved up and down by `error` (in the unit of
/// the module) and takes half the difference, the central-difference effect.
/// For z 12/60, m 3, 20°, β 30°, x 0: 0.01 on the centre distance moves β by about 34″.
SensitivityReport estimateSensitivity(const MeasurementSet& measurements, double error = kMeasurementError);

/// Tooltip texts in Simplified Chinese: one for the angle boxes (arc-seconds), one for
/// each coefficient box, naming each measurement by its caption, e.g.
///   "测量误差 ±0.01 时螺旋角β的变化：\n公法线长度 W1：±49.3″\n…\n最坏情况：±132.3″"
struct SensitivityTexts {
    std::string beta;
    std::string x1;
    std::string x2;
};
SensitivityTexts describeSensitivity(const SensitivityReport& report, double error = kMeasurementError);

}  // namespace marvolen
