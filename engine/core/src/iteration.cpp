#include "korvex/engine/iteration.h"

#include <cmath>

namespace korvex::engine {

Linearised linearise(const PyCurve& c, double y, bool& off_curve) {
  // Points are 1-based in the description; a is the lower point's 0-based
  // index. Curves have at least two points (the reader rejects fewer); a
  // two-point curve is treated like any other, so a deflection inside it is
  // not reported as off the curve.
  const int n = c.NPTS;
  int a = n - 2;
  bool found = false;
  for (int k = 1; k < n; ++k) {
    if (y < c.W[k]) {
      a = k - 1;
      if (y < c.W[0]) off_curve = true;
      found = true;
      break;
    }
    if (y == c.W[k]) {
      a = k - 1;
      found = true;
      break;
    }
  }
  if (!found) off_curve = true;  // beyond the last point: last segment extended
  Linearised out;
  const double dw = c.W[a + 1] - c.W[a];
  if (dw == 0.0) return out;
  out.slope = -(c.PC[a + 1] - c.PC[a]) / dw;
  out.intercept = out.slope * c.W[a] + c.PC[a];
  return out;
}

bool apply_py_curves(StationArrays& st, const Geometry& g, PyCurve* curves, int count,
                     bool& off_curve) {
  const int tip = g.tip();
  int kp = 0;
  int is = 0;
  for (int i = 0; i < count; ++i) {
    if (kp == 0) {
      is = i;
      if (curves[i].CONT > 0) {
        kp = curves[i].CONT;
        continue;
      }
    }
    const int js = curves[is].JS;
    const int je = curves[i].JE;
    const int den = je - js;
    if (den < 0) return false;
    if (den > 0) {
      if (js < tip) {
        const int end = je > tip ? tip : je;
        for (int J = js; J <= end; ++J) {
          const double y = st.Y[J];
          const Linearised la = linearise(curves[is], y, off_curve);
          const Linearised lb = linearise(curves[i], y, off_curve);
          const double r = static_cast<double>(J - js) / den;
          double ss = la.slope + (lb.slope - la.slope) * r;
          double qq = la.intercept + (lb.intercept - la.intercept) * r;
          if (J == js || J == end) {
            ss *= 0.5;
            qq *= 0.5;
          }
          st.SS[J] += ss;
          st.QQ[J] += qq;
        }
      }
    } else if (i == is && js <= tip) {
      const double y = st.Y[js];
      const Linearised l = linearise(curves[i], y, off_curve);
      st.SS[js] += l.slope;
      st.QQ[js] += l.intercept;
    }
    if (curves[i].CONT > 0) {
      curves[i].JS = curves[i].JE;
      is = i;
    }
    kp = curves[i].CONT;
  }
  return true;
}

void update_moment_ei(StationArrays& st, const Geometry& g, const MeiCurve* curves, int count) {
  for (int m = 0; m < count; ++m) {
    const MeiCurve& c = curves[m];
    if (c.npts < 2) continue;
    const int from = c.from < 0 ? 0 : c.from;
    const int to = c.to > g.N ? g.N : c.to;
    for (int s = from; s <= to; ++s) {
      const int J = s + 4;
      const double phi = std::fabs(st.Y[J - 1] - 2.0 * st.Y[J] + st.Y[J + 1]) / g.hh;
      int k = c.npts - 1;  // 0-based upper point of the segment
      for (int kk = 1; kk < c.npts - 1; ++kk) {
        if (phi * c.EI[kk] < c.M[kk]) {
          k = kk;
          break;
        }
      }
      const double den = (c.EI[k] - c.EI[k - 1]) * phi - (c.M[k] - c.M[k - 1]);
      const double t = den == 0.0 ? 0.0 : (c.M[k - 1] - phi * c.EI[k - 1]) / den;
      st.F[J] = c.EI[k - 1] + (c.EI[k] - c.EI[k - 1]) * t;
    }
  }
}

void set_up_tieback(Tieback& t, const Geometry& g, int unit_system, double width) {
  t.theta = t.angle * 3.1416 / 180.0;
  const double ct = std::cos(t.theta);
  if (unit_system == 1) {
    t.station = static_cast<int>(std::lround(12.0 * t.depth / g.h));
    t.TS = t.modulus * t.area * ct / ((12.0 * t.spacing / width) * (12.0 * t.length));
    t.TQ = -(width / (12.0 * t.spacing)) * ct * t.prestress;
  } else {
    t.station = static_cast<int>(std::lround(t.depth / g.h));
    t.TS = t.modulus * t.area * ct / ((t.spacing / width) * t.length);
    t.TQ = -(width / t.spacing) * ct * t.prestress;
  }
}

TiebackForces tieback_forces(const Tieback& t, const StationArrays& st, int unit_system,
                             double width) {
  TiebackForces f;
  const int J = t.station + 4;
  f.horizontal = t.TQ - st.Y[J] * t.TS;
  f.along = f.horizontal / std::cos(t.theta);
  if (unit_system == 1) {
    f.per_tieback = t.spacing * f.along * 12.0 / width;
    f.depth = t.depth * 12.0;
  } else {
    f.per_tieback = t.spacing * f.along / width;
    f.depth = t.depth;
  }
  return f;
}

IterationOutcome iterate(StationArrays& st, const Geometry& g, const IterationInput& in,
                         StationReals& ymei,
                         const std::function<void(const PassRecord&)>& on_pass) {
  IterationOutcome out;
  const int last = g.N + 5;
  for (int pass = 1; pass <= kMaxPasses; ++pass) {
    for (int J = 3; J <= last; ++J) {
      st.QQ[J] = st.Q[J];
      st.SS[J] = st.S[J];
    }
    bool koff = false;
    if (!apply_py_curves(st, g, in.curves, in.curve_count, koff)) {
      out.stations_not_in_order = true;
      return out;
    }
    const PassCounts counts = solve_pass(st, g, in.max_deflection, in.tolerance);
    int nopen = counts.not_closed;
    out.passes = pass;
    out.off_curve = koff;
    out.over_limit = counts.over_limit;

    PassRecord rec;
    rec.pass = pass;
    rec.off_curve = koff;
    rec.not_closed = nopen;
    for (int s = 1; s <= 5; ++s) rec.y[s - 1] = st.Y[s + 4];
    on_pass(rec);

    if (counts.over_limit > 0) {
      out.not_closed = nopen;
      return out;
    }
    if (nopen == 0) {
      if (in.mei_count == 0) {
        out.not_closed = 0;
        return out;
      }
      for (int J = 4; J <= g.tip(); ++J)
        if (std::fabs(st.Y[J] - ymei[J]) > in.tolerance) ++nopen;
      if (nopen == 0) {
        out.not_closed = 0;
        return out;
      }
      for (int J = 4; J <= g.tip(); ++J) ymei[J] = st.Y[J];
      update_moment_ei(st, g, in.mei, in.mei_count);
    }
    out.not_closed = nopen;
  }
  return out;
}

}  // namespace korvex::engine
