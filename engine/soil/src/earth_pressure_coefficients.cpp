#include "korvex/soil/earth_pressure_coefficients.h"

#include <cmath>

namespace korvex::soil {
namespace {

constexpr double kDegreesPerRadian = 57.2958;
constexpr double kNoCoefficient = 1.0e-7;  // a KOPT at or below this is not given

}  // namespace

std::vector<LayerCoefficients> earth_pressure_coefficients(const SoilProfile& profile, double beta,
                                                           double free_height) {
  std::vector<LayerCoefficients> out;
  out.reserve(profile.layers.size());
  for (const WorkingLayer& w : profile.layers) {
    LayerCoefficients c;
    c.ta = std::tan((45.0 - 0.5 * w.phi) / kDegreesPerRadian);
    c.rankine_ka = c.ta * c.ta;
    if (std::abs(beta) > 0.0) {
      if (w.phi > std::abs(beta)) {
        const double cb = std::cos(beta / kDegreesPerRadian);
        const double cp = std::cos(w.phi / kDegreesPerRadian);
        const double root = std::sqrt(cb * cb - cp * cp);
        c.rankine_ka = cb * (cb - root) / (cb + root);
        c.ta = std::sqrt(c.rankine_ka);
      } else if (w.ztop < free_height) {
        c.slope_warning = true;
      }
    }
    const double tp = std::tan((45.0 + 0.5 * w.phi) / kDegreesPerRadian);
    c.kp = tp * tp;
    c.ka = c.rankine_ka;
    if (w.kopt > kNoCoefficient) {
      c.ka = w.kopt;
      c.ta = 0.0;
    }
    out.push_back(c);
  }
  return out;
}

}  // namespace korvex::soil
