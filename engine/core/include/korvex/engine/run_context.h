#pragma once
// The open files and streams of one engine call, shared by the run sequence,
// the input reading and the soil branch.
#include <filesystem>
#include <ostream>

#include "korvex/engine/list_reader.h"
#include "korvex/engine/report_writer.h"

namespace korvex::engine {

struct RunContext {
  ListReader& data;         // unit 5: the data file
  ReportWriter& report;     // unit 6
  std::ostream& report_stream;
  std::ostream& plot;       // unit 3
  std::ostream& monitor;    // unit 4: the result file
  std::ostream& console;
  std::filesystem::path scratch_dir;  // where "bmwall.001", "debug.dat" and "soildata" go
};

}  // namespace korvex::engine
