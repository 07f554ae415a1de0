#include "korvex/soil/py_profile.h"

#include <algorithm>
#include <string>

#include "korvex/engine/run_stop.h"

namespace korvex::soil {
namespace {

constexpr double kDegreesToRadians = 3.1416 / 180.0;

StrengthPoint strength_point(double x, const SoilParameters& v) {
  return {x, v.cohesion, v.friction_angle * kDegreesToRadians, v.e50, v.sixth};
}

StrengthPoint interpolate(const StrengthPoint& a, const StrengthPoint& b, double x) {
  const double t = (x - a.x) / (b.x - a.x);
  auto lerp = [t](double u, double v) { return u + t * (v - u); };
  return {x, lerp(a.c, b.c), lerp(a.phi, b.phi), lerp(a.e50, b.e50), lerp(a.sixth, b.sixth)};
}

// Effective unit weight points of one layer. The water table is a step: soil
// above it keeps its unit weight, soil below is submerged.
void add_weight_points(const StageInput& in, const PyLayer& layer, double unit_weight,
                       std::vector<WeightPoint>& table) {
  const double submerged = unit_weight - water_unit_weight(in);
  const double water_x = in.water_depth_backfill - in.free_height;
  const double tol = kLengthTolerance;
  // A top at the water table is submerged: the soil below it is.
  table.push_back({layer.top, layer.top >= water_x - tol ? submerged : unit_weight});
  if (water_x > layer.top + tol && water_x < layer.bottom - tol) {
    table.push_back({water_x, unit_weight});
    table.push_back({water_x, submerged});
    table.push_back({layer.bottom, submerged});
  } else {
    table.push_back({layer.bottom, layer.bottom > water_x + tol ? submerged : unit_weight});
  }
}

}  // namespace

bool uses_si(const StageInput& in) {
  return in.unit_system == 2;
}
double end_curve_offset(const StageInput& in) {
  return uses_si(in) ? 0.01 : 0.1;
}
double water_unit_weight(const StageInput& in) {
  return uses_si(in) ? 9.81 : 0.036;
}

PyProfile build_py_profile(const StageInput& in) {
  PyProfile profile;
  const double cut = in.wall_length + 2.0 * in.increment_length - in.free_height;
  double running_bottom = 0.0;  // below the top of the wall
  double x = 0.0;               // below the excavation level
  for (std::size_t i = 0; i < in.layers.size(); ++i) {
    const SoilLayer& input = in.layers[i];
    if (input.thickness < 0.0)
      throw engine::RunStop(
          engine::StopKind::SoilStop,
          "STOP -- SOIL LAYER " + std::to_string(i + 1) + " ENDS ABOVE THE LAYER BEFORE IT");
    const double previous_bottom = running_bottom;
    running_bottom += input.thickness;
    if (running_bottom <= in.free_height) continue;
    const double contributed = running_bottom - std::max(previous_bottom, in.free_height);
    if (contributed <= kLengthTolerance) continue;
    if (x >= cut - kLengthTolerance) break;  // everything below the cut is dropped

    PyLayer layer{x, x + contributed, input.type, input.top.k};
    // The straddling layer starts at the excavation level with values
    // interpolated there.
    StrengthPoint top = strength_point(layer.top, input.top);
    StrengthPoint bottom = strength_point(layer.bottom, input.bottom);
    if (contributed < input.thickness - kLengthTolerance) {
      const StrengthPoint full_top = strength_point(layer.bottom - input.thickness, input.top);
      top = interpolate(full_top, bottom, layer.top);
    }
    const bool is_cut = layer.bottom > cut;
    if (is_cut) {
      bottom = interpolate(top, bottom, cut);
      layer.bottom = cut;
    }
    profile.layers.push_back(layer);
    profile.strength.push_back(top);
    profile.strength.push_back(bottom);
    add_weight_points(in, layer, input.top.unit_weight, profile.weight);
    x = layer.bottom;
    if (is_cut) break;
  }

  const double d = end_curve_offset(in);
  for (const PyLayer& layer : profile.layers) {
    const double t = layer.top;
    const double u = layer.bottom;
    profile.curve_depths.push_back(
        {t + d, t + 0.25 * (u - t), t + 0.5 * (u - t), t + 0.75 * (u - t), u - d});
  }
  return profile;
}

}  // namespace korvex::soil
