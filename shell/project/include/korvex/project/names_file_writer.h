#pragma once
// Writing `names.dat`, the eight-line file list handed to the engine.
#include <ostream>
#include <string>

namespace korvex::project {

inline constexpr const char* kVersionText = "2015.5.15";
inline constexpr const char* kNamesFile = "names.dat";

struct UserIdentification {
  std::string name;          // line 2
  std::string organization;  // line 3, before ", "
  std::string location;      // line 3, after ", "
  long number = 0;           // line 4
};

// `data_file` is the full path of the data file; the report, plot and
// result paths are derived from it (".kv5o", ".kv5p", ".kv5r").
void write_names_file(std::ostream& out, const std::string& data_file,
                      const UserIdentification& user = {});

// The data-file path with its extension replaced (`ext` with its dot).
std::string with_extension(const std::string& path, const std::string& ext);

}  // namespace korvex::project
