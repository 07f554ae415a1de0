// p-y generation: the driver alone on a deep layered profile, and a whole
// engine run of the generated-curve examples.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

#include "korvex/engine/unit_labels.h"
#include "korvex/soil/py_generation.h"

#ifdef KORVEX_BENCH_WHOLE_RUN
#include "engine_harness.h"
#endif

namespace {

using namespace korvex::soil;

// Twelve layers of every soil type below a 10 ft cut: 60 curves.
StageInput deep_profile() {
  StageInput in;
  in.unit_system = 1;
  in.py_curve_code = 2;
  in.free_height = 120.0;
  in.active_width = 48.0;
  in.py_width = 24.0;
  in.water_depth_backfill = 200.0;
  in.node_count = 300;
  in.increment_length = 6.0;
  in.wall_length = 1800.0;
  const SoilParameters by_type[] = {
      {0.06, 5.0, 0.0, 0.02, 0.0, 0.0},        {0.068, 14.0, 0.0, 0.005, 500.0, 0.0},
      {0.068, 12.0, 0.0, 0.007, 0.0, 0.0},     {0.07, 0.0, 34.0, 0.0, 90.0, 0.0},
      {0.068, 2.0, 28.0, 0.0, 60.0, 0.0},      {0.085, 3000.0, 0.0, 0.0, 0.0, 0.0},
      {0.081, 900.0, 0.0, 0.0005, 1.5e5, 60.0}};
  double bottom = 120.0;
  for (int i = 0; i < 12; ++i) {
    const int type = 1 + (i * 3) % 7;
    SoilLayer l{type, bottom + 120.0, 120.0, by_type[type - 1], by_type[type - 1]};
    if (i == 0) l.thickness = bottom + 120.0;
    bottom += 120.0;
    in.layers.push_back(l);
  }
  return in;
}

void BM_GeneratePyCurves(benchmark::State& state) {
  const StageInput in = deep_profile();
  const auto labels = korvex::engine::UnitLabels::for_code(1);
  for (auto _ : state) {
    std::ostringstream report, monitor, console, curves;
    generate_py_curves(in, 8.0, labels, {report, monitor, console}, curves);
    benchmark::DoNotOptimize(curves.str().size());
  }
}
BENCHMARK(BM_GeneratePyCurves);

#ifdef KORVEX_BENCH_WHOLE_RUN
void BM_WholeRunGeneratedCurves(benchmark::State& state, const char* example) {
  const std::string data =
      korvex::test::read_file(std::string(KORVEX_SOURCE_DIR) + "/examples/" + example);
  for (auto _ : state) {
    const auto out = korvex::test::run_engine_on(data, "bench");
    benchmark::DoNotOptimize(out.report.size());
  }
}
BENCHMARK_CAPTURE(BM_WholeRunGeneratedCurves, sheet_pile_sand,
                  "sheet-pile-sand-generated/sheet-pile-sand.kv5d");
BENCHMARK_CAPTURE(BM_WholeRunGeneratedCurves, soldier_pile_clay_si,
                  "soldier-pile-stiff-clay-si/soldier-pile-clay.kv5d");
BENCHMARK_CAPTURE(BM_WholeRunGeneratedCurves, socketed_weak_rock,
                  "socketed-wall-weak-rock/socketed-wall.kv5d");
#endif

}  // namespace
