#pragma once
// Runs the engine in-process on a data file in a fresh scratch folder, with
// a fixed clock, and hands back the three output files.
#include <filesystem>
#include <string>
#include <vector>

namespace korvex::test {

struct EngineOutput {
  int result = -1;
  std::string report;   // .kv5o
  std::string plot;     // .kv5p
  std::string monitor;  // .kv5r
  std::string console;
  std::filesystem::path folder;  // where the run happened; removed unless KORVEX_KEEP_TEST_FILES is set
};

// Runs `data_text` as "<name>.kv5d" with relative names in names.dat.
EngineOutput run_engine_on(const std::string& data_text, const std::string& name = "wall");

std::string read_file(const std::filesystem::path& p);
void write_file(const std::filesystem::path& p, const std::string& text);

// A fresh empty folder under the build's temporary area.
std::filesystem::path fresh_folder(const std::string& hint);

// One row of the results table of the report, as printed.
struct ReportRow {
  int station;
  double depth, deflection, slope, moment, shear, reaction, ei;
};
// The rows of the n-th results table (0-based) of a report.
std::vector<ReportRow> report_rows(const std::string& report, int table = 0);

// Rows of a plot-file result block (depth, deflection, moment, shear, reaction).
struct ProfileRow {
  double depth, deflection, moment, shear, reaction;
};
// The last result block of a plot file.
std::vector<ProfileRow> last_profile(const std::string& plot);

}  // namespace korvex::test
