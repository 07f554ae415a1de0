#pragma once
// Resultant forces of the layers above the excavation level, per unit width of
// wall: earth pressure, cohesion, the tension zone and the backfill water.
#include <vector>

#include "korvex/soil/earth_pressure_coefficients.h"
#include "korvex/soil/soil_profile.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

struct LayerResultant {
  double pa1 = 0.0;                   // overburden and surcharges, uniform over the layer
  double pa2 = 0.0;                   // own weight, triangular
  double pa3 = 0.0;                   // cohesion (negative)
  double pa4 = 0.0;                   // compressive part of a layer in tension
  double z1 = -1000.0, z2 = -1000.0;  // depths of pa1 and pa2 (and of pw1, pw2)
  double z3 = -1.0e-5;                // depth of pa4; unchanged without tension
  double zc = 0.0;                    // height of the compressive part
  double pw1 = 0.0, pw2 = 0.0;        // water resultants, held negative
  bool water_row = false;             // the water table lists this layer
};

struct LayerResultants {
  std::vector<LayerResultant> layers;  // one per working layer
  // The backfill water table lies above the excavation level: the water
  // section is reported and the water pressure enters the distribution.
  bool water_section = false;
  double pt = 0.0;  // PT, net active force above the excavation level
};

// Resultants of the layers above profile.excavation (which must be set).
// `surcharges` are those of resultant_surcharges().
LayerResultants layer_resultants(const SoilProfile& profile,
                                 const std::vector<LayerCoefficients>& coefficients,
                                 const std::vector<Surcharge>& surcharges, double free_height,
                                 double wtb, double gamw);

}  // namespace korvex::soil
