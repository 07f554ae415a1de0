#pragma once
// What the runner prints about a finished run, read back from the report and
// the plot-data file the engine wrote.
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace korvex::run {

struct Extreme {
  double value = 0;  // the signed value with the largest magnitude
  double depth = 0;  // its depth from the top of the wall
};

struct TiebackResult {
  int number = 0;
  int station = 0;
  double depth = 0;
  double horizontal_per_station = 0;
  double along_per_station = 0;
  double per_tieback = 0;
};

struct ProblemSummary {
  std::string heading;  // the problem heading of the report
  bool solved = false;
  int passes = 0;
  bool closed = false;
  std::vector<std::string> conditions;  // condition lines of the results
  std::vector<std::string> warnings;    // warnings written with the input
  int unit_system = 0;
  std::optional<Extreme> deflection, moment, shear;
  std::vector<TiebackResult> tiebacks;
};

struct RunSummary {
  std::vector<ProblemSummary> problems;
  bool ended = false;         // "END OF ANALYSIS" was written
  std::string input_error;    // the report's error message, if any
};

// Reads the report (required) and the plot-data file (for the extremes).
RunSummary summarize(std::istream& report, std::istream* plot);

// Unit names for printed values of a unit system.
struct UnitNames {
  const char* length;
  const char* force;
  const char* moment;
};
UnitNames unit_names(int unit_system);

}  // namespace korvex::run
