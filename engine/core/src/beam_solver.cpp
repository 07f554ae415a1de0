#include "korvex/engine/beam_solver.h"

#include <cmath>

namespace korvex::engine {
namespace {

// The five-term equation of station index J.
struct Equation {
  double a, b, c, d, e, f;
};

Equation equation_at(const StationArrays& st, const Geometry& g, int J) {
  const auto& F = st.F;
  const double h = g.h;
  const double Gm1 = h * st.P[J - 1] + st.R[J - 1];
  const double Gp1 = h * st.P[J + 1] + st.R[J + 1];
  return {F[J - 1] - 0.25 * h * Gm1,
          -2.0 * (F[J - 1] + F[J]),
          F[J - 1] + 4.0 * F[J] + F[J + 1] + 0.25 * h * (Gm1 + Gp1) + g.h3 * st.SS[J],
          -2.0 * (F[J] + F[J + 1]),
          F[J + 1] - 0.25 * h * Gp1,
          g.h3 * st.QQ[J] - 0.5 * g.hh * (st.T[J - 1] - st.T[J + 1])};
}

// Takes the force pair of a couple out of the shear and the net reaction:
// a couple at station index J acts in the equations as +t at J-1 and -t at
// J+1.
void remove_couple(StationResults& out, int J, double t) {
  out.shear[J] -= t;
  out.shear[J - 1] -= 0.5 * t;
  out.shear[J + 1] -= 0.5 * t;
  out.reaction[J - 1] -= t;
  out.reaction[J + 1] += t;
}

}  // namespace

PassCounts solve_pass(StationArrays& st, const Geometry& g, double max_deflection,
                      double tolerance) {
  auto& Y = st.Y;
  auto& A = st.A;
  auto& B = st.B;
  auto& C = st.C;
  const int last = g.N + 5;

  A[1] = A[2] = B[1] = B[2] = C[1] = C[2] = 0.0;
  // Kept equation of the station above a specified slope (code 3).
  double Ds = 0, Cs = 0, Bs = 0, As = 0;

  for (int J = 3; J <= last; ++J) {
    const auto [a, b, c, d, e, f] = equation_at(st, g, J);
    const double E = a * B[J - 2] + b;
    const double DEN = a * C[J - 2] + E * B[J - 1] + c;
    const double D = DEN == 0.0 ? 0.0 : -1.0 / DEN;
    C[J] = e * D;
    B[J] = (E * C[J - 1] + d) * D;
    A[J] = (a * A[J - 2] + E * A[J - 1] - f) * D;

    switch (st.KODE[J]) {
      case kDeflection:
      case kSlopeDeflection:
        C[J] = 0.0;
        B[J] = 0.0;
        A[J] = st.spec_deflection[J];
        break;
      case kAboveSlope:
        Ds = D;
        Cs = C[J];
        Bs = B[J];
        As = A[J];
        C[J] = 1.0;
        B[J] = 0.0;
        A[J] = -g.h2 * st.spec_slope[J + 1];
        break;
      case kBelowSlope: {
        // A zero pivot above leaves nothing to restore.
        const double ratio = Ds == 0.0 ? 0.0 : D / Ds;
        const double Gm = 1.0 / (1.0 - (Bs * B[J - 1] + Cs - 1.0) * ratio);
        C[J] = Gm * C[J];
        B[J] = (Bs * C[J - 1] * ratio + B[J]) * Gm;
        A[J] = ((Bs * A[J - 1] + g.h2 * st.spec_slope[J - 1] + As) * ratio + A[J]) * Gm;
        break;
      }
      default:
        break;
    }
  }

  PassCounts counts;
  Y[last + 1] = 0.0;
  Y[last + 2] = 0.0;
  Y[last] = C[last] * Y[last + 2] + B[last] * Y[last + 1] + A[last];
  for (int J = last - 1; J >= 4; --J) {
    const double old = Y[J];
    Y[J] = C[J] * Y[J + 2] + B[J] * Y[J + 1] + A[J];
    if (J <= g.tip()) {
      // Written so that a NaN deflection (loads or stiffness beyond the
      // range of doubles) counts as over the limit and not closed.
      if (!(std::fabs(Y[J]) <= max_deflection)) ++counts.over_limit;
      if (!(std::fabs(Y[J] - old) <= tolerance)) ++counts.not_closed;
    }
  }
  Y[3] = B[3] * Y[4] + C[3] * Y[5] + A[3];
  return counts;
}

void compute_results(StationArrays& st, const Geometry& g, const Couple* couples, int couple_count,
                     StationResults& out) {
  auto& Y = st.Y;
  const int last = g.N + 5;
  Y[2] = 2.0 * Y[3] - Y[4];
  Y[last + 1] = 2.0 * Y[last] - Y[last - 1];

  out = StationResults{};
  auto& M = out.moment;
  for (int J = 3; J <= last; ++J) {
    out.slope[J] = (Y[J + 1] - Y[J - 1]) / g.h2;
    M[J] = st.F[J] * (Y[J - 1] - 2.0 * Y[J] + Y[J + 1]) / g.hh;
  }
  M[3] = 0.0;
  M[2] = 0.0;
  for (int J = 3; J <= last; ++J) {
    out.shear[J] = (M[J + 1] - M[J - 1]) / g.h2;
    out.reaction[J] = (M[J - 1] - 2.0 * M[J] + M[J + 1]) / g.h;
  }
  for (int i = 0; i < couple_count; ++i)
    remove_couple(out, couples[i].station + 4, couples[i].t);

  // A station with a specified slope carries a reaction couple. Its force
  // pair is what the equation of the station above fails to balance.
  for (int J = 4; J <= g.tip(); ++J) {
    if (st.KODE[J - 1] != kAboveSlope || st.KODE[J + 1] != kBelowSlope) continue;
    const auto [a, b, c, d, e, f] = equation_at(st, g, J - 1);
    const double r = a * Y[J - 3] + b * Y[J - 2] + c * Y[J - 1] + d * Y[J] + e * Y[J + 1] - f;
    remove_couple(out, J, r / g.h3);
  }
}

}  // namespace korvex::engine
