#pragma once
// p-y criteria for clays under static loading, one face at a time: soft clay
// (Matlock 1970), stiff clay with free water (Reese, Cox and Koop 1975) and
// stiff clay without free water (Welch and Reese 1972). Inputs in consistent
// engine units: strengths force/area, unit weight force/volume, b and depths
// length, k force/volume. `continuous` is WA/WP < 1.1 (the soil fails as in
// front of a continuous wall). No I/O.
#include "korvex/soil/py_face_points.h"

namespace korvex::soil {

struct ClaySoil {
  double c = 0.0;      // strength at the curve depth
  double ca = 0.0;     // average strength above the curve depth (stiff clays)
  double gamma = 0.0;  // mean effective unit weight above the curve depth
  double e50 = 0.0;    // strain at half the strength
  double b = 0.0;      // resisting width WP
};

struct SoftClayFace {
  double np = 0.0;  // bearing factor, at most 9
  double pu = 0.0;
  double y50 = 0.0;
  FacePoints points;
};

// xu: depth of the face used in the resistance (equivalent depth below the
// first layer). Needs e50 > 0; c = 0 gives pu = 0 unless continuous.
SoftClayFace soft_clay_face(const ClaySoil& soil, double xu, bool continuous);
// Secant modulus reported where a deflection is below 1.0E-14.
double soft_clay_initial_modulus(double pu, double y50);

// Factor As of the static stiff-clay curve at x/b (linear, continued with
// the last segment).
double stiff_clay_as(double x_over_b);
// Residual resistance of the static stiff-clay curve as a fraction of pc.
double stiff_clay_residual_factor(double as);

struct StiffClayWetFace {
  double as = 0.0;
  double pct = 0.0;  // wedge resistance
  double pcd = 0.0;  // flow-around resistance 11 c b
  double pc = 0.0;
  double y50 = 0.0;
  double ks = 0.0;  // xu k, slope of the initial line
  FacePoints points;
};

// As is read at x/b (x the curve depth); xu is the face depth; k the
// subgrade modulus of the layer.
StiffClayWetFace stiff_clay_free_water_face(const ClaySoil& soil, double x, double xu, double k,
                                            bool continuous);

struct StiffClayDryFace {
  double pu = 0.0;
  double y50 = 0.0;
  FacePoints points;
};

StiffClayDryFace stiff_clay_dry_face(const ClaySoil& soil, double xu, bool continuous);

// Active-pressure offset b (SIGVH - 2c), 0 when it is at most 1.0E-10.
double clay_active_offset(double sigvh, double c, double b);

}  // namespace korvex::soil
