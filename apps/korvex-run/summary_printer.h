#pragma once
// Text and JSON forms of the runner's summary of one data file.
#include <ostream>
#include <string>

#include "engine_call.h"
#include "run_summary.h"

namespace korvex::run {

enum class FileStatus { Solved, InputError, EngineError };

struct FileReport {
  std::string data_file;
  std::string report_file, plot_file, monitor_file;
  FileStatus status = FileStatus::Solved;
  std::string message;  // the input error or why the engine did not run
  std::string console;  // the engine's console lines
  RunSummary summary;
};

void print_text(std::ostream& out, const FileReport& r);
// One JSON object (no trailing newline).
void print_json(std::ostream& out, const FileReport& r);

}  // namespace korvex::run
