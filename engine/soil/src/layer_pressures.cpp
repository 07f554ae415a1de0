#include "korvex/soil/layer_pressures.h"

#include <algorithm>

#include "korvex/soil/surcharge_pressure.h"

namespace korvex::soil {

LayerResultants layer_resultants(const SoilProfile& profile,
                                 const std::vector<LayerCoefficients>& coefficients,
                                 const std::vector<Surcharge>& surcharges, double free_height,
                                 double wtb, double gamw) {
  LayerResultants out;
  out.layers.resize(profile.layers.size());
  const std::size_t lp = profile.excavation;

  for (std::size_t i = 0; i < lp; ++i) {
    const WorkingLayer& w = profile.layers[i];
    const LayerCoefficients& c = coefficients[i];
    LayerResultant& r = out.layers[i];
    r.pa1 = w.sigvp * c.ka * w.thk * w.moda;
    for (const Surcharge& s : surcharges)
      r.pa1 += surcharge_layer_force(s, w.ztop, w.thk, free_height);
    const double gam = w.below_wt && w.drained ? w.gam - gamw : w.gam;
    r.pa2 = 0.5 * gam * w.thk * w.thk * c.ka * w.moda;
    r.pa3 = 0.0 - 2.0 * w.cu * c.ta * w.thk * w.moda;  // +0 without cohesion
    r.z1 = w.ztop + 0.5 * w.thk;
    r.z2 = w.ztop + 2.0 * w.thk / 3.0;

    if (r.pa1 + r.pa3 < 0.0) {
      r.pa1 = r.pa2 = r.pa3 = 0.0;
      const double cohesion = 2.0 * w.cu * c.ta;
      const double a = cohesion - w.sigvp * c.ka;                      // tension at the top
      const double b = profile.layers[i + 1].sigvp * c.ka - cohesion;  // pressure at the bottom
      // Only a positive bottom pressure leaves a compressive part.
      r.zc = b > 0.0 && a + b > 0.0 ? std::min(w.thk, b * w.thk / (b + a)) : 0.0;
      r.pa4 = b > 0.0 ? w.moda * r.zc * b / 2.0 : 0.0;
      r.z3 = profile.layers[i + 1].ztop - r.zc / 3.0;
    }
  }

  if (profile.water + 1 <= lp) {
    out.water_section = true;
    for (std::size_t i = profile.water; i < lp; ++i) {
      const WorkingLayer& w = profile.layers[i];
      LayerResultant& r = out.layers[i];
      if (!w.drained || !w.below_wt) continue;
      r.pw1 = -std::max(0.0, w.ztop - wtb) * gamw * w.thk;
      r.pw2 = -0.5 * gamw * w.thk * w.thk;
      r.water_row = true;
    }
  }

  for (std::size_t i = 0; i < lp; ++i) {
    const LayerResultant& r = out.layers[i];
    out.pt += r.pa1 + r.pa2 + r.pa3 + r.pa4 - r.pw1 - r.pw2;
  }
  return out;
}

}  // namespace korvex::soil
