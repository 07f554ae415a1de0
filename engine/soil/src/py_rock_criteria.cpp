#include "korvex/soil/py_rock_criteria.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvex::soil {

StrongRockFace strong_rock_face(double qu, double gamma, double b, double x_face,
                                double p_multiplier) {
  StrongRockFace f;
  f.c = 0.5 * qu;
  const double es = 2000.0 * f.c;
  f.y1 = 0.0004 * b;
  const double p1 = es * f.y1;
  f.pu = f.c * b;
  f.y2 = (f.pu - p1) / (100.0 * f.c) + f.y1;
  const double dy = f.y2 / 15.0;
  // Point 16 lies at y2 itself; the tolerance keeps rounding of the repeated
  // addition from moving it to either side of the drop.
  const double drop = f.y2 * (1.0 - 1.0e-9);
  double y = 0.0;
  for (int i = 0; i < kFacePoints; ++i) {
    if (i > 0) y += dy;
    f.points.y[i] = y;
    if (y < f.y1)
      f.points.p[i] = p_multiplier * es * y;
    else if (y < drop)
      f.points.p[i] = p_multiplier * (p1 + 100.0 * f.c * (y - f.y1));
    else
      f.points.p[i] = 0.5 * gamma * b * x_face;
  }
  return f;
}

WeakRockFace weak_rock_face(const WeakRock& r, double xr) {
  WeakRockFace f;
  const double b = r.b;
  f.alpha = 1.0 - r.rqd / 150.0;
  if (xr <= 3.0 * b) {
    f.pur = f.alpha * r.qua * (b + 1.4 * xr);
    f.kir = r.eir * (100.0 + 400.0 * xr / (3.0 * b));
  } else {
    f.pur = 5.2 * f.alpha * r.qua * b;
    f.kir = 500.0 * r.eir;
  }
  f.yrm = r.krm * b;
  f.ya = f.kir > 0.0 ? std::pow(f.pur / (2.0 * std::pow(f.yrm, 0.25) * f.kir), 4.0 / 3.0)
                     : std::numeric_limits<double>::infinity();
  static constexpr double kMultiples[kFacePoints] = {0.0005, 0.001, 0.003, 0.006, 0.009, 0.02,
                                                     0.04,   0.06,  0.08,  0.1,   0.25,  0.5,
                                                     0.75,   1.0,   4.0,   8.0,   12.0};
  for (int i = 0; i < kFacePoints; ++i) {
    const double y = f.yrm * kMultiples[i];
    f.points.y[i] = y;
    f.points.p[i] = y < f.ya ? f.kir * y : std::min(0.5 * f.pur * std::pow(y / f.yrm, 0.25), f.pur);
  }
  return f;
}

}  // namespace korvex::soil
