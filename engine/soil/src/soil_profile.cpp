#include "korvex/soil/soil_profile.h"

#include <algorithm>
#include <cmath>

namespace korvex::soil {
namespace {

WorkingLayer from_input(const SoilLayer& in, double moda) {
  WorkingLayer w;
  w.type = in.type;
  w.thk = in.thickness;
  w.cu = in.top.cohesion;
  w.phi = in.top.friction_angle;
  w.gam = in.top.unit_weight;
  w.drained = in.type >= 4;
  // The sixth value of a rock layer is not an earth-pressure coefficient.
  w.kopt = in.type >= 6 ? 0.0 : in.top.sixth;
  w.moda = moda;
  return w;
}

// The excavation level and the water table in depth order, merged when they
// coincide; breaks at or above the surface split nothing.
std::vector<double> break_depths(double h, double wtb) {
  std::vector<double> breaks{std::min(h, wtb), std::max(h, wtb)};
  if (breaks[1] - breaks[0] < kLayerTolerance) breaks.pop_back();
  std::erase_if(breaks, [](double z) { return z < kLayerTolerance; });
  return breaks;
}

std::size_t first_top_at(const std::vector<WorkingLayer>& layers, double z) {
  for (std::size_t i = 0; i < layers.size(); ++i)
    if (std::abs(layers[i].ztop - z) < kLayerTolerance) return i;
  return SoilProfile::npos;
}

}  // namespace

double water_unit_weight(int unit_system) {
  return unit_system == 2 ? 9.81 : 0.036;
}

SoilProfile build_soil_profile(const StageInput& in) {
  SoilProfile p;
  const std::vector<double> breaks = break_depths(in.free_height, in.water_depth_backfill);
  std::size_t next_break = 0;
  double ztop = 0.0;

  auto emit = [&](WorkingLayer w, double top, double bottom) {
    if (p.layers.size() == kMaxProfileLayers) {
      p.overflow = true;
      return false;
    }
    w.ztop = top;
    w.thk = bottom - top;
    p.layers.push_back(w);
    return true;
  };

  for (std::size_t k = 0; k < in.layers.size() && !p.overflow; ++k) {
    const SoilLayer& layer = in.layers[k];
    if (!(layer.thickness > 0.0)) {
      p.bad_thickness_layer = static_cast<int>(k) + 1;
      break;
    }
    const WorkingLayer w = from_input(layer, in.active_pressure_factor);
    double zb = ztop + layer.thickness;
    bool ok = true;
    while (ok && next_break < breaks.size()) {
      const double z = breaks[next_break];
      if (std::abs(z - zb) < kLayerTolerance) {
        zb = z;  // the boundary is the break: no split
        ++next_break;
      } else if (z > zb) {
        break;
      } else {
        ok = emit(w, ztop, z);
        ztop = z;
        ++next_break;
      }
    }
    if (ok && !emit(w, ztop, zb)) break;
    ztop = zb;
  }

  p.bottom = p.layers.empty() ? 0.0 : p.layers.back().ztop + p.layers.back().thk;
  p.excavation = first_top_at(p.layers, in.free_height);
  const std::size_t water = first_top_at(p.layers, in.water_depth_backfill);
  if (water != SoilProfile::npos)
    p.water = water;
  else if (in.water_depth_backfill < 0.0 && !p.layers.empty())
    p.water = 0;
  else
    p.water = p.layers.size();
  return p;
}

void compute_effective_overburden(SoilProfile& profile, double qs, double wtb, double gamw) {
  double total = qs;
  for (WorkingLayer& w : profile.layers) {
    w.below_wt = std::abs(w.ztop - wtb) < kLayerTolerance || w.ztop > wtb;
    w.sigvp = total;
    if (w.below_wt) w.sigvp -= (w.ztop - wtb) * gamw;
    total += w.thk * w.gam;
  }
}

}  // namespace korvex::soil
