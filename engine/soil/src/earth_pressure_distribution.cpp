#include "korvex/soil/earth_pressure_distribution.h"

#include <algorithm>
#include <cmath>

#include "korvex/soil/surcharge_pressure.h"

namespace korvex::soil {
namespace {

constexpr double kMinPressure = 1.0e-5;    // smaller pressures are written as tiny positives
constexpr double kTinyPressure = 1.0e-12;  // times the point number
constexpr double kMinSurfacePressure = 1.0e-6;

// The engine never reads a non-positive active pressure: point k (1-based)
// gets k * 1.0E-12 instead.
double positive(double p, std::size_t k) {
  return p < kMinPressure ? static_cast<double>(k) * kTinyPressure : p;
}

}  // namespace

double layer_point_count(double thk, int unit_system) {
  return std::round(unit_system == 2 ? 20.0 * thk : thk);
}

double distribution_point_count(const SoilProfile& profile, int unit_system) {
  double n = 1.0;
  for (const WorkingLayer& w : profile.layers) n += layer_point_count(w.thk, unit_system);
  return n;
}

PressureDistribution distribute_active_pressure(const SoilProfile& profile,
                                                const std::vector<LayerCoefficients>& coefficients,
                                                const StageInput& in, double gamw,
                                                bool with_water) {
  PressureDistribution d;
  const double h = in.free_height;
  const double qs = in.surcharge_at_top;
  const double wtb = in.water_depth_backfill;
  const double wte = in.water_depth_excavation;
  const std::size_t lp = profile.excavation;
  const std::size_t nl = profile.layers.size();
  if (nl == 0) return d;
  d.points.reserve(static_cast<std::size_t>(distribution_point_count(profile, in.unit_system)));

  {
    const double surface = coefficients[0].ka * qs * profile.layers[0].moda;
    d.points.push_back({0.0, surface, 0.0, qs > 0.0 ? surface : 0.0});
  }

  double uw = 0.0;  // excavation-side water pressure, carried from point to point
  for (std::size_t l = 0; l < nl; ++l) {
    const WorkingLayer& w = profile.layers[l];
    const LayerCoefficients& c = coefficients[l];
    const bool submerged = w.below_wt && w.drained;
    const double water = submerged && with_water ? gamw : 0.0;
    const double gam = submerged ? w.gam - gamw : w.gam;
    const double cohesion = 2.0 * w.cu * c.ta * w.moda;

    double slope = 0.0;
    double base = 0.0;
    if (l < lp) {
      slope = water + gam * c.ka * w.moda;
      base = (w.ztop - wtb) * water + w.sigvp * c.ka * w.moda - cohesion;
    } else {
      // Below the excavation level: the active pressure at that level, with
      // the layer's own coefficient, constant and without water.
      base = profile.layers[lp].sigvp * c.ka * w.moda - cohesion;
    }
    // The uniform surface pressure's share; the water stays in the soil part.
    const double qt = qs < kMinSurfacePressure ? 0.0 : std::max(0.0, qs * c.ka * w.moda - cohesion);

    const int n = static_cast<int>(layer_point_count(w.thk, in.unit_system));
    const double bottom = l + 1 < nl ? profile.layers[l + 1].ztop : profile.bottom;
    for (int j = 1; j <= n; ++j) {
      const double zl = j == n ? bottom - w.ztop : j * w.thk / n;
      PressurePoint p;
      p.zp = j == n ? bottom : w.ztop + zl;
      const double p0 = slope * zl + base;
      p.pat = p0;
      p.paw = p0;
      const double ps = surcharge_pressure_on_grid(in.surcharges, p.zp, h, in.wall_length);
      p.pat += ps;

      if (p.zp > wte && p.zp < h - kLayerTolerance)
        uw = (p.zp - wte) * gamw;
      else if (p.zp > h + kLayerTolerance)
        uw = p.zp > wte ? (wtb - wte) * gamw : 0.0;
      if (w.below_wt) {
        p.pat -= uw;
        p.paw -= uw;
      }

      const std::size_t k = d.points.size() + 1;
      p.pat = positive(p.pat, k);
      p.paw = positive(p.paw, k);
      if (l < lp) {
        const PressurePoint& prev = d.points.back();
        d.ftot += 0.5 * (prev.pat + p.pat) * (p.zp - prev.zp);
      }
      p.paq = ps + qt;
      p.paw -= qt;
      d.points.push_back(p);
    }
    if (l < lp) d.last_above = d.points.size() - 1;
  }
  return d;
}

bool apply_trapezoidal_envelope(PressureDistribution& d, double free_height,
                                const SupportLevels& supports) {
  const double h = free_height;
  if (supports.count < 1 || d.last_above < 1 || !(h >= kLayerTolerance)) return false;
  const double h1 = supports.first_depth;
  const double hn = supports.last_depth;
  const double a = 2.0 * h1 / 3.0;
  double b = 0.0;
  double pmax = 0.0;
  if (supports.count == 1) {
    b = 2.0 * (h - h1) / 3.0;
    pmax = 1.3 * d.ftot * 3.0 / (2.0 * h);
  } else {
    b = 2.0 * (h - hn) / 3.0;
    const double span = h - h1 / 3.0 - (h - hn) / 3.0;
    if (!(span >= kLayerTolerance)) return false;
    pmax = 1.3 * d.ftot / span;
  }
  const double lower = h - b;  // start of the lower ramp
  for (std::size_t k = 1; k <= d.last_above; ++k) {
    PressurePoint& p = d.points[k];
    double pat = pmax;
    if (p.zp < a)
      pat = pmax * p.zp / a;
    else if (p.zp > lower)
      pat = pmax - (p.zp - lower) * pmax / b;
    p.pat = positive(pat, k + 1);
  }
  return true;
}

}  // namespace korvex::soil
