#pragma once
// The file list handed from the shell: `names.dat`.
#include <istream>
#include <optional>
#include <string>

namespace korvex::engine {

struct FileNames {
  std::string version;  // first 12 characters of line 1, padded with blanks
  std::string data;     // line 5: data file (.kv5d)
  std::string report;   // line 6: report (.kv5o)
  std::string plot;     // line 7: plot-data file (.kv5p)
  std::string result;   // line 8: result file with the iteration monitor (.kv5r)
};

// Reads the eight lines. Lines 2 to 4 are read past. Paths are read whole
// (any length) without trailing blanks. Empty when a path line is missing
// or blank.
std::optional<FileNames> read_names_file(std::istream& in);

// A path split for the report: drive and folder (with the trailing
// separator), and name with extension.
struct PathParts {
  std::string drive_and_folder;
  std::string name_and_extension;
};
PathParts split_path(const std::string& path);

}  // namespace korvex::engine
