// Golden files: every folder of tests/golden holding one data file (or an
// "input.txt" naming one in the repository) and the expected report, plot
// and monitor files is run in-process and compared byte for byte.
// KORVEX_REGENERATE_GOLDEN=1 rewrites the expected files instead
// (scripts/regen-golden.sh).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "engine_harness.h"

namespace fs = std::filesystem;
using namespace korvex::test;

namespace {

const fs::path kRoot = KORVEX_SOURCE_DIR;

struct GoldenCase {
  std::string name;
  fs::path folder;
  fs::path data;
};

std::vector<GoldenCase> golden_cases() {
  std::vector<GoldenCase> cases;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(kRoot / "tests" / "golden", ec)) {
    if (!entry.is_directory()) continue;
    GoldenCase c{entry.path().filename().string(), entry.path(), {}};
    if (fs::exists(entry.path() / "input.txt")) {
      std::string rel = read_file(entry.path() / "input.txt");
      rel.erase(rel.find_last_not_of(" \r\n") + 1);
      c.data = kRoot / rel;
    } else {
      for (const auto& f : fs::directory_iterator(entry.path()))
        if (f.path().extension() == ".kv5d") c.data = f.path();
    }
    if (!c.data.empty()) cases.push_back(c);
  }
  std::sort(cases.begin(), cases.end(),
            [](const GoldenCase& a, const GoldenCase& b) { return a.name < b.name; });
  return cases;
}

std::string unix_lines(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '\r'), s.end());
  return s;
}

// The first line where two texts differ, for a readable failure.
std::string first_difference(const std::string& want, const std::string& got) {
  std::istringstream a(want), b(got);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool ea = !std::getline(a, la), eb = !std::getline(b, lb);
    if (ea && eb) return "identical";
    if (ea != eb || la != lb)
      return "line " + std::to_string(line) + "\n  expected: [" + (ea ? "<end>" : la) +
             "]\n  actual:   [" + (eb ? "<end>" : lb) + "]";
  }
}

class Golden : public ::testing::TestWithParam<GoldenCase> {};

}  // namespace

TEST_P(Golden, OutputFilesMatch) {
  const GoldenCase& c = GetParam();
  const std::string stem = c.data.stem().string();
  const EngineOutput out = run_engine_on(read_file(c.data), stem);
  ASSERT_EQ(out.result, 0);
  const bool regenerate = std::getenv("KORVEX_REGENERATE_GOLDEN") != nullptr;
  const std::pair<const char*, const std::string*> files[] = {
      {".kv5o", &out.report}, {".kv5p", &out.plot}, {".kv5r", &out.monitor}};
  for (const auto& [ext, text] : files) {
    const fs::path expected = c.folder / (stem + ext);
    if (regenerate) {
      write_file(expected, *text);
      continue;
    }
    ASSERT_TRUE(fs::exists(expected)) << expected << " is missing; run scripts/regen-golden.sh";
    const std::string want = unix_lines(read_file(expected));
    EXPECT_TRUE(want == unix_lines(*text))
        << c.name << ext << ": " << first_difference(want, unix_lines(*text));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, ::testing::ValuesIn(golden_cases()),
                         [](const ::testing::TestParamInfo<GoldenCase>& p) {
                           std::string n = p.param.name;
                           for (char& ch : n)
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           return n;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Golden);
