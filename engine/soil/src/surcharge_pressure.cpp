#include "korvex/soil/surcharge_pressure.h"

#include <cmath>

namespace korvex::soil {
namespace {

constexpr double kPi = 3.1416;  // as the distributed-pressure constants are written
constexpr double kMinMagnitude = 1.0e-4;
constexpr int kLayerStrips = 10;
constexpr int kGridSteps = 200;

double point_load(double q, double m, double n, double h) {
  const double n2 = n * n;
  if (m <= 0.4) return 0.28 * q * n2 / (h * h * std::pow(0.16 + n2, 3));
  const double m2 = m * m;
  return 1.77 * q * m2 * n2 / (h * h * std::pow(m2 + n2, 3));
}

double line_load(double q, double m, double n, double h, SurchargeUse use) {
  const double n2 = n * n;
  if (m <= 0.4) return 0.203 * q * n / (h * std::pow(0.16 + n2, 2));
  const double c = use == SurchargeUse::LayerResultant ? 1.273 : 4.0 / kPi;
  const double m2 = m * m;
  return c * q * m2 * n / (h * std::pow(m2 + n2, 2));
}

double strip_load(double q, double x, double b, double z, SurchargeUse use) {
  // atan2 keeps the surface (z = 0) defined: the angles become +-pi/2.
  const double t1 = std::atan2(x - 0.5 * b, z);
  const double t2 = std::atan2(x + 0.5 * b, z);
  const double beta = t2 - t1;
  const double k = use == SurchargeUse::LayerResultant ? 0.6366 : 2.0 / kPi;
  return k * q * (beta - std::sin(beta) * std::cos(t1 + t2));
}

}  // namespace

double surcharge_lateral_pressure(const Surcharge& s, double z, double free_height,
                                  SurchargeUse use) {
  if (!(free_height >= kMinSurchargeHeight)) return 0.0;
  const double m = s.distance / free_height;
  const double n = z / free_height;
  switch (s.type) {
    case 2:
      return line_load(s.magnitude, m, n, free_height, use);
    case 3:
      return strip_load(s.magnitude, s.distance, s.width, z, use);
    default:
      return point_load(s.magnitude, m, n, free_height);
  }
}

double surcharge_layer_force(const Surcharge& s, double ztop, double thk, double free_height) {
  if (!(s.magnitude > kMinMagnitude)) return 0.0;
  const double dz = thk / kLayerStrips;
  double force = 0.0;
  for (int k = 1; k <= kLayerStrips; ++k)
    force += dz * surcharge_lateral_pressure(s, ztop + k * dz, free_height,
                                             SurchargeUse::LayerResultant);
  return force;
}

std::vector<Surcharge> resultant_surcharges(const StageInput& in) {
  if (!in.surcharges.empty()) return in.surcharges;
  const auto& [distance, point, line, strip, width] = in.legacy;
  return {{1, point, distance, width}, {2, line, distance, width}, {3, strip, distance, width}};
}

double surcharge_pressure_on_grid(const std::vector<Surcharge>& surcharges, double z,
                                  double free_height, double wall_length) {
  const double dz = wall_length / kGridSteps;
  if (!(dz > 0.0) || dz >= z) return 0.0;
  int k = kGridSteps;
  while (k > 1 && k * dz >= z) --k;
  const double zk = k * dz;
  double ps = 0.0;
  for (const Surcharge& s : surcharges)
    ps += surcharge_lateral_pressure(s, zk, free_height, SurchargeUse::Distribution);
  return ps;
}

}  // namespace korvex::soil
