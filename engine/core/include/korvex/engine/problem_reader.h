#pragma once
// Input reading of one problem: records 3 to 16 of the data file, echoed
// into the report, turned into station arrays, curves and tiebacks. Input
// the engine cannot use throws RunStop(InputError) with the report message.
#include "korvex/engine/run_context.h"
#include "korvex/engine/run_state.h"

namespace korvex::engine {

// Record 2, the control record, into state.control.
void read_control_record(RunState& state, ListReader& data);

// Records 3 to 16 of the problem whose control record is in state.control,
// ending with the moment-EI update from the previous problem's deflections.
void read_problem(RunState& state, RunContext& ctx);

}  // namespace korvex::engine
