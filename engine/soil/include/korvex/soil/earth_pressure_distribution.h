#pragma once
// The distributed active pressure at closely spaced points down the wall, and
// the trapezoidal (apparent) envelope of anchored walls.
#include <cstddef>
#include <vector>

#include "korvex/soil/earth_pressure_coefficients.h"
#include "korvex/soil/soil_profile.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

struct PressurePoint {
  double zp = 0.0;   // depth below the top of the backfill
  double pat = 0.0;  // total active pressure (force per area)
  double paw = 0.0;  // soil and water part, without the surcharges
  double paq = 0.0;  // surcharge part, uniform surface pressure included
};

struct PressureDistribution {
  std::vector<PressurePoint> points;  // points[0] is the surface point
  // Index of the last point above the excavation level (0 when the excavation
  // level is the surface).
  std::size_t last_above = 0;
  double ftot = 0.0;  // FTOT, integral of pat above the excavation level
};

// Points of one working layer: about one per length unit in English units
// (and the symbolic system), one per 0.05 m in SI. A real, so that callers can
// check a huge count before generating.
double layer_point_count(double thk, int unit_system);

// Points the distribution of `profile` generates, the surface point included.
double distribution_point_count(const SoilProfile& profile, int unit_system);

// Generates the distribution. `with_water` enables the backfill water
// pressure of drained layers at or below the water table (PressureSwitch).
// The profile's excavation index must be set.
PressureDistribution distribute_active_pressure(const SoilProfile& profile,
                                                const std::vector<LayerCoefficients>& coefficients,
                                                const StageInput& in, double gamw, bool with_water);

// Supports of the stage for the trapezoidal envelope.
struct SupportLevels {
  int count = 0;             // NSUP
  double first_depth = 0.0;  // H1, uppermost support
  double last_depth = 0.0;   // Hn, lowest support
};

// Replaces pat above the excavation level (points 2 to last_above) by the
// trapezoidal envelope whose area is 1.3 times ftot. Needs at least one
// support and one point below the surface above the excavation level;
// returns false (and changes nothing) otherwise.
bool apply_trapezoidal_envelope(PressureDistribution& d, double free_height,
                                const SupportLevels& supports);

}  // namespace korvex::soil
