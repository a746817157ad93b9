// The night's picture: drawn from a plan already computed, and with the
// plan computed first (PlanSky's with its curve of 97 instants, and the
// Sun's day for the Sun), as the planning panel does at each keystroke with
// a site; for Turin, the targets and nights of 2026 taken in turn, the hours
// in the machine's time zone.
#include <benchmark/benchmark.h>

#include <vector>

#include "ui/night_picture.h"

namespace {

const celforo::Site kTurin{45.07, 7.69, 240};

celforo::UniversalTime NightOf(std::size_t i) {
  return celforo::UtcInstant({2026, 1, 1, 20, 0, 0}) + celforo::Days(static_cast<double>(i % 365));
}

celforo::Target TargetOf(std::size_t i) {
  return static_cast<celforo::Target>(i % celforo::kTargets.size());
}

void BM_NightPicture(benchmark::State& state) {
  std::vector<celforo::NightPicturePlan> plans;
  for (std::size_t i = 0; i < 64; ++i)
    plans.push_back(celforo::NightPicturePlanOf(TargetOf(i), kTurin, NightOf(i * 5)));
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(celforo::NightPicture(plans[i++ % plans.size()]));
}

void BM_NightPlanAndPicture(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        celforo::NightPicture(celforo::NightPicturePlanOf(TargetOf(i), kTurin, NightOf(i))));
    ++i;
  }
}

BENCHMARK(BM_NightPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NightPlanAndPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
