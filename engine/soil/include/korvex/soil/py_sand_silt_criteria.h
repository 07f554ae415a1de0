#pragma once
// p-y criteria for sand (Reese, Cox and Koop 1974, static) and for silt, a
// soil with cohesion and friction, one face at a time. Angles in radians,
// engine units otherwise. No I/O.
#include "korvex/soil/py_face_points.h"

namespace korvex::soil {

inline constexpr double kSandPi = 3.1416;
inline constexpr double kSiltWallFriction = 0.17453;  // radians, continuous-wall rule of silt

struct SandFactors {
  double a = 0.0;
  double b = 0.0;
};

// Empirical factors A and B (static) at depth/width r; flat from r = 5 on.
SandFactors sand_factors(double r);

// The wedge and flow-around resistances at depth xu, with the earth
// pressure coefficients they use. `pi` is the value of pi the criterion
// takes.
struct FrictionResistance {
  double ka = 0.0;
  double kp = 0.0;
  double wedge = 0.0;        // pst
  double flow_around = 0.0;  // psd
};
FrictionResistance friction_resistance(double phi, double gamma, double b, double xu, double pi);

// Coulomb passive coefficient with wall friction delta.
double coulomb_passive(double phi, double delta);

struct FrictionSoil {
  double phi = 0.0;    // friction angle at the curve depth, radians
  double c = 0.0;      // cohesion (silt)
  double gamma = 0.0;  // mean effective unit weight above the curve depth
  double b = 0.0;      // resisting width WP
  double k = 0.0;      // subgrade modulus of the layer
};

struct SandFace {
  SandFactors factors;  // at x_face
  FrictionResistance resistance;
  double ps = 0.0;
  double pu = 0.0;
  double pm = 0.0;
  double ks = 0.0;
  FacePoints points;
};

// x_face: depth below the surface of the face; xu: the depth used in the
// resistances (the equivalent depth below the first layer). Needs phi > 0.
SandFace sand_face(const FrictionSoil& soil, double x_face, double xu, bool continuous);

struct SiltFace {
  SandFactors factors;  // at xu
  FrictionResistance resistance;
  double pu_friction = 0.0;  // Pu-phi
  double pu_cohesion = 0.0;  // Puc
  double pu = 0.0;
  double pm = 0.0;
  double ks = 0.0;
  int shape = 1;  // 1 parabola frame, 2 line meets the straight segment, 3 line up to pu
  FacePoints points;
};

SiltFace silt_face(const FrictionSoil& soil, double x_face, double xu, bool continuous);

// Active-pressure offsets, 0 when below 1.0E-5.
double sand_active_offset(double sigvh, double ka, double b);
double silt_active_offset(double sigvh, double ka, double c, double b);

}  // namespace korvex::soil
