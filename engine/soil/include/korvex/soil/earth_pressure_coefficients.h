#pragma once
// Active and passive earth-pressure coefficients of the working layers.
#include <vector>

#include "korvex/soil/soil_profile.h"

namespace korvex::soil {

struct LayerCoefficients {
  double rankine_ka = 0.0;  // computed KA (level or sloping backfill), as reported
  double ka = 0.0;          // KA used in the pressures: KOPT when one is given
  double ta = 0.0;          // TA, sqrt of KA for the cohesion term; 0 with KOPT
  double kp = 0.0;          // KP, passive coefficient (reported only)
  // The backfill slope is not below the friction angle of a layer above the
  // excavation level: the level-backfill KA is kept and a warning is due.
  bool slope_warning = false;
};

// Rankine coefficients for a backfill sloping at `beta` degrees; `free_height`
// decides which layers lie above the excavation level for the warning.
std::vector<LayerCoefficients> earth_pressure_coefficients(const SoilProfile& profile, double beta,
                                                           double free_height);

}  // namespace korvex::soil
