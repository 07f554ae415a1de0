#include "korvex/project/run_folder.h"

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <system_error>

namespace korvex::project {
namespace fs = std::filesystem;
namespace {

fs::path cache_root() {
  if (const char* x = std::getenv("XDG_CACHE_HOME"); x && *x) return fs::path(x) / "korvex";
#if defined(_WIN32)
  if (const char* a = std::getenv("LOCALAPPDATA"); a && *a) return fs::path(a) / "Korvex";
#else
  if (const char* h = std::getenv("HOME"); h && *h) return fs::path(h) / ".cache" / "korvex";
#endif
  return fs::temp_directory_path() / "korvex";
}

bool try_create(const fs::path& root, fs::path& made) {
  std::error_code ec;
  fs::create_directories(root, ec);
  if (ec) return false;
  std::random_device rd;
  std::mt19937_64 gen(rd() ^ static_cast<std::uint64_t>(
                                 std::chrono::steady_clock::now().time_since_epoch().count()));
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path p = root / ("run-" + std::to_string(gen() % 1000000000ULL));
    if (fs::create_directory(p, ec)) {
      made = p;
      return true;
    }
    if (ec) return false;
  }
  return false;
}

}  // namespace

RunFolder::RunFolder() {
  if (try_create(cache_root(), path_)) return;
  if (try_create(fs::temp_directory_path() / "korvex", path_)) return;
  throw fs::filesystem_error("cannot create a run folder", cache_root(),
                             std::make_error_code(std::errc::permission_denied));
}

RunFolder::~RunFolder() {
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path program_folder(const char* argv0) {
  std::error_code ec;
#if defined(__linux__)
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) return self.parent_path();
#endif
  if (argv0 && *argv0) {
    const fs::path p = fs::absolute(argv0, ec);
    if (!ec) return p.parent_path();
  }
  return fs::current_path();
}

CurrentDirectory::CurrentDirectory(const fs::path& dir) : previous_(fs::current_path()) {
  fs::current_path(dir);
}

CurrentDirectory::~CurrentDirectory() {
  std::error_code ec;
  fs::current_path(previous_, ec);
}

}  // namespace korvex::project
