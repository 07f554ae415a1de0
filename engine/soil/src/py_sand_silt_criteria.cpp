#include "korvex/soil/py_sand_silt_criteria.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvex::soil {
namespace {

constexpr double kK0 = 0.4;
constexpr double kNever = std::numeric_limits<double>::infinity();

// Deflections of the parabola frame: y0 (the end of the initial line, or
// ym/10), then steps to ym and on to 1.2 yu.
void frame_deflections(double y0, double ym, double yu, FacePoints& pts) {
  pts.y[0] = 0.0;
  pts.y[1] = 0.5 * y0;
  pts.y[2] = y0;
  for (int j = 1; j <= 9; ++j) pts.y[2 + j] = y0 + j * (ym - y0) / 10.0;
  pts.y[12] = ym;
  pts.y[13] = (2.0 * ym + yu) / 3.0;
  pts.y[14] = (ym + 2.0 * yu) / 3.0;
  pts.y[15] = yu;
  pts.y[16] = 1.2 * yu;
}

// Parabola frame shared by both criteria: initial line ks y up to yk, the
// parabola C y^(1/n) up to ym, a straight segment from pm to pu at yu.
struct Frame {
  double ym = 0.0, yu = 0.0, m = 0.0, inv_n = 0.0, cp = 0.0, yk = kNever;
};

Frame make_frame(double b, double pu, double pm, double ks, bool magnitude_of_m) {
  Frame f;
  f.ym = b / 60.0;
  f.yu = 3.0 * b / 80.0;
  f.m = (pu - pm) / (f.yu - f.ym);
  f.inv_n = (magnitude_of_m ? std::abs(f.m) : f.m) * f.ym / pm;  // 1/n
  f.cp = pm / std::pow(f.ym, f.inv_n);
  // The initial line meets the parabola at yk; without a modulus it never does.
  if (ks > 0.0) f.yk = std::pow(f.cp / ks, 1.0 / (1.0 - f.inv_n));
  return f;
}

// Where the initial line reaches pu only beyond yu, the curve is stretched
// so that yu = pu/ks.
void stretch_frame(Frame& f, double pu, double ks) {
  if (ks > 0.0 && f.yu < f.yk) {
    f.ym = f.ym * (pu / ks) / f.yu;
    f.yu = pu / ks;
    f.yk = f.ym / 10.0;
  }
}

double frame_start(const Frame& f) {
  return f.yk <= f.ym / 5.0 ? f.yk : f.ym / 10.0;
}

}  // namespace

SandFactors sand_factors(double r) {
  static constexpr double kR[] = {0.0, 0.5, 1.0, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0};
  static constexpr double kA[] = {2.83, 2.48, 2.11, 1.76, 1.48, 1.23, 1.06, 0.90, 0.88, 0.88};
  static constexpr double kB[] = {2.14, 1.83, 1.54, 1.27, 1.05, 0.86, 0.71, 0.53, 0.50, 0.50};
  constexpr std::size_t n = std::size(kR);
  std::size_t i = 1;
  while (i < n - 1 && !(r < kR[i])) ++i;
  const double t = (r - kR[i - 1]) / (kR[i] - kR[i - 1]);
  return {kA[i - 1] + t * (kA[i] - kA[i - 1]), kB[i - 1] + t * (kB[i] - kB[i - 1])};
}

FrictionResistance friction_resistance(double phi, double gamma, double b, double xu, double pi) {
  FrictionResistance r;
  const double alpha = phi / 2.0;
  const double beta = pi / 4.0 + phi / 2.0;
  r.ka = std::pow(std::tan(pi / 4.0 - phi / 2.0), 2);
  r.kp = std::pow(std::tan(pi / 4.0 + phi / 2.0), 2);
  const double tb = std::tan(beta);
  const double tbf = std::tan(beta - phi);
  const double tphi = std::tan(phi);
  const double ta = std::tan(alpha);
  r.wedge =
      gamma * xu *
      (kK0 * xu * tphi * std::sin(beta) / (tbf * std::cos(alpha)) + tb / tbf * (b + xu * tb * ta) +
       kK0 * xu * tb * (tphi * std::sin(beta) - ta) - r.ka * b);
  r.flow_around = r.ka * b * gamma * xu * (std::pow(tb, 8) - 1.0) +
                  kK0 * b * gamma * xu * tphi * std::pow(tb, 4);
  return r;
}

double coulomb_passive(double phi, double delta) {
  const double root = std::sqrt(std::sin(phi + delta) * std::sin(phi) / std::cos(delta));
  return std::pow(std::cos(phi), 2) / (std::cos(delta) * std::pow(1.0 - root, 2));
}

SandFace sand_face(const FrictionSoil& s, double x_face, double xu, bool continuous) {
  SandFace f;
  const double b = s.b;
  f.resistance = friction_resistance(s.phi, s.gamma, b, xu, kSandPi);
  f.ps = continuous ? b * coulomb_passive(s.phi, s.phi / 2.0) * s.gamma * x_face
                    : std::min(f.resistance.wedge, f.resistance.flow_around);
  f.factors = sand_factors(x_face / b);
  f.pu = f.factors.a * f.ps;
  f.pm = f.factors.b * f.ps;
  f.ks = xu * s.k;
  Frame fr = make_frame(b, f.pu, f.pm, f.ks, false);
  stretch_frame(fr, f.pu, f.ks);
  frame_deflections(frame_start(fr), fr.ym, fr.yu, f.points);
  for (int i = 0; i < kFacePoints; ++i) {
    const double y = f.points.y[i];
    double p = f.ks * y;
    if (y > fr.yk || y >= fr.ym) {
      if (y < fr.ym)
        p = fr.cp * std::pow(y, fr.inv_n);
      else if (y < fr.yu)
        p = f.pm + fr.m * (y - fr.ym);
      else
        p = f.pu;
    }
    f.points.p[i] = std::min(p, f.ks * y);
  }
  return f;
}

SiltFace silt_face(const FrictionSoil& s, double x_face, double xu, bool continuous) {
  SiltFace f;
  const double b = s.b;
  const double pi = 4.0 * std::atan(1.0);
  f.resistance = friction_resistance(s.phi, s.gamma, b, xu, pi);
  f.pu_friction = continuous ? b * coulomb_passive(s.phi, kSiltWallFriction) * s.gamma * x_face
                             : std::min(f.resistance.wedge, f.resistance.flow_around);
  if (continuous) {
    f.pu_cohesion = s.gamma * b * x_face + 2.0 * s.c * b;
  } else if (s.c > 0.0) {
    const double np = std::min(3.0 + s.gamma * xu / s.c + 0.5 * xu / b, 9.0);
    f.pu_cohesion = s.c * np * b;
  }
  f.factors = sand_factors(xu / b);
  f.pu = f.factors.a * f.pu_friction;
  f.pm = 1.5 * f.pu_friction + f.pu_cohesion;
  f.ks = xu * s.k;
  Frame fr = make_frame(b, f.pu, f.pm, f.ks, true);
  const double ks = f.ks;

  double y1 = 0.0, y2 = 0.0;
  f.shape = 1;
  if (ks > 0.0 && !(fr.yk >= 0.0 && fr.yk < fr.ym)) {
    y1 = (f.pm - fr.m * fr.ym) / (ks - fr.m);
    if (y1 >= fr.ym && y1 < fr.yu) {
      f.shape = 2;
    } else {
      y2 = f.pu / ks;
      if (y2 >= fr.yu) f.shape = 3;
    }
  }

  FacePoints& pts = f.points;
  if (f.shape == 1) {
    stretch_frame(fr, f.pu, ks);
    frame_deflections(frame_start(fr), fr.ym, fr.yu, pts);
  } else if (f.shape == 2) {
    pts.y[0] = 0.0;
    for (int j = 1; j <= 8; ++j) pts.y[j] = j * y1 / 8.0;
    for (int k = 1; k <= 5; ++k) pts.y[8 + k] = y1 + k * (fr.yu - y1) / 6.0;
    pts.y[14] = fr.yu;
    pts.y[15] = 1.1 * fr.yu;
    pts.y[16] = 1.2 * fr.yu;
  } else {
    pts.y[0] = 0.0;
    for (int j = 1; j <= 11; ++j) pts.y[j] = j * y2 / 12.0;
    for (int k = 0; k < 5; ++k) pts.y[12 + k] = (1.0 + 0.05 * k) * y2;
  }
  for (int i = 0; i < kFacePoints; ++i) {
    const double y = pts.y[i];
    double p = f.pu;
    if (f.shape == 1) {
      if (y <= fr.yk)
        p = ks * y;
      else if (y <= fr.ym)
        p = fr.cp * std::pow(y, fr.inv_n);
      else if (y <= fr.yu)
        p = f.pm + fr.m * (y - fr.ym);
    } else if (f.shape == 2) {
      if (y <= y1)
        p = ks * y;
      else if (y <= fr.yu)
        p = ks * y1 + fr.m * (y - y1);
    } else if (y <= y2) {
      p = ks * y;
    }
    pts.p[i] = std::min(p, ks * y);
  }
  return f;
}

double sand_active_offset(double sigvh, double ka, double b) {
  const double offset = sigvh * ka * b;
  return offset < 1.0e-5 ? 0.0 : offset;
}

double silt_active_offset(double sigvh, double ka, double c, double b) {
  const double offset = b * (sigvh * ka - 2.0 * c * std::sqrt(ka));
  return offset < 1.0e-5 ? 0.0 : offset;
}

}  // namespace korvex::soil
