// Typed entry and text reading of the shell: the evaluator on long
// expressions, the word reader on a large data file, and loading the table
// definitions at start.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "korvex/numeric/evaluator.h"
#include "korvex/tables/definition_file.h"
#include "korvex/tables/table_registry.h"
#include "korvex/tables/word_reader.h"

namespace {

void BM_EvaluateSum(benchmark::State& state) {
  std::string text = "1";
  for (int i = 0; i < state.range(0); ++i) text += "+2.5*3";
  for (auto _ : state) benchmark::DoNotOptimize(korvex::numeric::Evaluate(text));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_EvaluateSum)->Range(8, 8192)->Complexity();

void BM_EvaluateNested(benchmark::State& state) {
  const auto depth = static_cast<std::size_t>(state.range(0));
  const std::string text = std::string(depth, '(') + "2" + std::string(depth, ')');
  for (auto _ : state) benchmark::DoNotOptimize(korvex::numeric::Evaluate(text));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_EvaluateNested)->Range(8, 4096)->Complexity();

void BM_WordReader(benchmark::State& state) {
  std::string text;
  for (int i = 0; i < state.range(0); ++i) text += "12\t3.5E-2\t-7.25\t100\n";
  for (auto _ : state) {
    std::istringstream in(text);
    korvex::tables::TWordReader reader(in);
    double sum = 0;
    for (int i = 0; i < state.range(0); ++i) {
      sum += reader.ReadInteger() + reader.ReadReal() + reader.ReadReal() + reader.ReadReal();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0) * 4);
}
BENCHMARK(BM_WordReader)->Arg(1000)->Arg(100000);

void BM_LoadTableDefinitions(benchmark::State& state) {
  std::ifstream in(KORVEX_SOURCE_DIR "/shell/tables/definitions/project_tables.ktd");
  std::stringstream s;
  s << in.rdbuf();
  const std::string text = s.str();
  for (auto _ : state) {
    korvex::tables::TableRegistry plain;
    korvex::tables::TableRegistry chart;
    auto set =
        korvex::tables::ReadDefinitions(text, korvex::tables::StandardTableClasses(plain, chart));
    benchmark::DoNotOptimize(set.Count());
  }
}
BENCHMARK(BM_LoadTableDefinitions);

}  // namespace
