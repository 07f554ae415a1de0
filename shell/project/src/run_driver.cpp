#include "korvex/project/run_driver.h"

#include <cstdint>
#include <fstream>
#include <system_error>

#include "korvex/project/input_checks.h"
#include "korvex/project/replacing_file.h"
#include "korvex/project/run_folder.h"

namespace korvex::project {
namespace fs = std::filesystem;
namespace {

using EntryPoint = std::int32_t (*)(std::int32_t);
constexpr std::int32_t kInterfaceCode = 15;

}  // namespace

RunOutcome TRunDriver::Run(TProgramData& project, UserDialogs& dialogs, const RunSettings& settings,
                           const RunHooks& hooks) {
  if (hooks.save) hooks.save(project);
  if (project.DataFileName == kDefaultDataFileName) return RunOutcome::kNotSaved;
  if (!CheckInput(project, dialogs)) return RunOutcome::kCheckFailed;

  std::error_code ec;
  const fs::path data_file = fs::absolute(project.DataFileName, ec);
  const fs::path names = settings.run_folder / kNamesFile;
  CurrentDirectory cwd(settings.run_folder);
  {
    std::ofstream out(names, std::ios::binary | std::ios::trunc);
    write_names_file(out, data_file.string(), settings.user);
    out.close();
    if (!out) throw ProjectFileError("Cannot write file " + names.string());
  }

  if (library_) {
    dialogs.Information("Attempt to reinitialize DLL");
    return RunOutcome::kAlreadyLoaded;
  }
  EntryPoint entry = nullptr;
  try {
    library_ = std::make_unique<TDynamicLibrary>();
    library_->SetLibraryName((settings.program_folder / engine_library_file_name()).string());
    library_->Load();
    entry = reinterpret_cast<EntryPoint>(library_->GetEntry("_IKORVEX"));
  } catch (const EDLLError&) {
    entry = nullptr;
  }
  if (!entry) {
    library_.reset();
    dialogs.Information("Attempt to initialize DLL failed");
    return RunOutcome::kEngineNotLoaded;
  }

  // The library is freed and names.dat deleted however the rest ends.
  struct Release {
    TRunDriver& driver;
    fs::path names;
    ~Release() {
      driver.library_.reset();
      std::error_code ignored;
      fs::remove(names, ignored);
    }
  } release{*this, names};

  const std::int32_t result = entry(kInterfaceCode);
  RunOutcome outcome;
  if (result == 1) {
    dialogs.Information(
        "Computations can not be performed. Executable files are not consistent.\n"
        "You may need to reinstall the program.\n"
        "If the problem remains, please contact Korvex technical support.");
    outcome = RunOutcome::kNotComputed;
  } else {
    dialogs.Information(
        "Computations are completed. Please, check output file for results or error messages.");
    const std::string plot = with_extension(data_file.string(), ".kv5p");
    if (fs::exists(plot, ec) && hooks.read_plot_data)
      results_available_ = hooks.read_plot_data(plot);
    outcome = RunOutcome::kCompleted;
  }
  if (hooks.after_run) hooks.after_run();
  return outcome;
}

}  // namespace korvex::project
