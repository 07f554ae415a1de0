#pragma once
// The checks made before a run: wall-stiffness node numbers against the
// number of nodes, and the backfill slope against the friction angle at the
// top of sand and silt layers. The first failure is shown in a warning box.
#include "korvex/project/program_data.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::project {

// True when the run may go on; false after a warning was shown.
bool CheckInput(const TProgramData& project, UserDialogs& dialogs);

}  // namespace korvex::project
