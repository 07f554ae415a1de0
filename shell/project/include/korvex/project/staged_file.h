#pragma once
// Staged data files and the stage files beside them: a staged file is the
// stage files 1 to StageCount joined line by line; stage 2 and later start
// at a line holding " Stage No :".
#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace korvex::project {

// The stages of a staged file, each as its lines with "\n" ends (CR LF
// lines are read too). Stage 1 starts at the first line; every later line
// holding the stage marker starts the next stage.
std::vector<std::string> SplitStages(std::istream& in);

// Copies the stage files 1..count of `data_file` line by line to `out`,
// with `title` as the first line (the title may have been edited while a
// later stage was shown). ProjectFileError when one cannot be read.
void JoinStageFiles(std::ostream& out, const std::string& data_file, int count,
                    const std::string& title);

// Moves the stage files 1..count of `from` (a data-file path) to the same
// stage files of `to`, replacing those; missing ones are skipped.
// ProjectFileError when a move fails.
void MoveStageFiles(const std::string& from, const std::string& to, int count);

// Deletes the stage files first..5 of `data_file` that exist.
void DeleteStageFiles(const std::string& data_file, int first);

}  // namespace korvex::project
