#pragma once
// Saving without losing the previous file: the new contents go to a
// temporary file beside the target, which replaces the target only once it
// has been written completely. A failed or interrupted save leaves the old
// file as it was.
#include <filesystem>
#include <functional>
#include <ostream>
#include <stdexcept>

namespace korvex::project {

// A data, stage or list file that cannot be read or written.
class ProjectFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Raises ProjectFileError when the file cannot be written or renamed;
// exceptions of `write` propagate (the temporary file is removed either way).
void WriteFileReplacing(const std::filesystem::path& path,
                        const std::function<void(std::ostream&)>& write);

}  // namespace korvex::project
