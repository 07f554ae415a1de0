#include "korvex/project/replacing_file.h"

#include <fstream>
#include <system_error>

namespace korvex::project {
namespace fs = std::filesystem;

void WriteFileReplacing(const fs::path& path, const std::function<void(std::ostream&)>& write) {
  fs::path temporary = path;
  temporary += ".saving";
  auto discard = [&] {
    std::error_code ec;
    fs::remove(temporary, ec);
  };
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) throw ProjectFileError("Cannot create file " + temporary.string());
    try {
      write(out);
    } catch (...) {
      out.close();
      discard();
      throw;
    }
    out.flush();
    out.close();
    if (!out) {
      discard();
      throw ProjectFileError("Cannot write file " + path.string());
    }
  }
  std::error_code ec;
  fs::rename(temporary, path, ec);
  if (ec) {
    discard();
    throw ProjectFileError("Cannot replace file " + path.string() + ": " + ec.message());
  }
}

}  // namespace korvex::project
