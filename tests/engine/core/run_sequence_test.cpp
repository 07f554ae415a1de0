// The run sequence: interface code, names.dat, problem loop, terminators,
// headings, result blocks, and how input errors end the run.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "engine_harness.h"
#include "korvex/engine/run_sequence.h"

namespace fs = std::filesystem;
using namespace korvex::test;

namespace {

// A small linear wall: N = 10, h = 12, one load at the top, fixed tip.
std::string problem(const std::string& title, int stage_count, int terminator,
                    const std::string& tail_before_terminator = "") {
  return title + "\n1 1\t1\t0\t0\t0 0 " + std::to_string(stage_count) +
         " 0 0\n10 12\t100\t1e-05\t0\t12\n3\t10\t0\t0\n0\t10\t1\t1e9\n1\n1\t0\t0\t100\t0\t0\n0\n" +
         tail_before_terminator + std::to_string(terminator) + "\n";
}

int count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto p = text.find(what); p != std::string::npos; p = text.find(what, p + 1)) ++n;
  return n;
}

// Headers of the result blocks ("NCASES NROWS UNITS") in a plot file.
std::vector<std::string> block_headers(const std::string& plot) {
  std::vector<std::string> out;
  std::istringstream in(plot);
  for (std::string l; std::getline(in, l);) {
    std::istringstream ls(l);
    int a, b, c;
    std::string extra;
    if ((ls >> a >> b >> c) && !(ls >> extra) && l.find('.') == std::string::npos)
      out.push_back(l);
  }
  return out;
}

}  // namespace

TEST(InterfaceCode, OtherCodesTouchNothing) {
  const fs::path dir = fresh_folder("code");
  write_file(dir / "names.dat", "2015.5.15\n\n, \n0\nw.kv5d\nw.kv5o\nw.kv5p\nw.kv5r\n");
  write_file(dir / "w.kv5o", "old report");
  for (int code : {14, 16, 0}) {
    korvex::engine::RunEnvironment env;
    env.work_dir = dir;
    EXPECT_EQ(korvex::engine::run_engine(code, env), 1);
  }
  EXPECT_EQ(read_file(dir / "w.kv5o"), "old report");
  EXPECT_FALSE(fs::exists(dir / "w.kv5p"));
  fs::remove_all(dir);
}

TEST(NamesFile, IncompleteListWritesTheConsoleMessageOnly) {
  const fs::path dir = fresh_folder("names");
  write_file(dir / "names.dat", "2015.5.15\nuser\norg, place\n0\n");
  std::ostringstream console;
  korvex::engine::RunEnvironment env;
  env.work_dir = dir;
  env.console = &console;
  EXPECT_EQ(korvex::engine::run_engine(15, env), 0);
  EXPECT_EQ(console.str(),
            " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

TEST(NamesFile, LongPathsAreReadWhole) {
  const fs::path dir = fresh_folder("long");
  const std::string folder = std::string(100, 'a') + "/" + std::string(100, 'b') + "/" +
                             std::string(100, 'c');
  fs::create_directories(dir / folder);
  const std::string base = folder + "/wall";
  write_file(dir / (base + ".kv5d"), problem("Long path", 1, 0));
  write_file(dir / "names.dat", "2015.5.15\n\n, \n0\n" + base + ".kv5d\n" + base + ".kv5o\n" +
                                    base + ".kv5p\n" + base + ".kv5r\n");
  korvex::engine::RunEnvironment env;
  env.work_dir = dir;
  EXPECT_EQ(korvex::engine::run_engine(15, env), 0);
  const std::string report = read_file(dir / (base + ".kv5o"));
  EXPECT_NE(report.find("Path to file locations      : " + folder + "/\n"), std::string::npos);
  EXPECT_NE(report.find("END OF ANALYSIS"), std::string::npos);
  fs::remove_all(dir);
}

TEST(ProblemLoop, SingleCase) {
  const auto out = run_engine_on(problem("Single", 1, 0));
  EXPECT_EQ(block_headers(out.plot), std::vector<std::string>{" 1 12 1"});
  EXPECT_EQ(out.plot.rfind(" 0\n 1 0\n", 0), 0U);  // no earth pressure, no p-y curves
  EXPECT_NE(out.report.find("\n     END OF ANALYSIS                             \n"),
            std::string::npos);
  EXPECT_EQ(count(out.report, "RESULTS -- ITERATION"), 1);
  // A linear wall closes in pass 2: pass 1 moves the deflections from zero.
  EXPECT_NE(out.report.find("RESULTS -- ITERATION  2"), std::string::npos);
  EXPECT_EQ(count(out.monitor, "\n      "), 2);
}

TEST(ProblemLoop, ShortTermThenLongTerm) {
  const auto out = run_engine_on(problem("Short and long", 1, 9) + problem("ignored", 1, 0));
  EXPECT_EQ(block_headers(out.plot), (std::vector<std::string>{" 2 12 1", " 2 12 1"}));
  // Both headings of the second problem carry the first title.
  EXPECT_EQ(count(out.report, "      Long Term :  Short and long"), 2);
  EXPECT_EQ(count(out.report, "ignored"), 0);
  EXPECT_EQ(count(out.report, "KORVEX for Windows"), 2);
}

TEST(ProblemLoop, ThreeStages) {
  const auto out = run_engine_on(problem("Stage one", 3, 1) + problem(" Stage No : 2", 3, 2) +
                                 problem(" Stage No : 3", 3, 3));
  EXPECT_EQ(block_headers(out.plot),
            (std::vector<std::string>{" 3 12 1", " 3 12 1", " 3 12 1"}));
  for (const char* heading : {"Stage No : 1  Stage one", "Stage No : 2  Stage one",
                              "Stage No : 3  Stage one"})
    EXPECT_EQ(count(out.report, heading), 2) << heading;
  EXPECT_EQ(count(out.report, "Time and Date of Analysis"), 3);
  EXPECT_EQ(count(out.report, "END OF ANALYSIS"), 1);
}

TEST(ProblemLoop, ErrorInTheSecondOfThreeStages) {
  // Stage 2 puts a load below the tip.
  std::string bad = problem(" Stage No : 2", 3, 2);
  bad.replace(bad.find("1\t0\t0\t100"), 9, "1\t11\t11\t100");
  const auto out =
      run_engine_on(problem("Stage one", 3, 1) + bad + problem(" Stage No : 3", 3, 3));
  EXPECT_EQ(count(out.report, "RESULTS -- ITERATION"), 1);
  EXPECT_NE(out.report.find("\n\n\n     ERROR -- NON-ZERO TABLE 4 DATA BEYOND END\n\n\n\n"
                            "     END OF ANALYSIS"),
            std::string::npos);
  // Stage 1's block, then one more with stage 1's profile.
  const auto headers = block_headers(out.plot);
  ASSERT_EQ(headers.size(), 2U);
  const auto first = out.plot.find(headers[0]);
  const auto last = out.plot.rfind(headers[1]);
  EXPECT_EQ(out.plot.substr(first, 12 * 70), out.plot.substr(last, 12 * 70));
}

TEST(ProblemLoop, ATerminatorAnnouncingAMissingProblem) {
  const auto out = run_engine_on(problem("T", 1, 5));
  EXPECT_EQ(count(out.report, "RESULTS -- ITERATION"), 1);
  EXPECT_NE(out.report.find("     ERROR -- DATA FILE ENDS IN RECORD 1 (TITLE) AFTER LINE 9\n"),
            std::string::npos);
  // The solved problem's block, and the final block with the same profile.
  EXPECT_EQ(block_headers(out.plot), (std::vector<std::string>{" 1 12 1", " 1 12 1"}));
}

// Input the engine cannot use ends the run with a message in the report and
// "END OF ANALYSIS", never a crash.
struct BadInput {
  const char* name;
  std::string data;
  const char* message;
};

class InputErrors : public ::testing::TestWithParam<BadInput> {};

TEST_P(InputErrors, EndTheRunWithTheirMessage) {
  const auto out = run_engine_on(GetParam().data);
  EXPECT_EQ(out.result, 0);
  // The message follows two empty lines (the report may start with them).
  EXPECT_NE(("\n" + out.report).find("\n\n\n     " + std::string(GetParam().message) + "\n"),
            std::string::npos)
      << out.report.substr(out.report.size() > 600 ? out.report.size() - 600 : 0);
  EXPECT_NE(out.report.find("END OF ANALYSIS"), std::string::npos);
  EXPECT_EQ(count(out.report, "RESULTS -- ITERATION"), 0);
  // The final block holds no rows when no problem was solved.
  EXPECT_EQ(block_headers(out.plot).back(), " 1 0 1");
}

namespace {

std::string with(std::string text, const std::string& from, const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

const std::string kGood = problem("T", 1, 0);

std::string many_conditions(int n) {
  std::string rows;
  for (int i = 0; i < n; ++i) rows += "1\t" + std::to_string(i % 10) + "\t0\t0\n";
  return "T\n1 " + std::to_string(n) + "\t1\t0\t0\t0 0 1 0 0\n10 12\t100\t1e-05\t0\t12\n" + rows +
         "0\t10\t1\t1e9\n0\n0\n0\n";
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Cases, InputErrors,
    ::testing::Values(
        BadInput{"ConditionsNotInOrder",
                 with(with(kGood, "1 1\t1", "1 2\t1"), "3\t10\t0\t0\n", "1\t8\t0\t0\n1\t6\t0\t0\n"),
                 "ERROR STOP -- STATIONS NOT IN ORDER"},
        BadInput{"TwentyOneConditions", many_conditions(21), "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        BadInput{"LoadBeyondTheTip", with(kGood, "1\t0\t0\t100", "1\t11\t11\t100"),
                 "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        // Q and the negated axial load below the tip sum to zero.
        BadInput{"CancellingValuesBeyondTheTip", with(kGood, "1\t0\t0\t100\t0\t0", "1\t11\t11\t100\t0\t100"),
                 "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END"},
        BadInput{"RangeEndsAboveItsStart", with(kGood, "0\t10\t1\t1e9", "8\t2\t1\t1e9"),
                 "ERROR STOP -- STATIONS NOT IN ORDER"},
        BadInput{"TooManyIncrements", with(kGood, "10 12", "408 12"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        BadInput{"TooManyTiebacks", with(kGood, "0 0\n10 12", "0 21\n10 12"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        BadInput{"HugeLoadCount", with(kGood, "\n1\n1\t0", "\n2000000000\n1\t0"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        BadInput{"TooManyCurvePoints",
                 with(with(kGood, "0 0 1 0 0", "1 1 1 0 0"), "\n0\n0\n", "\n0\n5\t35\t1\t1\n0\n"),
                 "TOO MUCH DATA FOR AVAILABLE STORAGE"},
        BadInput{"StationOutsideTheWall", with(kGood, "1\t0\t0\t100", "1\t40\t40\t100"),
                 "ERROR STOP -- STATION OUTSIDE THE WALL IN RECORD 6 (CONCENTRATED LOADS) ON LINE 7"},
        BadInput{"NegativeStation", with(kGood, "1\t0\t0\t100", "1\t-2\t0\t100"),
                 "ERROR STOP -- STATION OUTSIDE THE WALL IN RECORD 6 (CONCENTRATED LOADS) ON LINE 7"},
        BadInput{"UnreadableValue", with(kGood, "1e9", "1e9x"),
                 "ERROR -- UNREADABLE VALUE IN RECORD 5 (WALL STIFFNESS) ON LINE 5: \"1e9x\" IS NOT A NUMBER"},
        BadInput{"FileEndsEarly", kGood.substr(0, kGood.find("0\t10\t1")),
                 "ERROR -- DATA FILE ENDS IN RECORD 5 (WALL STIFFNESS) AFTER LINE 4"},
        BadInput{"NoIncrements", with(kGood, "10 12", "0 12"),
                 "ERROR -- THE WALL NEEDS AT LEAST ONE INCREMENT"},
        BadInput{"ZeroIncrementLength", with(kGood, "10 12", "10 0"),
                 "ERROR -- THE INCREMENT LENGTH MUST BE POSITIVE"},
        // Fault found while hardening: these closed with NaN moments and shears.
        BadInput{"UnderflowingIncrementLength", with(kGood, "10 12", "10 1e-300"),
                 "ERROR -- THE INCREMENT LENGTH IS OUT OF RANGE"},
        BadInput{"OverflowingIncrementLength", with(kGood, "10 12", "10 1e200"),
                 "ERROR -- THE INCREMENT LENGTH IS OUT OF RANGE"},
        BadInput{"NegativeCount", with(kGood, "1 1\t1", "1 -1\t1"),
                 "ERROR -- NEGATIVE COUNT IN RECORD 2 (CONTROL) ON LINE 2"},
        BadInput{"UnknownCode", with(kGood, "\t0\t0\t0 0 1", "\t0\t7\t0 0 1"),
                 "ERROR -- UNKNOWN EARTH-PRESSURE OR P-Y CODE IN RECORD 2 (CONTROL) ON LINE 2"},
        BadInput{"TiebackWithoutSpacing",
                 with(with(kGood, "0 0\n10 12", "0 1\n10 12"), "\n0\n0\n", "\n0\n10\t1\t3e7\t20\t0\t0\t0\n0\n"),
                 "ERROR -- TIEBACK 1 NEEDS A POSITIVE SPACING, UNBONDED LENGTH AND WALL WIDTH"},
        BadInput{"OnePointCurve",
                 with(with(kGood, "0 0 1 0 0", "1 1 1 0 0"), "\n0\n0\n", "\n0\n5\t1\t1\t1\n0\t0\n0\n"),
                 "ERROR -- P-Y CURVE 1 NEEDS AT LEAST TWO POINTS"},
        BadInput{"OnePointMomentEi",
                 with(with(kGood, "0 0 1 0 0", "0 0 1 1 0"), "\n0\n0\n", "\n0\n0\t10\t1\n100\t1e9\n0\n"),
                 "ERROR -- MOMENT-EI CURVE 1 NEEDS AT LEAST TWO POINTS"},
        BadInput{"EmptyFile", std::string(), "ERROR -- DATA FILE ENDS IN RECORD 1 (TITLE) AFTER LINE 0"}),
    [](const ::testing::TestParamInfo<BadInput>& p) { return std::string(p.param.name); });

// User earth pressure with an additional line load: each point's surcharge
// part is WA times the published line-load pressure at the grid depth just
// above it (wall length / 200 steps), and the total is soil plus surcharge.
TEST(UserPressure, AdditionalSurchargesAddTheirPressure) {
  const std::string data =
      "Line load\n1 0\t1\t0\t1\t2 0 1 0 0\n40 6\t100\t1e-05\t120\t12\n0\t40\t1\t5e9\n0\n0\n"
      "3\n0\t0\n120\t40\n240\t80\n"
      "120\t12\t12\t1000\t1000\t1\t1\t0\n0\t0\t0\t0\t0\t0\n1\n2\t100\t60\t0\n"
      "1\n4 480 \n0.0694 0.0  32 0.0  90 0.0  \n0.0694 0.0  32 0.0  90 0.0  \n0\n";
  const auto out = run_engine_on(data);
  ASSERT_NE(out.report.find("END OF ANALYSIS"), std::string::npos) << out.report;
  std::istringstream plot(out.plot);
  int nep = 0;
  plot >> nep;
  ASSERT_EQ(nep, 3);
  const double H = 120, q = 100, m = 60 / H, dz = 240.0 / 200;
  for (int i = 0; i < 3; ++i) {
    double depth, total, soil, surcharge;
    plot >> depth >> total >> soil >> surcharge;
    double expected = 0;
    if (depth > dz) {
      const double zk = std::ceil(depth / dz - 1e-9) * dz - dz;  // largest grid depth below z
      const double n = zk / H;
      expected = 12 * (4 / 3.1416) * q * m * m * n / (H * std::pow(m * m + n * n, 2));
    }
    EXPECT_NEAR(surcharge, expected, 5e-3 * std::max(1.0, expected)) << depth;
    EXPECT_NEAR(total, (soil < 1e-6 ? 0.0 : soil) + surcharge, 5e-3 * std::max(1.0, total));
  }
}

// Fault found while hardening: a load beyond the range of doubles made every
// deflection NaN, and the pass was taken as closed because NaN fails every
// comparison. The report must not present such numbers as a solution.
TEST(SolutionConditions, NonFiniteDeflectionsExceedTheLimitAndDoNotClose) {
  std::string data = problem("Overflowing load", 1, 0);
  const std::string load = "1\t0\t0\t100\t0\t0\n";
  data.replace(data.find(load), load.size(), "1\t0\t0\t1e308\t0\t0\n");
  const auto out = run_engine_on(data);
  ASSERT_NE(out.report.find("NaN"), std::string::npos);  // the numbers the pass produced
  EXPECT_NE(out.report.find("MAX ALLOWABLE DEFLECTION EXCEEDED AT"), std::string::npos);
  EXPECT_NE(out.report.find("RESULTS -- ITERATION  1\n"), std::string::npos);
  EXPECT_NE(out.report.find("SOLUTION NOT CLOSED"), std::string::npos);
}
