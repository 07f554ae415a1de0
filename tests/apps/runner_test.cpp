// korvex-run end to end: outputs beside the data file, the summary, JSON,
// several files, and the exit status.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "engine_harness.h"
#include "run_summary.h"

namespace fs = std::filesystem;
using korvex::test::fresh_folder;
using korvex::test::read_file;
using korvex::test::write_file;

namespace {

struct Result {
  int status;
  std::string out;
};

Result run(const std::string& args, const fs::path& runner = KORVEX_RUN) {
  const std::string cmd = "'" + runner.string() + "' " + args + " 2>&1";
  Result r{-1, {}};
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return r;
  std::array<char, 4096> buf{};
  while (std::fgets(buf.data(), buf.size(), p)) r.out += buf.data();
  const int raw = pclose(p);
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return r;
}

fs::path copy_example(const fs::path& dir, const std::string& rel) {
  const fs::path src = fs::path(KORVEX_SOURCE_DIR) / rel;
  const fs::path dst = dir / src.filename();
  fs::copy_file(src, dst);
  return dst;
}

}  // namespace

TEST(Runner, AnalysesAFileAndSummarisesIt) {
  const fs::path dir = fresh_folder("runner");
  const fs::path data = copy_example(dir, "examples/tied-back-soldier-pile/soldier-pile.kv5d");
  const Result r = run("'" + data.string() + "'");
  EXPECT_EQ(r.status, 0) << r.out;
  for (const char* ext : {".kv5o", ".kv5p", ".kv5r"})
    EXPECT_TRUE(fs::exists(fs::path(data).replace_extension(ext))) << ext;
  EXPECT_NE(r.out.find("passes 34, closed"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("max |moment| -2.3700E+02 kN-m at depth 4.6000E+00 m"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("tieback 1 at station 8"), std::string::npos) << r.out;
  // names.dat went into a run folder of its own, not beside the data.
  EXPECT_FALSE(fs::exists(dir / "names.dat"));
  fs::remove_all(dir);
}

TEST(Runner, JsonForSeveralFilesAndTheWorstStatus) {
  const fs::path dir = fresh_folder("json");
  const fs::path good = copy_example(dir, "examples/cantilever-sheet-pile/cantilever.kv5d");
  write_file(dir / "bad.kv5d", "Bad wall\n1 0\t1\t0\t0\t0 0 1 0 0\n0 12\t1\t1e-5\t0\t12\n");
  const Result r = run("--json '" + good.string() + "' '" + (dir / "bad.kv5d").string() + "'");
  EXPECT_EQ(r.status, 2) << r.out;
  EXPECT_EQ(r.out.front(), '[');
  EXPECT_NE(r.out.find("\"status\":\"solved\""), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\"status\":\"input-error\",\"message\":\"ERROR -- THE WALL NEEDS AT "
                       "LEAST ONE INCREMENT\""),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\"closed\":true"), std::string::npos);
  EXPECT_NE(r.out.find("\"max_moment\":{\"value\":"), std::string::npos);
  fs::remove_all(dir);
}

TEST(Runner, EngineMissingBesideTheRunner) {
  const fs::path dir = fresh_folder("nolib");
  fs::copy_file(KORVEX_RUN, dir / "korvex-run");
  fs::permissions(dir / "korvex-run", fs::perms::owner_all);
  const fs::path data = copy_example(dir, "examples/cantilever-sheet-pile/cantilever.kv5d");
  const Result r = run("'" + data.string() + "'", dir / "korvex-run");
  EXPECT_EQ(r.status, 1) << r.out;
  EXPECT_NE(r.out.find("Attempt to initialize DLL failed: Library could not be located"),
            std::string::npos)
      << r.out;
  fs::remove_all(dir);
}

// The runner beside a stand-in library under the engine's name.
TEST(Runner, EngineThatCannotComputeOrHasNoEntry) {
  const std::pair<const char*, const char*> cases[] = {
      {KORVEX_FAKE_REFUSES, "Computations can not be performed. Executable files are not "
                            "consistent."},
      {KORVEX_FAKE_NO_ENTRY, "the engine library has no entry point _IKORVEX"}};
  for (const auto& [library, message] : cases) {
    const fs::path dir = fresh_folder("fake");
    fs::copy_file(KORVEX_RUN, dir / "korvex-run");
    fs::copy_file(library, dir / fs::path(KORVEX_ENGINE_LIBRARY).filename());
    const fs::path data = copy_example(dir, "examples/cantilever-sheet-pile/cantilever.kv5d");
    const Result r = run("'" + data.string() + "'", dir / "korvex-run");
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find(message), std::string::npos) << r.out;
    EXPECT_FALSE(fs::exists(fs::path(data).replace_extension(".kv5o")));
    fs::remove_all(dir);
  }
}

TEST(Runner, UsageAndMissingFiles) {
  EXPECT_EQ(run("").status, 2);
  EXPECT_EQ(run("--frobnicate x.kv5d").status, 2);
  const Result r = run("/nonexistent/wall.kv5d");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.out.find("input error: cannot open the data file"), std::string::npos);
}

TEST(Summary, ReadsConditionsWarningsTiebacksAndExtremes) {
  // A report and plot made in-process: a wall whose deflection limit is hit.
  std::string data = read_file(fs::path(KORVEX_SOURCE_DIR) /
                               "examples/tied-back-soldier-pile/soldier-pile.kv5d");
  data.replace(data.find("0.5\t1E-6"), 8, "0.001\t1E-6");
  const auto out = korvex::test::run_engine_on(data, "limit");
  std::istringstream report(out.report), plot(out.plot);
  const auto s = korvex::run::summarize(report, &plot);
  ASSERT_EQ(s.problems.size(), 1U);
  const auto& p = s.problems[0];
  EXPECT_TRUE(s.ended);
  EXPECT_TRUE(p.solved);
  EXPECT_FALSE(p.closed);
  EXPECT_EQ(p.passes, 1);
  ASSERT_FALSE(p.conditions.empty());
  EXPECT_EQ(p.conditions[0].rfind("***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***", 0), 0U);
  ASSERT_EQ(p.tiebacks.size(), 1U);
  EXPECT_EQ(p.tiebacks[0].station, 8);
  ASSERT_TRUE(p.deflection.has_value());
  EXPECT_EQ(p.unit_system, 2);
}

TEST(Summary, WarningsKeepTheirTextAndNotTheTableBelow) {
  const std::string report =
      "               Date:  May 15, 2015     Time:  09:30:05\n\n      Title\n"
      "**** WARNING ******\n"
      "THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.\n"
      "           2          0.100E+01         0.100E+01         0.000E+00\n"
      "     END OF ANALYSIS                             \n";
  std::istringstream in(report);
  const auto s = korvex::run::summarize(in, nullptr);
  ASSERT_EQ(s.problems.size(), 1U);
  ASSERT_EQ(s.problems[0].warnings.size(), 1U);
  EXPECT_EQ(s.problems[0].warnings[0],
            "**** WARNING ****** THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL "
            "FRICTION ANGLE OF SAND.");
}
