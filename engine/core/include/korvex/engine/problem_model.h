#pragma once
// The engine's problem model: everything one problem needs, in fixed-size
// storage. Station j of a wall of N increments is stored at index j + 4, so
// indices 1 .. N + 7 hold stations -3 .. N + 3 (index 0 is unused).
#include <array>

#include "korvex/engine/capacities.h"

namespace korvex::engine {

inline constexpr int kStationIndexLimit = kStationSlots + 1;  // valid indices 1 .. kStationSlots

using StationReals = std::array<double, kStationIndexLimit>;

// Station codes of specified conditions.
enum StationCode : int {
  kFree = 1,          // no condition
  kDeflection = 2,    // deflection specified
  kAboveSlope = 3,    // station above a specified slope
  kSlopeDeflection = 4,  // deflection specified where a slope is also specified
  kBelowSlope = 5,    // station below a specified slope
};

struct StationArrays {
  StationReals F{};   // flexural rigidity EI
  StationReals Q{};   // transverse load per station (input)
  StationReals S{};   // transverse spring stiffness (input)
  StationReals T{};   // applied couple
  StationReals R{};   // rotational restraint
  StationReals P{};   // axial load, held negated
  StationReals Y{};   // deflection
  StationReals QQ{};  // load of this pass (input plus p-y intercepts)
  StationReals SS{};  // stiffness of this pass (input plus p-y tangents)
  StationReals A{}, B{}, C{};  // recursion: Y(J) = A(J) + B(J) Y(J+1) + C(J) Y(J+2)
  std::array<int, kStationIndexLimit> KODE{};
  // Specified values by station index: the deflection at a code 2 or 4
  // station, and the slope at the station between codes 3 and 5.
  StationReals spec_deflection{};
  StationReals spec_slope{};
};

// Wall geometry of the problem and its derived constants.
struct Geometry {
  int N = 0;      // increments
  double h = 0;   // increment length
  double h2 = 0;  // 2h
  double hh = 0;  // h squared
  double h3 = 0;  // h cubed
  int tip() const { return N + 4; }  // index of the tip station
  void set(int n, double inc) {
    N = n;
    h = inc;
    h2 = 2.0 * inc;
    hh = inc * inc;
    h3 = inc * inc * inc;
  }
};

// One p-y curve as the iteration uses it.
struct PyCurve {
  int JS = 0, JE = 0;  // station indices of the curve's range
  int CONT = 0;        // 1: interpolate towards the next curve
  int NPTS = 0;
  std::array<double, kMaxCurvePoints> W{};   // deflection
  std::array<double, kMaxCurvePoints> PC{};  // force per station, opposite in sign to W
};

struct MeiCurve {
  int from = 0, to = 0;  // real stations
  int npts = 0;
  std::array<double, kMaxMeiPoints> M{};
  std::array<double, kMaxMeiPoints> EI{};
};

struct Tieback {
  double depth = 0, area = 0, modulus = 0, length = 0, angle = 0, spacing = 0, prestress = 0;
  double theta = 0;  // angle in radians (pi taken as 3.1416)
  int station = 0;
  double TS = 0;  // spring stiffness per station
  double TQ = 0;  // prestress load per station
};

struct Couple {
  int station = 0;
  double t = 0;  // T / (2h)
};

struct PressurePoint {
  double depth = 0, total = 0, soil = 0, surcharge = 0;
};

struct ProfileRow {
  double depth = 0, deflection = 0, moment = 0, shear = 0, reaction = 0;
};

// Per-station results of the last pass, for the report (stations 0 .. N)
// and the plot-file profile (stations 0 .. N + 1).
struct StationResults {
  StationReals slope{};
  StationReals moment{};
  StationReals shear{};
  StationReals reaction{};
};

}  // namespace korvex::engine
