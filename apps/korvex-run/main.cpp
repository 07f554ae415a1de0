// korvex-run: analyses data files with the engine library beside it and
// prints a summary of each. Exit status: 0 every problem solved, 2 a run
// ended at an input error, 1 the engine could not be loaded or computed.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "engine_call.h"
#ifdef KORVEX_HAVE_CONVERT
#include "convert_command.h"
#endif
#include "korvex/project/dynlib.h"
#include "korvex/project/names_file_writer.h"
#include "korvex/project/run_folder.h"
#include "summary_printer.h"

namespace fs = std::filesystem;
using namespace korvex;

namespace {

void usage(std::ostream& out) {
  out << "usage: korvex-run [--json] FILE.kv5d [FILE.kv5d ...]\n"
         "Analyses each data file; the report (.kv5o), plot data (.kv5p) and iteration\n"
         "monitor (.kv5r) are written beside it.\n";
#ifdef KORVEX_HAVE_CONVERT
  out << run::kConvertUsage;
#endif
}

run::FileReport analyse(const fs::path& file, const fs::path& library) {
  run::FileReport r;
  std::error_code ec;
  const fs::path data = fs::absolute(file, ec);
  r.data_file = data.string();
  r.report_file = project::with_extension(r.data_file, ".kv5o");
  r.plot_file = project::with_extension(r.data_file, ".kv5p");
  r.monitor_file = project::with_extension(r.data_file, ".kv5r");
  if (!fs::is_regular_file(data, ec)) {
    r.status = run::FileStatus::InputError;
    r.message = "cannot open the data file";
    return r;
  }
  run::EngineCall call;
  try {
    call = run::call_engine(data, library);
  } catch (const std::exception& e) {
    call.message = e.what();
  }
  r.console = call.console;
  if (call.status == run::EngineCall::Status::NotLoaded) {
    r.status = run::FileStatus::EngineError;
    r.message = "Attempt to initialize DLL failed: " + call.message;
    return r;
  }
  if (call.status == run::EngineCall::Status::NotComputed) {
    r.status = run::FileStatus::EngineError;
    r.message = "Computations can not be performed. Executable files are not consistent.";
    return r;
  }
  std::ifstream report(r.report_file);
  std::ifstream plot(r.plot_file);
  if (!report) {
    r.status = run::FileStatus::InputError;
    r.message = "the engine wrote no report";
    return r;
  }
  r.summary = run::summarize(report, plot ? &plot : nullptr);
  if (!r.summary.input_error.empty()) {
    r.status = run::FileStatus::InputError;
    r.message = r.summary.input_error;
  } else if (!r.summary.ended) {
    // The soil stage stopped the run; its reason went to the console.
    r.status = run::FileStatus::InputError;
    r.message = "the run stopped before the end of the analysis";
    std::string last;
    std::istringstream lines(r.console);
    for (std::string l; std::getline(lines, l);)
      if (l.find_first_not_of(' ') != std::string::npos) last = l.substr(l.find_first_not_of(' '));
    if (!last.empty()) r.message += ": " + last;
  }
  return r;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef KORVEX_HAVE_CONVERT
  if (argc > 1 && std::string(argv[1]) == "--convert")
    return run::run_convert({argv + 2, argv + argc},
                            project::program_folder(argv[0]) / "project_tables.ktd", std::cout,
                            std::cerr);
#endif
  bool json = false;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--json") {
      json = true;
    } else if (a == "-h" || a == "--help") {
      usage(std::cout);
      return 0;
    } else if (!a.empty() && a[0] == '-') {
      std::cerr << "korvex-run: unknown option " << a << '\n';
      usage(std::cerr);
      return 2;
    } else {
      files.emplace_back(a);
    }
  }
  if (files.empty()) {
    usage(std::cerr);
    return 2;
  }

  const fs::path library = project::program_folder(argv[0]) / project::engine_library_file_name();
  int status = 0;
  if (json) std::cout << '[';
  for (std::size_t i = 0; i < files.size(); ++i) {
    const run::FileReport r = analyse(files[i], library);
    if (json) {
      if (i) std::cout << ',';
      run::print_json(std::cout, r);
    } else {
      run::print_text(std::cout, r);
    }
    if (r.status == run::FileStatus::EngineError)
      status = 1;
    else if (r.status == run::FileStatus::InputError && status == 0)
      status = 2;
  }
  if (json) std::cout << "]\n";
  return status;
}
