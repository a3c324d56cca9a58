#include "span_solver.h"

#include <cmath>
#include <limits>

namespace marvolen {
namespace {

// A double that remembers whether it, and every value it was computed from, stayed
// finite. Checking each operation rather than the final value matters: an infinite
// intermediate can come back finite (1 / inf, atan(inf)) and hide a failure. No
// floating-point exception flag is read; the compiler is free to move such code.
class Checked {
public:
    Checked(double value) : value_(value), finite_(std::isfinite(value)) {}  // NOLINT: implicit by design

    [[nodiscard]] double value() const { return value_; }
    [[nodiscard]] bool finite() const { return finite_; }

    friend Checked operator+(Checked a, Checked b) { return a.then(b, a.value_ + b.value_); }
    friend Checked operator-(Checked a, Checked b) { return a.then(b, a.value_ - b.value_); }
    friend Checked operator*(Checked a, Checked b) { return a.then(b, a.value_ * b.value_); }
    friend Checked operator/(Checked a, Checked b) { return a.then(b, a.value_ / b.value_); }

    template <typename Function>
    [[nodiscard]] Checked apply(Function function) const {
        return then(*this, function(value_));
    }

private:
    [[nodiscard]] Checked then(Checked other, double result) const {
        Checked next(result);
        next.finite_ = next.finite_ && finite_ && other.finite_;
        return next;
    }

    double value_;
    bool finite_;
};

Checked sin(Checked x) {
    return x.apply([](double v) { return std::sin(v); });
}
Checked cos(Checked x) {
    return x.apply([](double v) { return std::cos(v); });
}
Checked tan(Checked x) {
    return x.apply([](double v) { return std::tan(v); });
}
Checked atan(Checked x) {
    return x.apply([](double v) { return std::atan(v); });
}
// A negative radicand gives NaN, which is not finite: the failure of a square root.
Checked sqrt(Checked x) {
    return x.apply([](double v) { return std::sqrt(v); });
}
// A negative base with a non-integral exponent gives NaN: a failure too.
Checked pow(Checked base, double exponent) {
    return base.apply([exponent](double v) { return std::pow(v, exponent); });
}

}  // namespace

std::optional<SolverTrace> traceSpanMeasurement(const MeasurementSet& in) {
    const Checked z1 = in.z1, z2 = in.z2, m = in.m, alphaDeg = in.alphaDeg;
    const Checked k1 = in.k1, k2 = in.k2, W1 = in.W1, W2 = in.W2, d1 = in.d1, d2 = in.d2, a = in.a;

    const Checked pi = Checked(std::atan(1.0)) * 4.0;
    const Checked alpha = (alphaDeg * pi) / 180.0;
    const Checked dsum = d1 + d2;
    const Checked zsum = z1 + z2;
    const Checked dk = (k1 + k2) - 1.0;

    // The sum of the two span formulas solved for the involute of the operating
    // transverse pressure angle: the profile shifts cancel against the centre distance.
    const Checked theta = (((W1 + W2) + dsum) - (((m * pi) * cos(alpha)) * dk)) / ((m * cos(alpha)) * zsum);

    // Inverse involute: a cube-root estimate, then one closed-form correction step.
    const double oneThird = 1.0 / 3.0;
    const Checked alpha0 = pow(3.0 * theta, oneThird) - theta / 3.0;
    const Checked u = alpha0 + theta;
    const Checked alphaW = (0.5 * (alpha0 - theta)) + sqrt(((0.25 * pow(u, 2.0)) + (u / tan(alpha0))) - 1.0);

    // The centre distance gives the transverse pressure angle, and with it the helix angle.
    const Checked s = (((2.0 * a) * tan(alpha)) * cos(alphaW)) / (m * zsum);
    const Checked t = s / sqrt(1.0 - pow(s, 2.0));
    const Checked alphaT = atan(t);
    const Checked c = tan(alpha) / tan(alphaT);
    const Checked tb = sqrt(1.0 - pow(c, 2.0)) / c;
    const Checked betaDeg = (atan(tb) * 180.0) / pi;

    // Each span measurement solved for its own gear's profile shift:
    // W + d = m·cos α·[(k − 0.5)·π + z·inv αt] + 2·x·m·sin α.
    const Checked invt = tan(alphaT) - alphaT;
    const Checked x1 = ((W1 + d1) - ((m * cos(alpha)) * (((k1 - 0.5) * pi) + (z1 * invt)))) / ((2.0 * m) * sin(alpha));
    const Checked x2 = ((W2 + d2) - ((m * cos(alpha)) * (((k2 - 0.5) * pi) + (z2 * invt)))) / ((2.0 * m) * sin(alpha));

    if (!betaDeg.finite() || !x1.finite() || !x2.finite()) return CalculationFailed;
    // Narrowing a double beyond the float range is undefined behaviour: check first.
    if (std::fabs(x2.value()) > static_cast<double>(std::numeric_limits<float>::max())) return CalculationFailed;

    return SolverTrace{theta.value(),  alpha0.value(),
                       alphaW.value(), alphaT.value(),
                       c.value(),      SolverResult{betaDeg.value(), x1.value(), static_cast<float>(x2.value())}};
}

std::optional<SolverResult> solveSpanMeasurement(const MeasurementSet& measurements) {
    const auto trace = traceSpanMeasurement(measurements);
    if (!trace) return CalculationFailed;
    return trace->result;
}

}  // namespace marvolen
