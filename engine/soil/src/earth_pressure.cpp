#include "korvex/soil/earth_pressure.h"

#include <string>

#include "korvex/engine/capacities.h"
#include "korvex/engine/run_stop.h"
#include "korvex/soil/earth_pressure_coefficients.h"
#include "korvex/soil/earth_pressure_distribution.h"
#include "korvex/soil/earth_pressure_report.h"
#include "korvex/soil/layer_pressures.h"
#include "korvex/soil/pressure_file.h"
#include "korvex/soil/soil_profile.h"
#include "korvex/soil/surcharge_pressure.h"

namespace korvex::soil {
namespace {

constexpr double kMinNetActiveForce = 1.0e-5;

// Ends the run: the reason goes into the report; the engine shows it on the
// console and closes the files.
[[noreturn]] void stop(std::ostream& report, const std::string& message) {
  write_stage_message(report, message);
  report.flush();
  throw engine::RunStop(engine::StopKind::SoilStop, message);
}

bool has_surcharge_loads(const StageInput& in) {
  for (const Surcharge& s : resultant_surcharges(in))
    if (s.magnitude != 0.0) return true;
  return false;
}

// Input the table cannot be built from ends the run once the soil table
// shows what was read.
void check_profile(const SoilProfile& profile, std::ostream& report) {
  if (profile.bad_thickness_layer > 0)
    stop(report, "STOP -- SOIL LAYER " + std::to_string(profile.bad_thickness_layer) +
                     " HAS A ZERO OR NEGATIVE THICKNESS");
  if (profile.overflow)
    stop(report, "STOP 2 -- MORE THAN " + std::to_string(kMaxProfileLayers) +
                     " SOIL LAYERS AFTER THE SPLITS AT EXCAVATION AND WATER TABLE");
  if (profile.excavation == SoilProfile::npos)
    stop(report, "STOP 1 -- NO SOIL LAYER TOP AT THE EXCAVATION LEVEL");
  for (std::size_t i = 0; i < profile.layers.size(); ++i) {
    const double phi = profile.layers[i].phi;
    if (!(phi >= 0.0 && phi < 90.0))
      stop(report, "STOP -- FRICTION ANGLE OF SOIL LAYER " + std::to_string(i + 1) +
                       " IS NOT BETWEEN 0 AND 90 DEGREES");
  }
}

}  // namespace

EarthPressureResult generate_earth_pressure(const StageInput& in, const engine::UnitLabels& labels,
                                            SoilStreams out, std::ostream& pressure_file) {
  std::ostream& report = out.report;
  if (in.layers.size() > static_cast<std::size_t>(engine::kMaxSoilLayers))
    stop(report, "STOP -- MORE THAN " + std::to_string(engine::kMaxSoilLayers) + " SOIL LAYERS");
  if (in.surcharges.size() > static_cast<std::size_t>(engine::kMaxSurcharges))
    stop(report, "STOP -- MORE THAN " + std::to_string(engine::kMaxSurcharges) + " SURCHARGES");

  const double gamw = water_unit_weight(in.unit_system);
  const SoilUnitLabels units(labels);
  SoilProfile profile = build_soil_profile(in);

  write_wall_information(report, in, gamw, units);
  write_surcharge_information(report, in, units);
  if (in.free_height < kMinSurchargeHeight && has_surcharge_loads(in))
    write_stage_message(report,
                        "WARNING -- FREE HEIGHT BELOW 1.0E-6: SURCHARGE PRESSURES TAKEN AS ZERO");
  write_soil_information(report, profile, in.unit_system);
  check_profile(profile, report);

  compute_effective_overburden(profile, in.surcharge_at_top, in.water_depth_backfill, gamw);
  write_overburden_table(report, profile, units);

  const auto coefficients = earth_pressure_coefficients(profile, in.backfill_slope, in.free_height);
  write_coefficient_table(report, out.monitor, profile, coefficients);

  const LayerResultants resultants =
      layer_resultants(profile, coefficients, resultant_surcharges(in), in.free_height,
                       in.water_depth_backfill, gamw);
  write_layer_resultants(report, profile, resultants, units);
  if (resultants.water_section) write_water_resultants(report, resultants);
  if (resultants.pt < kMinNetActiveForce) {
    write_net_active_message(out.console);
    write_net_active_message(report);
  }

  // One line more for the excavation point the trapezoidal layout repeats.
  const double points = distribution_point_count(profile, in.unit_system) + 1.0;
  if (points > engine::kMaxPressurePoints)
    stop(report, "STOP -- MORE THAN " + std::to_string(engine::kMaxPressurePoints) +
                     " EARTH-PRESSURE POINTS: THE SOIL PROFILE IS TOO DEEP");

  const bool with_water = resultants.water_section || in.pressure_switch == 1;
  PressureDistribution distribution =
      distribute_active_pressure(profile, coefficients, in, gamw, with_water);
  bool trapezoidal = false;
  if (in.earth_pressure_code == 3) {
    trapezoidal = apply_trapezoidal_envelope(
        distribution, in.free_height,
        {in.support_count, in.first_support_depth, in.last_support_depth});
    if (!trapezoidal)
      write_stage_message(report,
                          "WARNING -- NO SUPPORT OR NO FREE HEIGHT FOR THE TRAPEZOIDAL "
                          "DISTRIBUTION: THE TRIANGULAR DISTRIBUTION IS USED");
  }
  write_pressure_file(pressure_file, distribution, trapezoidal);

  return {profile.layers[profile.excavation].sigvp};
}

double surcharge_pressure_at(const StageInput& in, double depth) {
  return surcharge_pressure_on_grid(in.surcharges, depth, in.free_height, in.wall_length);
}

}  // namespace korvex::soil
