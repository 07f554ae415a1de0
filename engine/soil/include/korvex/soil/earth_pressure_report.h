#pragma once
// Report sections of the earth-pressure stage, in the order the stage writes
// them. Lengths and stresses are printed in engine units except where noted.
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "korvex/engine/unit_labels.h"
#include "korvex/soil/earth_pressure_coefficients.h"
#include "korvex/soil/layer_pressures.h"
#include "korvex/soil/soil_profile.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

// Composite unit labels built from the report's label set.
struct SoilUnitLabels {
  std::string length;       // " IN", "  M"
  std::string force;        // " LBS", "  KN"
  std::string per_length;   // " LBS/IN", "  KN/ M"
  std::string stress;       // " LBS/IN**2", "  KN/ M**2"
  std::string unit_weight;  // " LBS/IN**3", "  KN/ M**3"
  explicit SoilUnitLabels(const engine::UnitLabels& l);
};

// Wall information: free height, widths, water tables, water unit weight,
// slope and the active-pressure modification factor.
void write_wall_information(std::ostream& os, const StageInput& in, double gamw,
                            const SoilUnitLabels& u);

// Uniform surface pressure and the additional surcharges.
void write_surcharge_information(std::ostream& os, const StageInput& in, const SoilUnitLabels& u);

// The working layer table; in English units thickness and ZTOP in feet.
void write_soil_information(std::ostream& os, const SoilProfile& profile, int unit_system);

// Depth and effective vertical stress at the top of each working layer.
void write_overburden_table(std::ostream& os, const SoilProfile& profile, const SoilUnitLabels& u);

// Coefficient table; the backfill-slope warning of a layer goes to the
// result file (`monitor`) and to the report just before the layer's row.
void write_coefficient_table(std::ostream& report, std::ostream& monitor,
                             const SoilProfile& profile,
                             const std::vector<LayerCoefficients>& coefficients);

// Resultants of the layers above the excavation level.
void write_layer_resultants(std::ostream& os, const SoilProfile& profile, const LayerResultants& r,
                            const SoilUnitLabels& u);

// Water resultants of the drained layers between the water table and the
// excavation level (written when r.water_section is set).
void write_water_resultants(std::ostream& os, const LayerResultants& r);

// "Net active pressure is negative." with its blank lines.
void write_net_active_message(std::ostream& os);

// A message of the stage on its own line after two blank lines, indented 5.
void write_stage_message(std::ostream& os, std::string_view line);

}  // namespace korvex::soil
