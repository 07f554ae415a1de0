#pragma once
// The soil below the excavation level as p-y generation sees it: the p-y
// layers, the effective unit weight and strength tables, and the curve
// depths. x is measured down from the excavation level, in engine units.
#include <array>
#include <vector>

#include "korvex/soil/stage_input.h"

namespace korvex::soil {

inline constexpr double kLengthTolerance = 1.0e-6;  // TOLX
inline constexpr int kCurvesPerLayer = 5;

enum SoilType : int {
  kSoftClay = 1,
  kStiffClayFreeWater = 2,
  kStiffClayDry = 3,
  kSand = 4,
  kSilt = 5,
  kStrongRock = 6,
  kWeakRock = 7,
};

struct PyLayer {
  double top = 0.0;     // XTOPPY
  double bottom = 0.0;  // XBOTPY
  int type = kSoftClay;
  double k = 0.0;  // subgrade modulus (weak rock: Eir), top value
};

struct WeightPoint {
  double x = 0.0;
  double weight = 0.0;  // effective unit weight
};

// Two points per layer (top, bottom); at a layer boundary two points share x.
struct StrengthPoint {
  double x = 0.0;
  double c = 0.0;      // undrained strength, or uniaxial strength of rock
  double phi = 0.0;    // radians (degrees x 3.1416/180)
  double e50 = 0.0;    // strain at half strength; weak rock: krm
  double sixth = 0.0;  // weak rock: RQD in percent
};

struct PyProfile {
  std::vector<PyLayer> layers;
  std::vector<WeightPoint> weight;
  std::vector<StrengthPoint> strength;
  std::vector<std::array<double, kCurvesPerLayer>> curve_depths;  // per layer, x ascending
};

// SI constants apply for unit system 2, English ones otherwise.
bool uses_si(const StageInput& in);
// Offset of the first and last curve of a layer from its top and bottom.
double end_curve_offset(const StageInput& in);
// Unit weight of water taken off below the backfill water table.
double water_unit_weight(const StageInput& in);

// Builds the tables from the input layers: layers wholly above the
// excavation level are skipped, the layer that straddles it keeps its lower
// part, and the profile stops two increments below the wall tip (the layer
// reaching past that depth is cut with interpolated bottom values). Layers
// of no thickness contribute nothing. Throws engine::RunStop(SoilStop) when
// a layer ends above the one before it. The result may hold no layer.
PyProfile build_py_profile(const StageInput& in);

}  // namespace korvex::soil
