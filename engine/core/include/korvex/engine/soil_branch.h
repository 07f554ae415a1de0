#pragma once
// The branch of the input reading that hands records 11 to 14 to the soil
// stage and reads its scratch files back.
#include "korvex/engine/run_context.h"
#include "korvex/engine/run_state.h"

namespace korvex::engine {

// Records 11 to 14 into state.stage.
void read_soil_records(RunState& state, RunContext& ctx);

// Generated earth pressure: runs the stage through "bmwall.001" and fills
// state.pressure with the points multiplied by WA (at or above the
// excavation level) or WP (below).
void generate_pressure_points(RunState& state, RunContext& ctx);

// User earth pressure with additional surcharges: adds WA times the
// surcharge pressure to every point (0 with a free height below 1.0E-6,
// which the report says).
void add_user_surcharges(RunState& state, RunContext& ctx);

// Generated p-y curves: runs the generator through "soildata" and appends
// the generated curves to state.curves (user curves already read stay
// first). Writes the p-y section of the plot file.
void generate_py_curves(RunState& state, RunContext& ctx);

}  // namespace korvex::engine
