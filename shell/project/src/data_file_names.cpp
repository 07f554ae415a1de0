#include "korvex/project/data_file_names.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "korvex/project/names_file_writer.h"

namespace korvex::project {
namespace {

std::string LowerExtension(const std::string& path) {
  std::string ext = std::filesystem::path(path).extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return ext;
}

}  // namespace

FileVersion FileVersionForPath(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == ".kv4d") return FileVersion::k2013;
  if (ext == ".kvd") return FileVersion::k30;
  return FileVersion::k2015;
}

std::string StageFilePath(const std::string& data_file, int k) {
  return with_extension(data_file, ".st" + std::to_string(k));
}

bool HasCurrentExtension(const std::string& path) {
  return LowerExtension(path) == ".kv5d";
}

}  // namespace korvex::project
