#pragma once
// Reading data files into the project: a whole file of the 2015, 2013, 3.0
// or 2.0 layout into a new project, or one stage file into the open project.
//
// A token error (a value that is not a number, a file that ends early, a
// soil type out of 1..7, a count larger than the file could hold) is shown
// in an information box and ends the reading; what was read so far is kept,
// every empty project table gets its minimum rows, and a whole-file read
// still sets the reader flags and clears the modified flag. A staged file
// read whole yields its first stage only (see staged_file.h for the rest).
#include <istream>
#include <string>

#include "korvex/project/data_file_names.h"
#include "korvex/project/program_data.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::project {

// Builds a new project from `path`; DataFileName becomes `path`. A file that
// cannot be opened raises tables::InputOutputError before the project is
// touched. Returns false when a token error was shown.
bool ReadWholeFile(TProgramData& project, const std::string& path, FileVersion version,
                   UserDialogs& dialogs);
// The same from a stream; DataFileName is left as it is.
bool ReadWholeFile(TProgramData& project, std::istream& in, FileVersion version,
                   UserDialogs& dialogs);

// Reads one stage file into the tables, in the layout told by HasMEICount
// and HasTiebackCount. The project's title is kept.
// The final integer goes to NextCaseCode. Returns false when a token error
// was shown; a file that cannot be opened raises tables::InputOutputError.
bool ReadStageFile(TProgramData& project, const std::string& path, UserDialogs& dialogs);
bool ReadStageFile(TProgramData& project, std::istream& in, UserDialogs& dialogs);

// The line that starts stage 2 and later in stage files and staged files.
inline constexpr const char* kStageMarker = " Stage No :";

}  // namespace korvex::project
