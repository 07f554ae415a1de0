#pragma once
// p-y criteria for rock, one face at a time: a brittle curve for strong rock
// and the weak-rock criterion of Reese (1997). Engine units. No I/O.
#include "korvex/soil/py_face_points.h"

namespace korvex::soil {

struct StrongRockFace {
  double c = 0.0;   // half the uniaxial strength
  double pu = 0.0;  // c b
  double y1 = 0.0;  // end of the stiff line, 0.0004 b
  double y2 = 0.0;  // deflection at pu, 0.0024 b
  FacePoints points;
};

// qu > 0 is the uniaxial strength at the curve depth, x_face the depth below
// the surface of the face. p_multiplier scales the rising branches; the
// residual resistance 0.5 gamma b x_face beyond y2 is not scaled.
StrongRockFace strong_rock_face(double qu, double gamma, double b, double x_face,
                                double p_multiplier);

struct WeakRock {
  double qua = 0.0;  // mean strength from the top of the layer to the curve depth
  double rqd = 0.0;  // rock quality designation, percent
  double eir = 0.0;  // initial rock mass modulus
  double krm = 0.0;  // strain constant
  double b = 0.0;    // resisting width WP
};

struct WeakRockFace {
  double alpha = 0.0;  // strength reduction 1 - RQD/150
  double pur = 0.0;
  double kir = 0.0;  // initial slope
  double yrm = 0.0;
  double ya = 0.0;  // where the initial line meets the power curve
  FacePoints points;
};

// xr: depth below the top of the rock layer on this face.
WeakRockFace weak_rock_face(const WeakRock& rock, double xr);

}  // namespace korvex::soil
