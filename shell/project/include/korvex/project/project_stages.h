#pragma once
// Construction stages: each stage of a staged project lives in its own stage
// file beside the data file while it is edited; the tables show
// CurrentStage.
#include <string>

#include "korvex/project/program_data.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::project {

// Status bar text of a staged project: "Construction Stage Number: " k.
std::string StageStatusText(int stage);

// Writes CurrentStage to its stage file (StageFileName). ProjectFileError
// when it cannot be written.
void SaveStage(TProgramData& project);

// Reads CurrentStage's stage file when it exists; otherwise the tables keep
// what they show. Token errors are shown and what was read is kept.
void LoadStage(TProgramData& project, UserDialogs& dialogs);

// Saves the stage shown, shows stage k and keeps the modified state. A stage
// without a file yet starts as a copy of the stage that was shown.
void SwitchStage(TProgramData& project, int k, UserDialogs& dialogs);

// Asks "Do you want to copy all information from Stage k-1 to Stage k"; on
// Yes stage k becomes a copy of stage k-1's file. Nothing for stage 1.
void CopyStageFromPrevious(TProgramData& project, UserDialogs& dialogs);

// The staged-construction dialog's OK with n stages (clamped to 1..5):
// creates every missing stage file from the stage before it, deletes the
// stage files above n (all of them for n = 1) and marks the project
// modified when the count changed.
void ChangeStageCount(TProgramData& project, int n, UserDialogs& dialogs);

}  // namespace korvex::project
