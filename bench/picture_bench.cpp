// What the planning picture costs: its whole display list, the view and the
// shapes, built from a target already computed (as the panel holds it), for
// the pictures with the most to draw.
#include <benchmark/benchmark.h>

#include <array>

#include "calc/date_time.h"
#include "calc/plan_columns.h"
#include "ui/plan_picture.h"

namespace {

using namespace celforo;

struct Case {
  Target target;
  CivilTime utc;
  std::optional<double> fieldStop;
  double focalLength;
};

// Jupiter with Io's shadow on the disc and its moons, two beyond the edge;
// Saturn with the field stop; Venus as a crescent; the Moon beyond the frame.
constexpr std::array<Case, 4> kCases{{
    {Target::Jupiter, {2016, 1, 2, 13, 30, 0}, 5.5, 5000},
    {Target::Saturn, {2026, 12, 7, 20, 30, 0}, 2.8, 5000},
    {Target::Venus, {2026, 12, 8, 5, 0, 0}, std::nullopt, 5000},
    {Target::Moon, {2026, 12, 12, 17, 0, 0}, std::nullopt, 2500},
}};

void BM_PlanPicture(benchmark::State& state) {
  const Case& c = kCases[static_cast<std::size_t>(state.range(0))];
  CameraAndTarget camera;
  camera.pixelSize = 3.75;
  camera.sensor = SensorPixels{1280, 960};
  camera.fieldStop = c.fieldStop;
  camera.target = TargetOnDateAt(c.target, UtcInstant(c.utc), camera.observing);
  for (auto _ : state) {
    const DisplayList list = PlanPicture(*ViewOf(camera, c.focalLength, c.focalLength / 2500));
    benchmark::DoNotOptimize(list.shapes.data());
  }
}

BENCHMARK(BM_PlanPicture)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
