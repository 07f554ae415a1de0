#pragma once
// What the engine's input reading hands to the soil-mechanics stage: records
// 11 to 14 of the data file (unchanged, but SI surcharge distances and widths
// already in metres), and the values of the wall and its supports.
//
// Units are engine units: English lb and in (unit weight lb/in^3, stress psi),
// SI kN and m (kN/m^3, kPa). Angles in degrees. Counts never exceed the
// capacities of korvex/engine/capacities.h; the reader checks them.
#include <array>
#include <vector>

namespace korvex::soil {

struct Surcharge {
  int type = 1;            // 1 point, 2 line, 3 strip
  double magnitude = 0.0;  // force, force/length or force/area by type
  double distance = 0.0;   // from the wall (to the middle of a strip)
  double width = 0.0;      // strip width
};

// Parameter line of a soil layer, in the generic order of the data file.
struct SoilParameters {
  double unit_weight = 0.0;
  double cohesion = 0.0;        // undrained strength; rock: uniaxial strength
  double friction_angle = 0.0;  // degrees
  double e50 = 0.0;             // strain at half strength; weak rock: krm
  double k = 0.0;               // subgrade modulus; weak rock: Eir
  double sixth = 0.0;           // optional earth-pressure coefficient; weak rock: RQD
};

struct SoilLayer {
  int type = 1;               // 1..7: soft clay .. weak rock
  double bottom_depth = 0.0;  // from the top of the wall
  double thickness = 0.0;     // bottom depth less the previous bottom depth
  SoilParameters top;
  SoilParameters bottom;
};

struct PyModRow {
  double depth = 0.0;  // from the top of the wall
  double p_factor = 1.0;
  double y_factor = 1.0;
};

// A user p-y curve as handed to p-y generation: points already multiplied
// by the curve's multipliers.
struct UserCurve {
  int node = 0;
  std::vector<double> y;
  std::vector<double> p;
};

struct StageInput {
  int unit_system = 1;         // 1 English, 2 SI, 3 other
  int earth_pressure_code = 0; // KEP
  int py_curve_code = 0;       // KPY

  // Record 11.
  double free_height = 0.0;  // H, excavation level below the top of the wall
  double active_width = 0.0;  // WA
  double py_width = 0.0;      // WP
  double water_depth_backfill = 0.0;     // WTB
  double water_depth_excavation = 0.0;   // WTE
  double active_pressure_factor = 1.0;
  int pressure_switch = 1;
  double backfill_slope = 0.0;  // BETA, degrees
  // Record 12.
  double surcharge_at_top = 0.0;  // QS
  std::array<double, 5> legacy{};  // distance, point load, line load, strip load, strip width
  // Records 13 and 14.
  std::vector<Surcharge> surcharges;
  std::vector<SoilLayer> layers;

  // From the wall and its supports (records 3, 7, 8, 9, 15).
  int node_count = 0;
  double increment_length = 0.0;
  double wall_length = 0.0;  // node_count * increment_length
  int support_count = 0;     // NSUP: spring-table records plus tiebacks
  double first_support_depth = 0.0;  // H1
  double last_support_depth = 0.0;   // Hn
  double last_total_load = 0.0;      // total load per length at the last pressure point
  std::vector<PyModRow> py_mod;
  std::vector<UserCurve> user_curves;
};

}  // namespace korvex::soil
