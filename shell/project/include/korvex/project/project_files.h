#pragma once
// The file side of the Open, Save and Save As commands: reading a data file
// with its stages, writing it unstaged or joined from its stage files.
// Every write goes through a temporary file, so a failed save keeps the
// previous file.
#include <string>

#include "korvex/project/data_file_names.h"
#include "korvex/project/program_data.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::project {

// Reads `path` into a new project and, for a staged file, splits it into the
// stage files beside it. False when a token error was shown.
bool OpenProject(TProgramData& project, const std::string& path, FileVersion version,
                 UserDialogs& dialogs);

// Cuts the staged file `source` (read as `version`) into the stage files of
// DataFileName: existing stage files are deleted first; stages of an older
// layout are read and written back in the 2015 layout. A file with fewer
// stages than StageCount gets the missing ones as copies of its last stage
// after an information box. The tables then show stage 1. False when a
// token error was shown.
bool SplitStagedFile(TProgramData& project, const std::string& source, FileVersion version,
                     UserDialogs& dialogs);

// Whether Save must ask for a name: the default name or not ".kv5d".
bool NeedsSaveAs(const TProgramData& project);

// Writes DataFileName: the whole file, or for a staged project the current
// stage and then the stage files joined. Clears the modified flag.
// ProjectFileError when a file cannot be read or written.
void SaveProject(TProgramData& project);

// Saves under `path`: DataFileName becomes `path`; a staged project's stage
// files move to the new name.
void SaveProjectAs(TProgramData& project, const std::string& path);

}  // namespace korvex::project
