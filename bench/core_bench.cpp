// ReadNumber and ResultText per call, beside naive strtod/snprintf versions;
// one target's apparent size at one instant; and one night's plan from a
// site with its curve of 97 instants.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "calc/date_time.h"
#include "calc/ephemeris.h"
#include "calc/night.h"
#include "calc/numeric_text.h"
#include "calc/projection.h"

namespace {

// What the window meets: the three results of plausible set-ups (objectives
// of 400 to 4000, eyepieces of 4 to 40, extractions of 1 to 200), and the
// texts a user types.
std::vector<double> RealisticResults() {
  std::mt19937_64 engine(7);
  std::uniform_real_distribution<double> objective(400, 4000), eyepiece(4, 40), extraction(1, 200);
  std::vector<double> values;
  for (int i = 0; i < 4096; ++i) {
    // Every one of them computes: no extraction is zero.
    const celforo::ProjectionResults r =
        *celforo::ComputeProjection({objective(engine), eyepiece(engine), extraction(engine)});
    values.insert(values.end(), {r.magnification, r.equivalentFocalLength, r.focalPlaneDistance});
  }
  return values;
}

std::vector<std::string> RealisticTexts() {
  std::vector<std::string> texts{" 2500", " 5", " 3", "1250", "25", "12.5", "0.75", "2e3"};
  for (const double value : RealisticResults()) texts.push_back(*celforo::ResultText(value));
  return texts;
}

// The naive way: the C library's locale-dependent conversions.
double NaiveReadNumber(const std::string& text) {
  return std::strtod(text.c_str(), nullptr);
}

std::string NaiveResultText(double value) {
  char six[400];
  std::snprintf(six, sizeof six, "%.6f", value);
  const double readBack = std::strtod(six, nullptr);
  char shown[64];
  std::snprintf(shown, sizeof shown, "% .15G", readBack);
  return shown;
}

template <typename Read>
void ReadAll(benchmark::State& state, Read read) {
  const std::vector<std::string> texts = RealisticTexts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(read(texts[i]));
    if (++i == texts.size()) i = 0;
  }
}

template <typename Show>
void ShowAll(benchmark::State& state, Show show) {
  const std::vector<double> values = RealisticResults();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(show(values[i]));
    if (++i == values.size()) i = 0;
  }
}

void BM_ReadNumber(benchmark::State& state) {
  ReadAll(state, [](const std::string& text) { return celforo::ReadNumber(text); });
}
void BM_NaiveReadNumber(benchmark::State& state) {
  ReadAll(state, NaiveReadNumber);
}
void BM_ResultText(benchmark::State& state) {
  ShowAll(state, celforo::ResultText);
}
void BM_NaiveResultText(benchmark::State& state) {
  ShowAll(state, NaiveResultText);
}

// One body's size at one instant, the bodies and instants taken in turn over
// 1800-2050, so that no answer is carried from one call to the next.
void BM_ApparentSize(benchmark::State& state) {
  std::mt19937_64 engine(11);
  std::uniform_real_distribution<double> day(2378497.0, 2469807.0);
  std::vector<double> days(4096);
  for (double& d : days) d = day(engine);
  std::size_t i = 0;
  for (auto _ : state) {
    const auto target = static_cast<celforo::Target>(i % celforo::kTargets.size());
    benchmark::DoNotOptimize(
        celforo::ApparentSize(target, celforo::UniversalTime(days[i % days.size()])));
    ++i;
  }
}

// What the planning panel asks for at each keystroke with a site: the
// target's place, its rising, transit and setting, the night with its
// twilights, best time and span, and the night's curve of 97 instants (one a
// quarter of an hour over a long night), for Turin, the targets and nights
// of 2026 taken in turn.
void BM_NightPlan(benchmark::State& state) {
  const celforo::Site turin{45.07, 7.69, 240};
  const celforo::UniversalTime start = celforo::UtcInstant({2026, 1, 1, 20, 0, 0});
  std::size_t i = 0;
  for (auto _ : state) {
    const auto target = static_cast<celforo::Target>(i % celforo::kTargets.size());
    const celforo::UniversalTime instant = start + celforo::Days(static_cast<double>(i % 365));
    const celforo::TimeSpan day{instant - celforo::Days(0.8), instant + celforo::Days(0.2)};
    benchmark::DoNotOptimize(celforo::PlanSky(target, turin, instant, day, 30, 97));
    ++i;
  }
}

BENCHMARK(BM_ReadNumber);
BENCHMARK(BM_NaiveReadNumber);
BENCHMARK(BM_ResultText);
BENCHMARK(BM_NaiveResultText);
BENCHMARK(BM_ApparentSize);
BENCHMARK(BM_NightPlan)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
