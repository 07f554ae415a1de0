#include "engine_call.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "korvex/project/dynlib.h"
#include "korvex/project/names_file_writer.h"
#include "korvex/project/run_folder.h"

#if defined(_WIN32)
#include <io.h>
#define KORVEX_DUP _dup
#define KORVEX_DUP2 _dup2
#define KORVEX_CLOSE _close
#define KORVEX_FILENO _fileno
#else
#include <unistd.h>
#define KORVEX_DUP dup
#define KORVEX_DUP2 dup2
#define KORVEX_CLOSE close
#define KORVEX_FILENO fileno
#endif

namespace korvex::run {
namespace fs = std::filesystem;
namespace {

using EntryPoint = std::int32_t (*)(std::int32_t);

// Sends standard output to a file for the lifetime of the object, so that
// the engine's console lines can be reported with the run.
class ConsoleCapture {
 public:
  explicit ConsoleCapture(const fs::path& file) : file_(file) {
    std::cout.flush();
    std::fflush(stdout);
    sink_ = std::fopen(file.string().c_str(), "w");
    if (!sink_) return;
    saved_ = KORVEX_DUP(KORVEX_FILENO(stdout));
    if (saved_ < 0 || KORVEX_DUP2(KORVEX_FILENO(sink_), KORVEX_FILENO(stdout)) < 0) {
      std::fclose(sink_);
      sink_ = nullptr;
    }
  }
  ~ConsoleCapture() { release(); }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  std::string release() {
    if (!sink_) return text_;
    std::cout.flush();
    std::fflush(stdout);
    KORVEX_DUP2(saved_, KORVEX_FILENO(stdout));
    KORVEX_CLOSE(saved_);
    std::fclose(sink_);
    sink_ = nullptr;
    std::ifstream in(file_);
    std::ostringstream s;
    s << in.rdbuf();
    text_ = s.str();
    return text_;
  }

 private:
  fs::path file_;
  std::FILE* sink_ = nullptr;
  int saved_ = -1;
  std::string text_;
};

}  // namespace

EngineCall call_engine(const fs::path& data_file, const fs::path& library) {
  EngineCall result;
  project::RunFolder folder;
  project::CurrentDirectory cwd(folder.path());
  {
    std::ofstream names(project::kNamesFile);
    project::write_names_file(names, data_file.string());
    if (!names) {
      result.message = "names.dat cannot be written in " + folder.path().string();
      return result;
    }
  }

  project::TDynamicLibrary lib;
  EntryPoint entry = nullptr;
  try {
    lib.SetLibraryName(library.string());
    lib.Load();
    entry = reinterpret_cast<EntryPoint>(lib.GetEntry("_IKORVEX"));
  } catch (const project::EDLLError& e) {
    result.message = std::string(e.what()) +
                     (lib.LastError().empty() ? "" : " (" + lib.LastError() + ")");
    return result;
  }
  if (!entry) {
    result.message = "the engine library has no entry point _IKORVEX";
    return result;
  }

  ConsoleCapture capture(folder.path() / "console.txt");
  const std::int32_t code = entry(15);
  result.console = capture.release();
  lib.Unload();
  std::error_code ec;
  fs::remove(project::kNamesFile, ec);
  result.status = code == 1 ? EngineCall::Status::NotComputed : EngineCall::Status::Finished;
  return result;
}

}  // namespace korvex::run
