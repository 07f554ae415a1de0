#pragma once
// Nonlinear iteration: p-y linearisation, moment-EI update, tiebacks and the
// pass loop that closes the solution.
#include <functional>

#include "korvex/engine/beam_solver.h"
#include "korvex/engine/problem_model.h"

namespace korvex::engine {

inline constexpr int kMaxPasses = 100;

// Tangent and intercept of the segment of curve `c` that holds deflection y:
// the soil force at the station is intercept - slope * y. `off_curve` is set
// when y lies outside the curve's points.
struct Linearised {
  double slope = 0;
  double intercept = 0;
};
Linearised linearise(const PyCurve& c, double y, bool& off_curve);

// Adds the p-y springs and intercepts of all curves to SS and QQ for the
// current deflections. Returns false when a curve range ends above its start
// (the run stops with "ERROR STOP -- STATIONS NOT IN ORDER"). The JS of
// continued curves is updated as in every pass.
bool apply_py_curves(StationArrays& st, const Geometry& g, PyCurve* curves, int count,
                     bool& off_curve);

// Sets F from the current curvature on the stations of each moment-EI curve
// (stations clipped to the wall, 0 .. N).
void update_moment_ei(StationArrays& st, const Geometry& g, const MeiCurve* curves, int count);

// Station, spring stiffness and prestress load of one tieback. English
// units take depth, spacing and unbonded length in feet; SI in metres.
// `width` is the wall width the analysis represents (Wa).
void set_up_tieback(Tieback& t, const Geometry& g, int unit_system, double width);

struct TiebackForces {
  double depth = 0;       // printed depth (inches in English)
  double horizontal = 0;  // per station
  double along = 0;       // per station, along the tieback
  double per_tieback = 0;
};
TiebackForces tieback_forces(const Tieback& t, const StationArrays& st, int unit_system,
                             double width);

struct PassRecord {
  int pass = 0;
  bool off_curve = false;
  int not_closed = 0;
  double y[5] = {};  // deflections of stations 1 to 5
};

struct IterationOutcome {
  int passes = 0;
  bool off_curve = false;  // in the last pass
  int over_limit = 0;      // NEXC of the last pass
  int not_closed = 0;      // NOPEN of the last pass
  bool stations_not_in_order = false;  // a p-y range ended above its start
};

struct IterationInput {
  double max_deflection = 0;
  double tolerance = 0;
  PyCurve* curves = nullptr;
  int curve_count = 0;
  const MeiCurve* mei = nullptr;
  int mei_count = 0;
};

// Runs the passes of one problem. The moment-EI update with the previous
// deflections and the zeroing of Y happen before (see reset_for_problem).
// `on_pass` receives each pass for the monitor.
IterationOutcome iterate(StationArrays& st, const Geometry& g, const IterationInput& in,
                         StationReals& ymei, const std::function<void(const PassRecord&)>& on_pass);

}  // namespace korvex::engine
