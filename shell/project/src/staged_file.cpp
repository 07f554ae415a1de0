#include "korvex/project/staged_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "korvex/project/data_file_names.h"
#include "korvex/project/data_file_reader.h"
#include "korvex/project/program_data.h"
#include "korvex/project/replacing_file.h"

namespace korvex::project {
namespace fs = std::filesystem;

std::vector<std::string> SplitStages(std::istream& in) {
  std::vector<std::string> stages;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (n == 1 || line.find(kStageMarker) != std::string::npos) stages.emplace_back();
    stages.back() += line;
    stages.back() += '\n';
  }
  return stages;
}

void JoinStageFiles(std::ostream& out, const std::string& data_file, int count,
                    const std::string& title) {
  for (int k = 1; k <= count; ++k) {
    const std::string stage = StageFilePath(data_file, k);
    std::ifstream in(stage, std::ios::binary);
    if (!in) throw ProjectFileError("Cannot open file " + stage);
    std::string line;
    for (bool first = k == 1; std::getline(in, line); first = false) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      out << (first ? title : line) << '\n';
    }
  }
}

void MoveStageFiles(const std::string& from, const std::string& to, int count) {
  for (int k = 1; k <= count; ++k) {
    const std::string source = StageFilePath(from, k);
    std::error_code ec;
    if (!fs::exists(source, ec)) continue;
    const std::string target = StageFilePath(to, k);
    fs::rename(source, target, ec);
    if (ec) {  // another file system: copy, then remove
      ec.clear();
      fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
      if (!ec) fs::remove(source, ec);
    }
    if (ec) throw ProjectFileError("Cannot move file " + source + ": " + ec.message());
  }
}

void DeleteStageFiles(const std::string& data_file, int first) {
  for (int k = std::max(first, 1); k <= kMaxStages; ++k) {
    std::error_code ec;
    fs::remove(StageFilePath(data_file, k), ec);
  }
}

}  // namespace korvex::project
