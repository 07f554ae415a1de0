#pragma once
// One analysis through the engine library, as the shell runs it: names.dat
// in a fresh run folder made the current directory, the library loaded from
// the program's folder, one call with the interface code, library unloaded.
#include <filesystem>
#include <string>

namespace korvex::run {

struct EngineCall {
  enum class Status {
    Finished,     // the engine ran (input errors are in the report)
    NotLoaded,    // the library or its entry point could not be loaded
    NotComputed,  // the engine returned 1
  };
  Status status = Status::NotLoaded;
  std::string message;  // why it was not loaded
  std::string console;  // what the engine wrote to standard output
};

// `data_file` must be an absolute path; `library` the engine library file.
EngineCall call_engine(const std::filesystem::path& data_file,
                       const std::filesystem::path& library);

}  // namespace korvex::run
