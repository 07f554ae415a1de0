#pragma once
// The working layer table of the earth-pressure stage: the input layers split
// at the excavation level and at the backfill water table, with the effective
// vertical stress at the top of each layer.
#include <cstddef>
#include <vector>

#include "korvex/soil/stage_input.h"

namespace korvex::soil {

// Depth tolerance of the layer table (engine length units).
inline constexpr double kLayerTolerance = 1.0e-5;
// Working layers the table holds after subdivision.
inline constexpr std::size_t kMaxProfileLayers = 20;

// Unit weight of water in engine units: 9.81 kN/m^3 in SI, else 0.036 lb/in^3.
double water_unit_weight(int unit_system);

struct WorkingLayer {
  int type = 4;           // soil type 1..7 of the input layer
  double thk = 0.0;       // THK, length
  double cu = 0.0;        // CU, cohesion or undrained strength (rock: uniaxial strength)
  double phi = 0.0;       // PHI, degrees
  double gam = 0.0;       // GAM, total unit weight
  double kopt = 0.0;      // KOPT, optional coefficient; 0 when none (always 0 for rock)
  bool drained = true;    // DRN: soil types 4..7
  double moda = 1.0;      // MODA, modification factor for active pressure
  double ztop = 0.0;      // ZTOP, depth of the top below the top of the backfill
  bool below_wt = false;  // BELOWWT: top at or below the backfill water table
  double sigvp = 0.0;     // SIGVP, effective vertical stress at the top
};

struct SoilProfile {
  std::vector<WorkingLayer> layers;  // layer i of the report is layers[i - 1]
  double bottom = 0.0;               // ZTOP(NL + 1), the bottom of the profile
  // Index into `layers` of the layer whose top is the excavation level, or
  // npos when no layer top lies there.
  std::size_t excavation = npos;
  // Index of the layer whose top is the backfill water table; layers.size()
  // when the water table lies at or below the bottom of the profile, 0 when
  // it lies above the top of the backfill.
  std::size_t water = 0;
  bool overflow = false;  // subdivision needed more than kMaxProfileLayers layers
  // 1-based number of the first input layer with a thickness <= 0; 0 when none.
  // The walk ends before that layer.
  int bad_thickness_layer = 0;

  static constexpr std::size_t npos = static_cast<std::size_t>(-1);
};

// Copies the input layers (top parameter line) and splits them at the
// excavation level and the backfill water table. Layer boundaries that lie
// within kLayerTolerance of a break are snapped onto it, so the excavation
// layer starts exactly at `free_height`.
SoilProfile build_soil_profile(const StageInput& in);

// Fills below_wt and sigvp: total stress from the uniform surface pressure
// `qs` and the layers above, less the pore pressure at the top of layers at or
// below `wtb`.
void compute_effective_overburden(SoilProfile& profile, double qs, double wtb, double gamw);

}  // namespace korvex::soil
