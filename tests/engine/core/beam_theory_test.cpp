// The solver against closed-form beam theory, through whole runs of data
// files in English and SI units.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "engine_harness.h"

using namespace korvex::test;

namespace {

std::string num(double v) {
  std::ostringstream s;
  s.precision(10);
  s << v;
  return s.str();
}

// Control record with the counts that matter here.
std::string control(int units, int nbc, int nsect, int npyset = 0, int kpy = 0, int nmei = 0,
                    int ntie = 0) {
  return std::to_string(units) + " " + std::to_string(nbc) + "\t" + std::to_string(nsect) +
         "\t0\t0\t" + std::to_string(kpy) + " " + std::to_string(npyset) + " 1 " +
         std::to_string(nmei) + " " + std::to_string(ntie) + "\n";
}

std::string wall(int n, double h, double width = 12) {
  return std::to_string(n) + " " + num(h) + "\t1000\t1e-09\t0\t" + num(width) + "\n";
}

double relative(double got, double want) { return std::fabs(got - want) / std::fabs(want); }

struct Units {
  int system;
  double length;  // length unit of the case in engine units
  double force;
};

}  // namespace

class BeamTheory : public ::testing::TestWithParam<Units> {};

// Cantilever fixed at its tip (both deflection and slope specified), load Q at
// the top: deflection Q L^3 / 3EI; moment Q (L - x).
TEST_P(BeamTheory, CantileverWithTipLoad) {
  const Units u = GetParam();
  const double L = 120 * u.length, EI = 1e9 * u.force * u.length * u.length, Q = 1000 * u.force;
  double previous_error = 1e9;
  for (int n : {20, 40, 80}) {
    const double h = L / n;
    const std::string data = "Cantilever\n" + control(u.system, 1, 1) + wall(n, h) + "3\t" +
                             std::to_string(n) + "\t0\t0\n0\t" + std::to_string(n) + "\t1\t" +
                             num(EI) + "\n1\n1\t0\t0\t" + num(Q) + "\t0\t0\n0\n0\n";
    const auto out = run_engine_on(data);
    const auto rows = last_profile(out.plot);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(n + 2));
    const double top = Q * L * L * L / (3 * EI);
    EXPECT_LT(relative(rows[0].deflection, top), 0.01) << n;
    // The largest moment is next to the support and matches Q (L - h).
    EXPECT_LT(relative(rows[n - 1].moment, Q * (L - h)), 0.01) << n;
    // Shear is Q along the wall and the net reaction at the support is -Q.
    EXPECT_LT(relative(rows[n / 2].shear, Q), 0.01);
    EXPECT_LT(relative(rows[n - 1].shear, Q), 0.01);
    EXPECT_LT(relative(rows[n].reaction, -Q), 0.01);
    // The support station itself carries the reaction couple: its moment is
    // the mean of Q L above and nothing below.
    EXPECT_LT(relative(rows[n].moment, Q * L / 2), 0.01);
    const double err = std::fabs(rows[0].deflection - top);
    EXPECT_LE(err, previous_error);
    previous_error = err;
  }
}

// Simply supported beam under uniform load w (as equal station loads, half at
// the supports): mid-span deflection 5 w L^4 / 384 EI, moment w L^2 / 8.
TEST_P(BeamTheory, SimplySupportedUniformLoad) {
  const Units u = GetParam();
  const double L = 240 * u.length, EI = 2e10 * u.force * u.length * u.length;
  const double w = 10 * u.force / u.length;
  double previous_error = 1e9;
  for (int n : {20, 40, 80}) {
    const double h = L / n;
    const std::string data =
        "Simple span\n" + control(u.system, 2, 1) + wall(n, h) + "1\t0\t0\t0\n1\t" +
        std::to_string(n) + "\t0\t0\n0\t" + std::to_string(n) + "\t1\t" + num(EI) + "\n1\n1\t0\t" +
        std::to_string(n) + "\t" + num(w * h) + "\t0\t0\n0\n0\n";
    const auto rows = last_profile(run_engine_on(data).plot);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(n + 2));
    const double mid = 5 * w * std::pow(L, 4) / (384 * EI);
    EXPECT_LT(relative(rows[n / 2].deflection, mid), 0.01) << n;
    EXPECT_LT(relative(std::fabs(rows[n / 2].moment), w * L * L / 8), 0.01) << n;
    EXPECT_LT(relative(std::fabs(rows[1].shear), w * (L / 2 - h)), 0.02) << n;
    const double err = std::fabs(rows[n / 2].deflection - mid);
    EXPECT_LE(err, previous_error * 1.0001);
    previous_error = err;
  }
}

// A long beam on an elastic foundation with a point load in the middle:
// y = P lambda / 2k, M = P / 4 lambda, lambda = (k / 4EI)^(1/4). The
// foundation is given once as springs and once as linear user p-y curves.
TEST_P(BeamTheory, LongBeamOnElasticFoundation) {
  const Units u = GetParam();
  const double EI = 1e9 * u.force * u.length * u.length;
  const double k = 100 * u.force / (u.length * u.length);  // per unit length
  const double P = 5000 * u.force;
  const double lambda = std::pow(k / (4 * EI), 0.25);
  const double L = 12 / lambda;  // long: ends far from the load
  const int n = 200;
  const double h = L / n;
  const double y0 = P * lambda / (2 * k), m0 = P / (4 * lambda);

  const std::string head = control(u.system, 0, 1) + wall(n, h);
  const std::string stiffness = "0\t" + std::to_string(n) + "\t1\t" + num(EI) + "\n";
  const std::string load = "1\n1\t100\t100\t" + num(P) + "\t0\t0\n";
  // Springs k h per station, half at the ends as for any range.
  const std::string springs =
      "Springs\n" + head + stiffness + load + "1\n0\t" + std::to_string(n) + "\t1\t" +
      num(k * h) + "\t0\n0\n";
  // One curve every fourth station, interpolated between (the ends of the
  // curve sequence get half, as the springs do).
  std::string curves = "Curves\n" + control(u.system, 0, 1, n / 4 + 1, 1) + wall(n, h) +
                       stiffness + load + "0\n";
  const double ymax = 10 * y0;
  for (int j = 0; j <= n; j += 4)
    curves += std::to_string(j) + "\t2\t1\t1\n" + num(-ymax) + "\t" + num(k * ymax) + "\n" +
              num(ymax) + "\t" + num(-k * ymax) + "\n";
  curves += "0\n";
  for (const std::string* data : {&springs, static_cast<const std::string*>(&curves)}) {
    const auto out = run_engine_on(*data);
    const auto rows = last_profile(out.plot);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(n + 2));
    EXPECT_LT(relative(rows[100].deflection, y0), 0.01);
    EXPECT_LT(relative(std::fabs(rows[100].moment), m0), 0.01);
    // A linear curve: no deflection off the curve, closed.
    EXPECT_EQ(out.report.find("DEFLECTION OFF"), std::string::npos);
    EXPECT_EQ(out.report.find("NOT CLOSED"), std::string::npos);
  }
}

// A propped cantilever: fixed at the tip, held at the top by a tieback,
// uniform load w. With an elastic prop of stiffness kp the prop force is
// R = (3 w L / 8) / (1 + 3 EI / (kp L^3)).
TEST_P(BeamTheory, ProppedCantileverOnATieback) {
  const Units u = GetParam();
  const bool english = u.system == 1;
  const double L = 240 * u.length, EI = 5e10 * u.force * u.length * u.length;
  const double w = 20 * u.force / u.length;
  // Tieback: area, modulus, unbonded length (ft or m), spacing (ft or m),
  // horizontal; the wall width is one spacing.
  const double area = 2 * u.length * u.length, E = 29e6 * u.force / (u.length * u.length);
  const double free_length = english ? 20.0 : 20 * 0.3048;
  const double spacing = english ? 1.0 : 0.3048;
  const double width = 12 * u.length;
  const double kp = E * area / (english ? 12 * free_length : free_length);
  const int n = 80;
  const double h = L / n;
  const std::string data =
      "Propped\n" + control(u.system, 1, 1, 0, 0, 0, 1) + wall(n, h, width) + "3\t" +
      std::to_string(n) + "\t0\t0\n0\t" + std::to_string(n) + "\t1\t" + num(EI) + "\n1\n1\t0\t" +
      std::to_string(n) + "\t" + num(w * h) + "\t0\t0\n0\n0\t" + num(area) + "\t" + num(E) + "\t" +
      num(free_length) + "\t0\t" + num(spacing) + "\t0\n0\n";
  const auto out = run_engine_on(data);
  const double R = (3 * w * L / 8) / (1 + 3 * EI / (kp * L * L * L));
  // The tieback row: its horizontal force per station carries the prop force.
  const auto at = out.report.find("TIE BACK RESULTS");
  ASSERT_NE(at, std::string::npos) << out.report;
  std::istringstream rows(out.report.substr(at));
  std::string line;
  for (int i = 0; i < 6; ++i) std::getline(rows, line);
  std::getline(rows, line);
  int number = 0, station = -1;
  double depth = 0, fh = 0, fs = 0, ft = 0;
  std::istringstream(line) >> number >> station >> depth >> fh >> fs >> ft;
  EXPECT_EQ(station, 0);
  EXPECT_LT(relative(-fh, R), 0.01) << line;
  EXPECT_LT(relative(ft, fh), 1e-3);  // one tieback per width, horizontal
  const auto profile = last_profile(out.plot);
  const double fixed_end = w * L * L / 2 - R * L;
  EXPECT_LT(relative(std::fabs(profile[n - 1].moment), std::fabs(fixed_end - (w * L - R) * h)),
            0.01);
}

std::string unit_name(const ::testing::TestParamInfo<Units>& p) {
  return p.param.system == 1 ? "English" : "SI";
}

INSTANTIATE_TEST_SUITE_P(Units, BeamTheory,
                         ::testing::Values(Units{1, 1.0, 1.0}, Units{2, 0.0254, 0.004448222}),
                         unit_name);
