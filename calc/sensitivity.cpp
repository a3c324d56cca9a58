#include "sensitivity.h"

#include <array>
#include <charconv>
#include <cmath>

namespace marvolen {
namespace {

std::optional<ResultShift> shiftFor(const MeasurementSet& base, double MeasurementSet::*field, double error) {
    MeasurementSet up = base;
    MeasurementSet down = base;
    up.*field += error;
    down.*field -= error;
    const auto high = solveSpanMeasurement(up);
    const auto low = solveSpanMeasurement(down);
    if (!high || !low) return std::nullopt;
    return ResultShift{std::fabs(high->betaDeg - low->betaDeg) / 2.0 * 3600.0, std::fabs(high->x1 - low->x1) / 2.0,
                       std::fabs(static_cast<double>(high->x2) - static_cast<double>(low->x2)) / 2.0};
}

std::string fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc{}) return "?";
    return {buffer.data(), result.ptr};
}

// One text: the heading, then a line per measurement and the worst case.
std::string describe(const SensitivityReport& report, double error, std::string_view quantity,
                     double ResultShift::*component, int decimals, std::string_view unit) {
    const auto line = [&](std::string_view caption, const std::optional<ResultShift>& shift) {
        std::string text(caption);
        text += "：";
        if (shift) {
            text += "±";
            text += fixed((*shift).*component, decimals);
            text += unit;
        } else {
            text += "无解，无法估计";
        }
        return text;
    };
    std::string text = "测量误差 ±" + fixed(error, 2) + " 时";
    text += quantity;
    text += "的变化：\n";
    text += line("公法线长度 W1", report.spanW1) + "\n";
    text += line("公法线长度 W2", report.spanW2) + "\n";
    text += line("中心距", report.centreDistance) + "\n";
    text += line("最坏情况", report.worstCase);
    return text;
}

}  // namespace

SensitivityReport estimateSensitivity(const MeasurementSet& measurements, double error) {
    SensitivityReport report;
    report.spanW1 = shiftFor(measurements, &MeasurementSet::W1, error);
    report.spanW2 = shiftFor(measurements, &MeasurementSet::W2, error);
    report.centreDistance = shiftFor(measurements, &MeasurementSet::a, error);
    if (report.spanW1 && report.spanW2 && report.centreDistance) {
        const auto sum = [&](double ResultShift::*component) {
            return (*report.spanW1).*component + (*report.spanW2).*component + (*report.centreDistance).*component;
        };
        report.worstCase = ResultShift{sum(&ResultShift::betaSeconds), sum(&ResultShift::x1), sum(&ResultShift::x2)};
    }
    return report;
}

SensitivityTexts describeSensitivity(const SensitivityReport& report, double error) {
    return {describe(report, error, "螺旋角β", &ResultShift::betaSeconds, 1, "″"),
            describe(report, error, "变位系数x1", &ResultShift::x1, 4, ""),
            describe(report, error, "变位系数x2", &ResultShift::x2, 4, "")};
}

}  // namespace marvolen
