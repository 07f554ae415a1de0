#pragma once
// One engine call: names.dat, the problem loop, and the end of the run.
#include <ctime>
#include <filesystem>
#include <functional>
#include <ostream>

namespace korvex::engine {

inline constexpr int kInterfaceCode = 15;

struct RunEnvironment {
  // Folder of names.dat and the scratch files; relative paths in names.dat
  // are taken from here too.
  std::filesystem::path work_dir = ".";
  std::ostream* console = nullptr;  // standard output when null
  // Local date and time printed in each problem's report; the system clock
  // when empty.
  std::function<std::tm()> now;
};

// Runs the analysis. Returns 1 when `interface_code` is not 15 (nothing is
// read or written), 0 otherwise, whatever happened in the run.
int run_engine(int interface_code, const RunEnvironment& env);

}  // namespace korvex::engine
