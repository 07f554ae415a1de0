// Distribution, p-y linearisation and update, moment-EI update and tieback
// set-up, each from its inputs.
#include <gtest/gtest.h>

#include <cmath>

#include "korvex/engine/distribution.h"
#include "korvex/engine/iteration.h"

using namespace korvex::engine;

namespace {

double at(const StationReals& a, int station) { return a[station + 4]; }

PyCurve line_curve(int station, int cont, double k) {
  PyCurve c;
  c.JS = c.JE = station + 4;
  c.CONT = cont;
  c.NPTS = 3;
  c.W = {-1.0, 0.0, 1.0};
  c.PC = {k, 0.0, -k};
  return c;
}

}  // namespace

TEST(Distribution, EndStationsOfARangeCarryHalf) {
  StationReals F{};
  TableDistributor<1> d;
  ASSERT_TRUE(d.add(1, 0, 10, {100.0}, {&F}));
  ASSERT_TRUE(d.add(1, 10, 20, {200.0}, {&F}));
  EXPECT_DOUBLE_EQ(at(F, 0), 50);
  for (int j = 1; j <= 9; ++j) EXPECT_DOUBLE_EQ(at(F, j), 100) << j;
  EXPECT_DOUBLE_EQ(at(F, 10), 150);
  for (int j = 11; j <= 19; ++j) EXPECT_DOUBLE_EQ(at(F, j), 200) << j;
  EXPECT_DOUBLE_EQ(at(F, 20), 100);
}

TEST(Distribution, InterpolatedRangeSpansToTheNextLinesEnd) {
  StationReals F{};
  TableDistributor<1> d;
  EXPECT_EQ(d.switch_for(2), 2);
  ASSERT_TRUE(d.add(2, 0, 10, {100.0}, {&F}));
  EXPECT_EQ(d.switch_for(1), 3);
  ASSERT_TRUE(d.add(1, 10, 20, {300.0}, {&F}));
  EXPECT_DOUBLE_EQ(at(F, 0), 50);
  for (int j = 1; j <= 19; ++j) EXPECT_NEAR(at(F, j), 100 + 10.0 * j, 1e-9) << j;
  EXPECT_DOUBLE_EQ(at(F, 20), 150);
}

TEST(Distribution, SingleStationAndOrder) {
  StationReals Q{};
  TableDistributor<1> d;
  ASSERT_TRUE(d.add(1, 5, 5, {7.0}, {&Q}));
  EXPECT_DOUBLE_EQ(at(Q, 5), 7.0);
  EXPECT_FALSE(d.add(1, 8, 6, {1.0}, {&Q}));
}

TEST(Linearise, SegmentsAndTheOffCurveFlag) {
  PyCurve c;
  c.NPTS = 4;
  c.W = {0.0, 1.0, 2.0, 4.0};
  c.PC = {0.0, -10.0, -15.0, -15.0};
  struct Case {
    double y, slope, intercept;
    bool off;
  } cases[] = {
      {0.5, 10.0, 0.0, false},   // inside segment 1-2
      {1.0, 10.0, 0.0, false},   // exactly on point 2: the segment ending there
      {1.5, 5.0, -5.0, false},   // 5*1 - 10
      {-0.5, 10.0, 0.0, true},   // below the first point: segment 1-2, flagged
      {5.0, 0.0, -15.0, true},   // beyond the last point: last segment extended
  };
  for (const Case& k : cases) {
    bool off = false;
    const Linearised l = linearise(c, k.y, off);
    EXPECT_DOUBLE_EQ(l.slope, k.slope) << k.y;
    EXPECT_DOUBLE_EQ(l.intercept, k.intercept) << k.y;
    EXPECT_EQ(off, k.off) << k.y;
  }
  // A two-point curve is a straight line: a deflection inside it is on it.
  PyCurve two;
  two.NPTS = 2;
  two.W = {-1.0, 1.0};
  two.PC = {4.0, -4.0};
  bool off = false;
  EXPECT_DOUBLE_EQ(linearise(two, 0.3, off).slope, 4.0);
  EXPECT_FALSE(off);
}

TEST(PyUpdate, ContinuedCurvesInterpolateBetweenTheirStations) {
  StationArrays st;
  Geometry g;
  g.set(30, 1.0);
  PyCurve curves[3] = {line_curve(10, 1, 10.0), line_curve(14, 1, 14.0), line_curve(18, 1, 18.0)};
  bool off = false;
  ASSERT_TRUE(apply_py_curves(st, g, curves, 3, off));
  EXPECT_FALSE(off);
  EXPECT_DOUBLE_EQ(at(st.SS, 10), 5.0);   // end of the sequence: half
  EXPECT_DOUBLE_EQ(at(st.SS, 11), 11.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 13), 13.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 14), 14.0);  // half from each range
  EXPECT_DOUBLE_EQ(at(st.SS, 17), 17.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 18), 9.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 9), 0.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 19), 0.0);
}

TEST(PyUpdate, LoneCurvesAndOrder) {
  StationArrays st;
  Geometry g;
  g.set(30, 1.0);
  PyCurve lone[2] = {line_curve(5, 0, 3.0), line_curve(7, 0, 4.0)};
  bool off = false;
  ASSERT_TRUE(apply_py_curves(st, g, lone, 2, off));
  EXPECT_DOUBLE_EQ(at(st.SS, 5), 3.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 7), 4.0);
  EXPECT_DOUBLE_EQ(at(st.SS, 6), 0.0);
  PyCurve reversed[2] = {line_curve(12, 1, 1.0), line_curve(8, 1, 1.0)};
  EXPECT_FALSE(apply_py_curves(st, g, reversed, 2, off));
}

TEST(MomentEi, StiffnessFollowsTheCurvatureAlongTheCurve) {
  StationArrays st;
  Geometry g;
  g.set(10, 1.0);
  MeiCurve c;
  c.from = 0;
  c.to = 10;
  c.npts = 3;
  c.M = {0.0, 100.0, 150.0};
  c.EI = {1000.0, 1000.0, 100.0};
  // Zero curvature: the initial stiffness.
  update_moment_ei(st, g, &c, 1);
  EXPECT_DOUBLE_EQ(at(st.F, 5), 1000.0);
  // Curvature 0.2 at station 5: M = EI phi meets the second segment where
  // EI = 1000 - 900 t and M = 100 + 50 t: 100 + 50 t = 0.2 (1000 - 900 t)
  // gives t = 10/23.
  st.Y[4 + 4] = 0.1;
  st.Y[6 + 4] = 0.1;
  st.Y[5 + 4] = 0.0;
  update_moment_ei(st, g, &c, 1);
  EXPECT_NEAR(at(st.F, 5), 1000.0 - 900.0 * 10.0 / 23.0, 1e-9);
}

TEST(Tieback, StationStiffnessAndPrestress) {
  Geometry g;
  g.set(60, 6.0);
  Tieback t;
  t.depth = 10;  // ft
  t.area = 1.0;
  t.modulus = 29e6;
  t.length = 20;  // ft
  t.angle = 30;
  t.spacing = 8;  // ft
  t.prestress = 50000;
  set_up_tieback(t, g, 1, 12.0);
  EXPECT_EQ(t.station, 20);
  const double c = std::cos(30 * 3.1416 / 180);
  EXPECT_NEAR(t.TS, 29e6 * c / ((12 * 8 / 12.0) * (12 * 20)), 1e-6);
  EXPECT_NEAR(t.TQ, -(12.0 / (12 * 8)) * c * 50000, 1e-9);
  StationArrays st;
  st.Y[20 + 4] = -0.01;
  const TiebackForces f = tieback_forces(t, st, 1, 12.0);
  EXPECT_NEAR(f.horizontal, t.TQ + 0.01 * t.TS, 1e-9);
  EXPECT_NEAR(f.along, f.horizontal / c, 1e-6);
  EXPECT_NEAR(f.per_tieback, 8 * f.along * 12 / 12.0, 1e-6);
  EXPECT_DOUBLE_EQ(f.depth, 120.0);
}

TEST(Iteration, MomentEiClosureNeedsAPassThatChangesNothing) {
  // A simply supported beam whose stiffness drops with moment: after the
  // deflections close, the stiffness is updated and the passes go on until
  // neither moves.
  StationArrays st;
  Geometry g;
  g.set(20, 1.0);
  st.KODE.fill(kFree);
  st.KODE[4] = kDeflection;
  st.KODE[24] = kDeflection;
  for (int j = 0; j <= 20; ++j) {
    st.F[j + 4] = (j == 0 || j == 20) ? 5e5 : 1e6;
    st.Q[j + 4] = 10.0;
  }
  MeiCurve c;
  c.from = 0;
  c.to = 20;
  c.npts = 3;
  c.M = {0.0, 200.0, 2000.0};
  c.EI = {1e6, 1e6, 2e5};
  StationReals ymei{};
  IterationInput in;
  in.max_deflection = 100;
  in.tolerance = 1e-9;
  in.mei = &c;
  in.mei_count = 1;
  int passes = 0;
  const IterationOutcome r = iterate(st, g, in, ymei, [&](const PassRecord&) { ++passes; });
  EXPECT_EQ(r.not_closed, 0);
  EXPECT_GT(r.passes, 3);
  EXPECT_EQ(r.passes, passes);
  EXPECT_LT(st.F[10 + 4], 1e6);  // softened at mid-span
}
