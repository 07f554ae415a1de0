// Whole engine runs on arbitrary data files: names.dat and the data file in a
// scratch folder of this process, the engine called in-process as the shell
// would call the library. Whatever the file holds, the call returns 0 and
// leaves a report behind, and results that are not numbers never stand in a
// report as a solution within the allowable deflection.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "korvex/engine/run_sequence.h"

namespace {

namespace fs = std::filesystem;

// A folder of its own under the temporary area, removed when the process
// ends normally (a crashing input leaves it behind for inspection).
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "korvex-fuzz-engine-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
    std::ofstream names(path_ / "names.dat", std::ios::binary | std::ios::trunc);
    names << "2015.5.15\nFuzz\nKorvex, Fuzz\n0\nwall.kv5d\nwall.kv5o\nwall.kv5p\nwall.kv5r\n";
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const fs::path& path() const noexcept { return path_; }

 private:
  fs::path path_;
};

const ScratchFolder& Scratch() {
  static const ScratchFolder folder;
  return folder;
}

std::string ReadAll(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// True when a results table shows a value that is not a number under a
// heading that does not say the allowable deflection was exceeded.
bool UnflaggedNan(const std::string& report) {
  std::istringstream in(report);
  bool exceeded = false;
  bool in_table = false;
  for (std::string line; std::getline(in, line);) {
    if (line.find("RESULTS -- ITERATION") != std::string::npos) {
      exceeded = false;
      in_table = false;
    } else if (line.find("MAX ALLOWABLE DEFLECTION EXCEEDED") != std::string::npos) {
      exceeded = true;
    } else if (line.rfind("   ------    ----        ----", 0) == 0) {
      in_table = true;
    } else if (in_table) {
      if (line.find_first_not_of(' ') == std::string::npos) {
        in_table = false;
      } else if (line.find("NaN") != std::string::npos && !exceeded) {
        return true;
      }
    }
  }
  return false;
}

std::tm FixedClock() {
  std::tm t{};
  t.tm_year = 2015 - 1900;
  t.tm_mon = 4;
  t.tm_mday = 15;
  return t;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path& dir = Scratch().path();
  {
    std::ofstream file(dir / "wall.kv5d", std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  std::ostringstream console;
  korvex::engine::RunEnvironment env;
  env.work_dir = dir;
  env.console = &console;
  env.now = FixedClock;
  if (korvex::engine::run_engine(korvex::engine::kInterfaceCode, env) != 0) std::abort();
  if (!fs::exists(dir / "wall.kv5o")) std::abort();
  if (UnflaggedNan(ReadAll(dir / "wall.kv5o"))) std::abort();
  return 0;
}
