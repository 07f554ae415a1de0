#pragma once
// Lateral pressure of surcharges on the backfill surface (modified Boussinesq
// solutions for a rigid wall). Depths are below the top of the backfill; the
// free height is the reference height of the formulas.
#include <vector>

#include "korvex/soil/stage_input.h"

namespace korvex::soil {

// A free height below this gives no usable reference height: every surcharge
// pressure is 0 then.
inline constexpr double kMinSurchargeHeight = 1.0e-6;

// The layer resultants and the distributed pressure use slightly different
// constants for the line load (1.273 or 4/pi) and the strip load (0.6366 or
// 2/pi); the two are kept apart so both stay as the reports have shown them.
enum class SurchargeUse { LayerResultant, Distribution };

// Lateral pressure of one surcharge at depth `z`. Types other than 2 (line)
// and 3 (strip) are point loads.
double surcharge_lateral_pressure(const Surcharge& s, double z, double free_height,
                                  SurchargeUse use);

// Force per unit width of wall that one surcharge adds over a layer: a
// right-end rectangle sum of 10 strips. Magnitudes of at most 1.0E-4 add 0.
double surcharge_layer_force(const Surcharge& s, double ztop, double thk, double free_height);

// The surcharges the layer resultants use: the additional surcharges when
// there are any, otherwise the legacy record's point, line and strip loads.
std::vector<Surcharge> resultant_surcharges(const StageInput& in);

// Pressure of the additional surcharges at depth `z` on a grid of 200 steps
// over the wall: each surcharge contributes its pressure at the deepest grid
// depth strictly above `z` (0 above the first grid depth).
double surcharge_pressure_on_grid(const std::vector<Surcharge>& surcharges, double z,
                                  double free_height, double wall_length);

}  // namespace korvex::soil
