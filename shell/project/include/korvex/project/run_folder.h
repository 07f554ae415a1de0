#pragma once
// A per-user, per-run writable folder for `names.dat` and the engine's
// scratch files; made the current directory for the engine call.
#include <filesystem>

namespace korvex::project {

class RunFolder {
 public:
  // Creates a fresh folder under the user's cache folder
  // ($XDG_CACHE_HOME/korvex or ~/.cache/korvex; the temporary folder when
  // neither is writable). Throws std::filesystem::filesystem_error.
  RunFolder();
  ~RunFolder();  // removes the folder and what the run left in it
  RunFolder(const RunFolder&) = delete;
  RunFolder& operator=(const RunFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Folder of the running executable (where the engine library lies beside
// it); `argv0` is the fallback where the platform cannot tell.
std::filesystem::path program_folder(const char* argv0 = nullptr);

// Makes `dir` the current directory until destroyed.
class CurrentDirectory {
 public:
  explicit CurrentDirectory(const std::filesystem::path& dir);
  ~CurrentDirectory();
  CurrentDirectory(const CurrentDirectory&) = delete;
  CurrentDirectory& operator=(const CurrentDirectory&) = delete;

 private:
  std::filesystem::path previous_;
};

}  // namespace korvex::project
