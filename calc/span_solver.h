#pragma once
// Helical gear pair from workshop measurements: helix angle and normal profile-shift
// coefficients from the two span measurements (base tangent lengths) and the
// measured centre distance.

#include <optional>

namespace marvolen {

/// The measurements of one gear pair, in the order of the input boxes. Lengths share
/// the unit of the module; the pressure angle is in degrees. Nothing is validated:
/// zero, negative and non-integral values go into the formulas as they are.
struct MeasurementSet {
    double z1;        // number of teeth of gear 1
    double z2;        // number of teeth of gear 2
    double m;         // normal module
    double alphaDeg;  // normal pressure angle, degrees
    double k1;        // number of teeth spanned on gear 1
    double k2;        // number of teeth spanned on gear 2
    double W1;        // measured base tangent length of gear 1 over k1 teeth
    double W2;        // measured base tangent length of gear 2 over k2 teeth
    double d1;        // allowance for backlash and wear, added to W1
    double d2;        // allowance for backlash and wear, added to W2
    double a;         // measured (operating) centre distance
};

/// Helix angle and profile-shift coefficients, unrounded. x2 is single precision from
/// the end of its computation.
struct SolverResult {
    double betaDeg;
    double x1;
    float x2;
};

/// The one failure outcome: it carries no detail of what failed.
inline constexpr std::nullopt_t CalculationFailed = std::nullopt;

/// The result together with the angles on the way to it, for checking the geometry.
struct SolverTrace {
    double theta;   // involute of the operating transverse pressure angle
    double alpha0;  // first estimate of its inverse involute, radians
    double alphaW;  // operating transverse pressure angle after one correction, radians
    double alphaT;  // transverse pressure angle, radians
    double cosBeta;
    SolverResult result;
};

/// Solves one measurement set. Fails (returns CalculationFailed) when any intermediate
/// result is not finite: a division by zero, a square root of a negative, inconsistent
/// measurements, or an x2 beyond the single-precision range.
/// Worked example: z 20/30, m 1, 20°, k 3/5, W 7.925/13.861, allowance 0.01/0.01,
/// centre distance 26.5 give β ≈ 16.0065232°, x1 ≈ 0.3525075, x2 ≈ 0.1697202.
std::optional<SolverResult> solveSpanMeasurement(const MeasurementSet& measurements);

/// solveSpanMeasurement with its intermediate angles.
std::optional<SolverTrace> traceSpanMeasurement(const MeasurementSet& measurements);

}  // namespace marvolen
