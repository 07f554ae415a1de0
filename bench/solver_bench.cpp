// One solver pass at several wall lengths, one whole iteration of a p-y
// problem, and a whole in-process run of the bundled example.
#include <benchmark/benchmark.h>

#include <memory>

#include "korvex/engine/beam_solver.h"
#include "korvex/engine/iteration.h"

#ifdef KORVEX_BENCH_WHOLE_RUN
#include "engine_harness.h"
#endif

namespace {

using namespace korvex::engine;

// A cantilever on springs with a fixed tip: every coefficient is live.
std::unique_ptr<StationArrays> wall(int n, Geometry& g) {
  auto st = std::make_unique<StationArrays>();
  g.set(n, 6.0);
  st->KODE.fill(kFree);
  st->KODE[n + 3] = kAboveSlope;
  st->KODE[n + 4] = kSlopeDeflection;
  st->KODE[n + 5] = kBelowSlope;
  for (int j = 0; j <= n; ++j) {
    const int J = j + 4;
    st->F[J] = (j == 0 || j == n) ? 2.5e9 : 5e9;
    st->QQ[J] = 40.0;
    st->SS[J] = j > n / 3 ? 300.0 * (j - n / 3) : 0.0;
  }
  return st;
}

void SolverPass(benchmark::State& state) {
  Geometry g;
  auto st = wall(static_cast<int>(state.range(0)), g);
  for (auto _ : state) {
    const PassCounts c = solve_pass(*st, g, 100.0, 1e-5);
    benchmark::DoNotOptimize(c);
    benchmark::DoNotOptimize(st->Y.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SolverPass)->Arg(100)->Arg(300)->Arg(407);

#ifdef KORVEX_BENCH_WHOLE_RUN
void WholeRunOfTheBundledExample(benchmark::State& state) {
  const std::string data = korvex::test::read_file(
      std::string(KORVEX_SOURCE_DIR) + "/examples/cantilever-sheet-pile/cantilever.kv5d");
  for (auto _ : state) {
    auto out = korvex::test::run_engine_on(data, "bench");
    benchmark::DoNotOptimize(out.report.data());
  }
}
BENCHMARK(WholeRunOfTheBundledExample)->Unit(benchmark::kMillisecond);

// A 300-increment wall on 60 user p-y curves, through its files.
void WholeRunOf300Increments(benchmark::State& state) {
  std::string data = "Long wall\n1 1\t1\t0\t1\t1 60 1 0 0\n300 1.2\t100\t1e-05\t144\t12\n";
  data += "3\t300\t0\t0\n0\t300\t1\t5.336e9\n0\n0\n2\n0\t0\n144\t40\n";
  for (int c = 0; c < 60; ++c) {
    const int node = 121 + c * 3;
    const double k = 50.0 * (node - 120);
    data += std::to_string(node) + "\t5\t1\t1\n-2\t" + std::to_string(k) + "\n-0.2\t" +
            std::to_string(0.2 * k) + "\n0\t0\n0.2\t" + std::to_string(-0.2 * k) + "\n2\t" +
            std::to_string(-0.3 * k) + "\n";
  }
  data += "0\n";
  for (auto _ : state) {
    auto out = korvex::test::run_engine_on(data, "bench300");
    benchmark::DoNotOptimize(out.report.data());
  }
}
BENCHMARK(WholeRunOf300Increments)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
