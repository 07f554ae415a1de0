#pragma once
// Generated p-y curves (p-y curve code 2).
#include <ostream>

#include "korvex/engine/unit_labels.h"
#include "korvex/soil/soil_streams.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

// Builds the p-y layers below the excavation level, writes their report
// sections, and writes the curve file (count, user curves, then five
// generated curves per layer) to `curve_file`. `sigvh` is the effective
// overburden at the excavation level from this problem's earth-pressure
// stage (0 when none ran). A stop throws engine::RunStop(SoilStop).
void generate_py_curves(const StageInput& in, double sigvh, const engine::UnitLabels& labels,
                        SoilStreams out, std::ostream& curve_file);

}  // namespace korvex::soil
