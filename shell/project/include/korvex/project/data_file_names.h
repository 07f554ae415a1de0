#pragma once
// Layouts of data files and the names of the files beside a data file.
#include <string>

namespace korvex::project {

// The layouts the shell reads (the position in the open dialog's filter).
enum class FileVersion { k2015 = 1, k2013 = 2, k30 = 3, k20 = 4 };

// Layout an "open by name" chooses: 2013 for ".kv4d", 3.0 for ".kvd",
// otherwise 2015 (extension compared in lower case).
FileVersion FileVersionForPath(const std::string& path);

// Stage file k (1..5) of a data file: its extension replaced by ".st" k.
std::string StageFilePath(const std::string& data_file, int k);

// Whether the path's extension is ".kv5d" (in lower case).
bool HasCurrentExtension(const std::string& path);

}  // namespace korvex::project
