#pragma once
// Generated active earth pressure (earth-pressure codes 2 and 3).
#include <ostream>
#include <vector>

#include "korvex/engine/unit_labels.h"
#include "korvex/soil/soil_streams.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

struct EarthPressureResult {
  // Effective overburden at the excavation level, for the soil p-y criteria.
  double sigvh = 0.0;
};

// Runs the earth-pressure stage: builds the working layer table, writes its
// report sections, and writes the pressure file (count line, then one line
// per point) to `pressure_file`. A stop of the stage throws
// engine::RunStop(SoilStop) after its messages are written.
EarthPressureResult generate_earth_pressure(const StageInput& in, const engine::UnitLabels& labels,
                                            SoilStreams out, std::ostream& pressure_file);

// Surcharge pressure at a depth below the top of the backfill from the
// additional surcharges of `in` (used with user-specified earth pressure).
double surcharge_pressure_at(const StageInput& in, double depth);

}  // namespace korvex::soil
