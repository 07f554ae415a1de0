#include "korvex/engine/names_file.h"

namespace korvex::engine {
namespace {

bool get_line(std::istream& in, std::string& out) {
  if (!std::getline(in, out)) return false;
  while (!out.empty() && (out.back() == '\r' || out.back() == ' ' || out.back() == '\t'))
    out.pop_back();
  return true;
}

}  // namespace

std::optional<FileNames> read_names_file(std::istream& in) {
  std::string lines[8];
  for (int i = 0; i < 8; ++i)
    if (!get_line(in, lines[i])) return std::nullopt;
  FileNames n;
  n.version = lines[0].substr(0, 12);
  n.version.resize(12, ' ');
  n.data = lines[4];
  n.report = lines[5];
  n.plot = lines[6];
  n.result = lines[7];
  if (n.data.empty() || n.report.empty() || n.plot.empty() || n.result.empty())
    return std::nullopt;
  return n;
}

PathParts split_path(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  if (cut == std::string::npos) {
    // "C:name" keeps its drive.
    if (path.size() >= 2 && path[1] == ':') return {path.substr(0, 2), path.substr(2)};
    return {"", path};
  }
  return {path.substr(0, cut + 1), path.substr(cut + 1)};
}

}  // namespace korvex::engine
