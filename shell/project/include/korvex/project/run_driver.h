#pragma once
// TRunDriver: the "Run Analysis" command. Saves the project, checks it,
// writes names.dat into the run folder, loads the engine library from the
// program's folder, calls its entry point with 15 on the calling thread,
// reports the outcome, hands the plot-data file to the graphs, unloads the
// library and deletes names.dat.
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "korvex/project/dynlib.h"
#include "korvex/project/names_file_writer.h"
#include "korvex/project/program_data.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::project {

struct RunSettings {
  std::filesystem::path program_folder;  // holds the engine library
  // Per-user writable folder: names.dat and the engine's scratch files; the
  // current directory during the call.
  std::filesystem::path run_folder;
  UserIdentification user;
};

struct RunHooks {
  // The Save command; it may ask for a name (a project left with the default
  // name is not run).
  std::function<void(TProgramData&)> save;
  // Reads the plot-data file into the graphs after a run; true on success.
  std::function<bool(const std::string& plot_file)> read_plot_data;
  // Updates the result buttons and closes the child windows.
  std::function<void()> after_run;
};

enum class RunOutcome {
  kNotSaved,         // still the default name: nothing shown
  kCheckFailed,      // a check warning was shown
  kAlreadyLoaded,    // "Attempt to reinitialize DLL"
  kEngineNotLoaded,  // "Attempt to initialize DLL failed"; names.dat stays
  kNotComputed,      // the engine returned 1
  kCompleted,
};

class TRunDriver {
 public:
  // names.dat that cannot be written raises ProjectFileError before any
  // engine call.
  RunOutcome Run(TProgramData& project, UserDialogs& dialogs, const RunSettings& settings,
                 const RunHooks& hooks);
  // Whether the last completed run's plot data was read.
  bool ResultsAvailable() const noexcept { return results_available_; }

 private:
  std::unique_ptr<TDynamicLibrary> library_;  // only during a run
  bool results_available_ = false;
};

}  // namespace korvex::project
