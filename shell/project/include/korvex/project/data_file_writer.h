#pragma once
// Writing the project in the 2015 data-file layout: the whole file of an
// unstaged project (with its long-term problem) and the stage file of the
// current stage. Reals in 8-digit general format with "." whatever the
// locale; values the file holds in engine units are converted from the
// tables' display units. Writing normalises the project first (tables of
// options that are off are emptied, the last wall-stiffness row gets mode 1)
// and sets the reader flags for the 2015 layout.
#include <ostream>

#include "korvex/project/program_data.h"

namespace korvex::project {

// Codes of record 2 that follow from the options.
struct ProblemCodes {
  int kep = 0;   // earth pressure: 0 none, 1 user, 2 triangular, 3 trapezoidal
  int kpy = 0;   // p-y curves: 0 none, 1 external only, 2 generated
  int nmei = 0;  // moment-EI curves written
  int ntie = 0;  // tieback rows written
};

// KEP is never 3 in the long-term problem. Setting UserEarthPressure clears
// EarthPressureFromFile.
ProblemCodes DeriveProblemCodes(TProgramData& project, bool long_term);

// Empties the tables of options that are off and forces mode 1 on the last
// wall-stiffness row.
void NormalizeForWrite(TProgramData& project);

// The whole file of an unstaged project: one problem ending with 0, or the
// short-term problem ending with 9 followed by the long-term one.
void WriteWholeFile(std::ostream& out, TProgramData& project);

// The stage file of CurrentStage: one problem ending with the stage number;
// stages 2 and later start with " Stage No : " and the number.
void WriteStageFile(std::ostream& out, TProgramData& project);

}  // namespace korvex::project
