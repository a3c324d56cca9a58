// Time per call of the calculate command on the worked example, and of the solver
// alone, to see what reading and writing the texts costs beside the geometry.
#include <benchmark/benchmark.h>

#include "calculate.h"
#include "span_solver.h"

namespace {

void BM_RunCalculation(benchmark::State& state) {
    const std::array<std::string, marvolen::kInputCount> texts{"20",    "30",     "1",    "20",   "3",   "5",
                                                               "7.925", "13.861", "0.01", "0.01", "26.5"};
    for (auto _ : state) {
        auto result = marvolen::runCalculation(texts);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_RunCalculation);

void BM_SolveSpanMeasurement(benchmark::State& state) {
    marvolen::MeasurementSet measurements{20, 30, 1, 20, 3, 5, 7.925, 13.861, 0.01, 0.01, 26.5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(measurements);
        auto result = marvolen::solveSpanMeasurement(measurements);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_SolveSpanMeasurement);

}  // namespace
