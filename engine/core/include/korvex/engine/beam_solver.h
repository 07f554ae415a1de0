#pragma once
// Beam-column finite-difference solver: one five-term equation per station,
// solved by forward elimination from the top and back substitution from the
// tip, with specified deflections and slopes built into the recursion.
#include "korvex/engine/problem_model.h"

namespace korvex::engine {

struct PassCounts {
  int over_limit = 0;  // stations 0..N with |Y| above the allowable deflection
  int not_closed = 0;  // stations 0..N whose Y moved more than the tolerance
};

// Solves for Y with the pass arrays QQ and SS. Fills A, B, C and Y for
// indices 3 .. N + 5; Y(N+6) and Y(N+7) are zero while solving.
PassCounts solve_pass(StationArrays& st, const Geometry& g, double max_deflection,
                      double tolerance);

// Slope, moment, shear and net reaction per station from Y and F, for
// indices 3 .. N + 5. Extrapolates the fictitious deflections Y(2) and
// Y(N+6) first. A couple at a station (an applied one, or the reaction
// couple of a specified slope) acts in the equations as a pair of forces on
// the stations beside it; that pair is taken out of the shear and the net
// reaction. The moment printed at such a station is the mean of the moments
// on its two sides.
void compute_results(StationArrays& st, const Geometry& g, const Couple* couples, int couple_count,
                     StationResults& out);

}  // namespace korvex::engine
