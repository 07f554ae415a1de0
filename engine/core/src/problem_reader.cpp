#include "korvex/engine/problem_reader.h"

#include <cmath>

#include "korvex/engine/distribution.h"
#include "korvex/engine/result_files.h"
#include "korvex/engine/soil_branch.h"

namespace korvex::engine {
namespace {

constexpr const char* kRec2 = "RECORD 2 (CONTROL)";
constexpr const char* kRec3 = "RECORD 3 (WALL INCREMENTS)";
constexpr const char* kRec4 = "RECORD 4 (SPECIFIED DEFLECTIONS AND SLOPES)";
constexpr const char* kRec5 = "RECORD 5 (WALL STIFFNESS)";
constexpr const char* kRec6 = "RECORD 6 (CONCENTRATED LOADS)";
constexpr const char* kRec7 = "RECORD 7 (SPRINGS)";
constexpr const char* kRec8 = "RECORD 8 (TIEBACKS)";
constexpr const char* kRec9 = "RECORD 9 (P-Y MODIFICATION FACTORS)";
constexpr const char* kRec10 = "RECORD 10 (EARTH PRESSURE)";
constexpr const char* kRec15 = "RECORD 15 (P-Y CURVES)";
constexpr const char* kRec16 = "RECORD 16 (MOMENT-EI CURVES)";

[[noreturn]] void stop(const std::string& message) { throw RunStop(StopKind::InputError, message); }
[[noreturn]] void too_much_data() { stop("TOO MUCH DATA FOR AVAILABLE STORAGE"); }
[[noreturn]] void not_in_order() { stop("ERROR STOP -- STATIONS NOT IN ORDER"); }

[[noreturn]] void outside_wall(const char* record, int line) {
  stop(std::string("ERROR STOP -- STATION OUTSIDE THE WALL IN ") + record + " ON LINE " +
       std::to_string(line));
}

void check_count(int n, const char* record, int line, int limit) {
  if (n < 0) stop(std::string("ERROR -- NEGATIVE COUNT IN ") + record + " ON LINE " +
                  std::to_string(line));
  if (n > limit) too_much_data();
}

int read_count(ListReader& r, const char* record, int limit) {
  int n = 0;
  r.read(record, n);
  check_count(n, record, r.line(), limit);
  return n;
}

// Table stations must lie on the wall or on the two stations below its tip
// (data there is reported as data beyond the end).
void check_station(const RunState& s, int station, const char* record, int line) {
  if (station < 0 || station > s.geo.N + 2) outside_wall(record, line);
}

// Stations a table record uses under its switch K.
void check_record_stations(const RunState& s, int k, int from, int to, const char* record,
                           int line) {
  if (k == 1 || k == 2) check_station(s, from, record, line);
  if (k != 2) check_station(s, to, record, line);
}

int normal_mode(int mode) { return mode == 2 ? 2 : 1; }

// Flexural rigidity already distributed at a station, for the echo of the
// load and spring rows (0 for a station the record does not use).
double rigidity_at(const RunState& s, int station) {
  return station >= -3 && station <= s.geo.N + 3 ? s.st.F[station + 4] : 0.0;
}

void read_conditions(RunState& s, RunContext& ctx) {
  StationArrays& st = s.st;
  const int nbc = s.control.NBC;
  if (nbc > kMaxConditions) too_much_data();
  st.KODE.fill(kFree);
  st.spec_deflection.fill(0.0);
  st.spec_slope.fill(0.0);
  if (nbc == 0) {
    ctx.report.no_rows();
    return;
  }
  ctx.report.conditions_banner();
  int previous = -1;
  for (int k = 0; k < nbc; ++k) {
    int kase = 0, station = 0;
    double defl = 0, slope = 0;
    ctx.data.read(kRec4, kase, station, defl, slope);
    if (station < previous) not_in_order();
    if (station > s.geo.N + 2) outside_wall(kRec4, ctx.data.line());
    previous = station;
    const int J = station + 4;
    if (kase <= 1) {
      st.KODE[J] = kDeflection;
      st.spec_deflection[J] = defl;
    } else if (kase == 2) {
      st.KODE[J - 1] = kAboveSlope;
      st.KODE[J + 1] = kBelowSlope;
      st.spec_slope[J] = slope;
    } else {
      st.KODE[J - 1] = kAboveSlope;
      st.KODE[J] = kSlopeDeflection;
      st.KODE[J + 1] = kBelowSlope;
      st.spec_deflection[J] = defl;
      st.spec_slope[J] = slope;
    }
    ctx.report.condition_row(station, kase, defl, slope);
  }
}

void clear_station_arrays(RunState& s) {
  StationArrays& st = s.st;
  st.F.fill(0.0);
  st.Q.fill(0.0);
  st.S.fill(0.0);
  st.T.fill(0.0);
  st.R.fill(0.0);
  st.P.fill(0.0);
  st.A[1] = st.A[2] = st.B[1] = st.B[2] = st.C[1] = st.C[2] = 0.0;
  st.Y[s.geo.N + 6] = st.Y[s.geo.N + 7] = 0.0;
}

void read_stiffness(RunState& s, RunContext& ctx) {
  const int nsect = s.control.NSECT;
  if (nsect > kMaxTableRows) too_much_data();
  ctx.report.stiffness_banner(s.labels);
  if (nsect == 0) ctx.report.no_rows();
  TableDistributor<1> dist;
  for (int i = 0; i < nsect; ++i) {
    int from = 0, to = 0, mode = 0;
    double ei = 0;
    ctx.data.read(kRec5, from, to, mode, ei);
    mode = normal_mode(mode);
    const int k = dist.switch_for(mode);
    check_record_stations(s, k, from, to, kRec5, ctx.data.line());
    if (!dist.add(mode, from, to, {ei}, {&s.st.F})) not_in_order();
    const double row[6] = {ei, 0, 0, 0, 0, 0};
    ctx.report.table_row(k, from, to, mode - 1, row);
  }
}

void read_loads(RunState& s, RunContext& ctx) {
  const int ncl = read_count(ctx.data, kRec6, kMaxTableRows);
  s.couple_count = 0;
  TableDistributor<3> dist;
  for (int i = 0; i < ncl; ++i) {
    int mode = 0, from = 0, to = 0;
    double q = 0, t = 0, p = 0;
    ctx.data.read(kRec6, mode, from, to, q, t, p);
    mode = normal_mode(mode);
    const int k = dist.switch_for(mode);
    check_record_stations(s, k, from, to, kRec6, ctx.data.line());
    if (!dist.add(mode, from, to, {q, t, -p}, {&s.st.Q, &s.st.T, &s.st.P})) not_in_order();
    if (t != 0.0) {
      check_station(s, from, kRec6, ctx.data.line());
      s.couples[s.couple_count++] = {from, t / s.geo.h2};
    }
    const double row[6] = {rigidity_at(s, from), q, 0, t, 0, p};
    ctx.report.table_row(k, from, to, mode - 1, row);
  }
}

void read_springs_and_tiebacks(RunState& s, RunContext& ctx) {
  const int nspr = read_count(ctx.data, kRec7, kMaxTableRows);
  const int ntie = s.control.NTIE;
  if (ntie > kMaxTiebacks) too_much_data();
  TableDistributor<3> dist;
  soil::StageInput& stage = s.stage;
  stage.support_count = nspr + ntie;
  stage.first_support_depth = 0.0;
  stage.last_support_depth = 0.0;
  auto note_support = [&](int index, int from, int to) {
    const double depth = from == to ? from * s.geo.h : 0.0;
    if (index == 0) stage.first_support_depth = depth;
    stage.last_support_depth = depth;
  };

  for (int i = 0; i < nspr; ++i) {
    int from = 0, to = 0, mode = 0;
    double spring = 0, rot = 0;
    ctx.data.read(kRec7, from, to, mode, spring, rot);
    mode = normal_mode(mode);
    const int k = dist.switch_for(mode);
    check_record_stations(s, k, from, to, kRec7, ctx.data.line());
    if (!dist.add(mode, from, to, {0.0, spring, rot}, {&s.st.Q, &s.st.S, &s.st.R}))
      not_in_order();
    note_support(i, from, to);
    const double row[6] = {rigidity_at(s, from), 0, spring, 0, rot, 0};
    ctx.report.table_row(k, from, to, mode - 1, row);
  }

  s.tieback_count = ntie;
  for (int i = 0; i < ntie; ++i) {
    Tieback& t = s.tiebacks[i];
    t = Tieback{};
    ctx.data.read(kRec8, t.depth, t.area, t.modulus, t.length, t.angle, t.spacing, t.prestress);
    if (!(t.spacing > 0.0) || !(t.length > 0.0) || !(s.active_width > 0.0))
      stop("ERROR -- TIEBACK " + std::to_string(i + 1) +
           " NEEDS A POSITIVE SPACING, UNBONDED LENGTH AND WALL WIDTH");
    const double scaled = (s.control.unit_system == 1 ? 12.0 * t.depth : t.depth) / s.geo.h;
    if (!(scaled > -0.5) || scaled > s.geo.N + 2.5) outside_wall(kRec8, ctx.data.line());
    set_up_tieback(t, s.geo, s.control.unit_system, s.active_width);
    const int k = dist.switch_for(1);
    check_record_stations(s, k, t.station, t.station, kRec8, ctx.data.line());
    if (!dist.add(1, t.station, t.station, {t.TQ, t.TS, 0.0}, {&s.st.Q, &s.st.S, &s.st.R}))
      not_in_order();
    note_support(nspr + i, t.station, t.station);
    const double row[6] = {rigidity_at(s, t.station), t.TQ, t.TS, 0, 0, 0};
    ctx.report.table_row(k, t.station, t.station, 0, row);
  }
}

void read_py_modification(RunState& s, RunContext& ctx) {
  const int n = s.control.NPYMOD;
  if (n > kMaxPyModRows) too_much_data();
  s.stage.py_mod.assign(static_cast<std::size_t>(n), {});
  for (auto& row : s.stage.py_mod) ctx.data.read(kRec9, row.depth, row.p_factor, row.y_factor);
}

// Earth-pressure loads on the stations above the last depth, interpolated
// in the totals (already force per station).
void apply_pressure_loads(RunState& s, double last_depth) {
  const int n = s.pressure_count;
  if (n == 0) return;
  long ns = std::lround(last_depth / s.geo.h);
  if (ns > s.geo.N + 3) ns = s.geo.N + 3;  // nothing is stored past the last fictitious station
  for (int i = 1; i <= ns; ++i) {
    const double z = i * s.geo.h;
    double q;
    int k = 0;
    while (k < n && z > s.pressure[k].depth) ++k;
    if (k == 0) {
      q = s.pressure[0].total;  // above the first point: its value
    } else if (k == n) {
      q = s.pressure[n - 1].total;  // below the last point: its value
    } else {
      const PressurePoint& a = s.pressure[k - 1];
      const PressurePoint& b = s.pressure[k];
      q = a.total + (b.total - a.total) * (z - a.depth) / (b.depth - a.depth);
    }
    s.st.Q[i + 4] += q;
  }
}

void read_earth_pressure(RunState& s, RunContext& ctx) {
  const int kep = s.control.KEP;
  const int kpy = s.control.KPY;
  const int unit_system = s.control.unit_system;
  s.pressure_count = 0;
  s.stage.last_total_load = 0.0;
  if (kep == 1) {
    ctx.report.specified_pressure_banner();
    const int nd = read_count(ctx.data, kRec10, kMaxPressurePoints);
    for (int i = 0; i < nd; ++i) {
      PressurePoint& p = s.pressure[i];
      ctx.data.read(kRec10, p.depth, p.total);
      p.soil = p.total;
      p.surcharge = 0.0;
    }
    s.pressure_count = nd;
  }
  const bool soil_records = kep > 1 || kpy == 2;
  if (soil_records) read_soil_records(s, ctx);
  if (kep > 1) generate_pressure_points(s, ctx);
  if (kep == 1 && soil_records && !s.stage.surcharges.empty()) add_user_surcharges(s, ctx);

  if (kep == 0) {
    write_pressure_section(ctx.plot, 0, nullptr, 0, unit_system);
    return;
  }
  ctx.report.pressure_table_header(s.labels);
  for_each_thinned_point(s.pressure_count, unit_system, kep > 1, [&](int i) {
    const PressurePoint& p = s.pressure[i];
    ctx.report.pressure_row(p.depth, kep == 1 ? p.soil : p.total);
  });
  write_pressure_section(ctx.plot, kep, s.pressure.data(), s.pressure_count, unit_system);
  for (int i = 0; i < s.pressure_count; ++i) s.pressure[i].total *= s.geo.h;
  const double last_depth =
      kep == 1 ? (s.pressure_count > 0 ? s.pressure[s.pressure_count - 1].depth : 0.0)
               : s.free_height;
  apply_pressure_loads(s, last_depth);
}

void check_beyond_end(const RunState& s) {
  const StationArrays& st = s.st;
  const int n1 = s.geo.N + 5;
  const int n2 = s.geo.N + 6;
  // Magnitudes, so that values of opposite sign cannot hide each other.
  const double sum = std::fabs(st.F[n1]) + std::fabs(st.F[n2]) + std::fabs(st.Q[n1]) +
                     std::fabs(st.S[n1]) + std::fabs(st.T[n1]) + std::fabs(st.T[n2]) +
                     std::fabs(st.R[n1]) + std::fabs(st.R[n2]) + std::fabs(st.P[n1]) +
                     std::fabs(st.P[n2]);
  if (sum != 0.0) stop("ERROR -- NON-ZERO TABLE 4 DATA BEYOND END");
}

void read_user_curves(RunState& s, RunContext& ctx) {
  const int nset = s.control.NPYSET;
  const bool generated = s.control.KPY == 2;
  s.curve_count = 0;
  s.stage.user_curves.clear();
  if (nset == 0) {
    if (!generated) write_py_header(ctx.plot, s.control.unit_system, 0);
    return;
  }
  if (nset > kMaxCurves) too_much_data();
  ctx.report.py_banner();
  if (!generated) write_py_header(ctx.plot, s.control.unit_system, nset);
  int previous_flag = 0;
  for (int i = 0; i < nset; ++i) {
    int node = 0, npts = 0;
    double pm = 1, ym = 1;
    ctx.data.read(kRec15, node, npts, pm, ym);
    check_count(npts, kRec15, ctx.data.line(), kMaxCurvePoints);
    if (npts < 2)
      stop("ERROR -- P-Y CURVE " + std::to_string(i + 1) + " NEEDS AT LEAST TWO POINTS");
    if (node < 0 || node > s.geo.N + 3) outside_wall(kRec15, ctx.data.line());
    PyCurve& c = s.curves[i];
    c = PyCurve{};
    c.JS = c.JE = node + 4;
    c.NPTS = npts;
    c.CONT = (!generated && node * s.geo.h >= s.free_height) ? 1 : 0;
    const int k = generated ? 3 : 2 * previous_flag + c.CONT + 1;
    ctx.report.py_curve_row(k, node, c.CONT, pm, ym, npts, s.labels);
    previous_flag = c.CONT;
    if (!generated) write_curve_header(ctx.plot, node, npts);
    soil::UserCurve handed;
    handed.node = node;
    for (int p = 0; p < npts; ++p) {
      double y = 0, pv = 0;
      ctx.data.read(kRec15, y, pv);
      c.W[p] = y * ym;
      c.PC[p] = pv * pm * s.geo.h;
      ctx.report.py_point(y * ym, pv * pm);
      if (!generated) write_curve_point(ctx.plot, y * ym, pv * pm);
      handed.y.push_back(y * ym);
      handed.p.push_back(pv * pm);
    }
    s.stage.user_curves.push_back(std::move(handed));
    s.curve_count = i + 1;
  }
}

void read_moment_ei(RunState& s, RunContext& ctx) {
  const int nmei = s.control.NMEI;
  if (nmei > kMaxMeiCurves) too_much_data();
  s.mei_count = 0;
  for (int m = 0; m < nmei; ++m) {
    MeiCurve& c = s.mei[m];
    c = MeiCurve{};
    ctx.data.read(kRec16, c.from, c.to, c.npts);
    check_count(c.npts, kRec16, ctx.data.line(), kMaxMeiPoints);
    if (c.npts < 2)
      stop("ERROR -- MOMENT-EI CURVE " + std::to_string(m + 1) + " NEEDS AT LEAST TWO POINTS");
    for (int k = 0; k < c.npts; ++k) ctx.data.read(kRec16, c.M[k], c.EI[k]);
    s.mei_count = m + 1;
  }
}

}  // namespace

void read_control_record(RunState& state, ListReader& data) {
  ControlRecord& c = state.control;
  data.read(kRec2, c.unit_system, c.NBC, c.NSECT, c.NPYMOD, c.KEP, c.KPY, c.NPYSET, c.StageCount,
            c.NMEI, c.NTIE);
  for (int n : {c.NBC, c.NSECT, c.NPYMOD, c.NPYSET, c.NMEI, c.NTIE})
    if (n < 0)
      stop(std::string("ERROR -- NEGATIVE COUNT IN ") + kRec2 + " ON LINE " +
           std::to_string(data.line()));
  if (c.KEP < 0 || c.KEP > 3 || c.KPY < 0 || c.KPY > 2)
    stop(std::string("ERROR -- UNKNOWN EARTH-PRESSURE OR P-Y CODE IN ") + kRec2 + " ON LINE " +
         std::to_string(data.line()));
}

void read_problem(RunState& s, RunContext& ctx) {
  const ControlRecord& c = s.control;
  ctx.report.control_parameters({c.NBC, c.NSECT, c.KEP, c.KPY, c.NPYMOD, c.NPYSET});

  int n = 0;
  double h = 0, wa = 0;
  ctx.data.read(kRec3, n, h, s.max_deflection, s.tolerance, s.free_height, wa);
  s.active_width = wa;
  ctx.report.geometry(n, h, s.free_height, s.max_deflection, s.tolerance, s.labels);
  if (n > kMaxNodes) too_much_data();
  if (n < 1) stop("ERROR -- THE WALL NEEDS AT LEAST ONE INCREMENT");
  if (!(h > 0.0)) stop("ERROR -- THE INCREMENT LENGTH MUST BE POSITIVE");
  // The solver works with h squared and cubed: an h whose cube underflows or
  // overflows gives NaN moments and shears in a solution that closes.
  if (!std::isnormal(h * h * h)) stop("ERROR -- THE INCREMENT LENGTH IS OUT OF RANGE");
  s.geo.set(n, h);

  s.stage = soil::StageInput{};
  s.stage.unit_system = c.unit_system;
  s.stage.earth_pressure_code = c.KEP;
  s.stage.py_curve_code = c.KPY;
  s.stage.node_count = n;
  s.stage.increment_length = h;
  s.stage.wall_length = n * h;
  s.sigvh = 0.0;

  read_conditions(s, ctx);
  clear_station_arrays(s);
  read_stiffness(s, ctx);
  read_loads(s, ctx);
  read_springs_and_tiebacks(s, ctx);
  read_py_modification(s, ctx);
  read_earth_pressure(s, ctx);
  check_beyond_end(s);
  read_user_curves(s, ctx);
  if (c.KPY == 2) generate_py_curves(s, ctx);
  read_moment_ei(s, ctx);
  update_moment_ei(s.st, s.geo, s.mei.data(), s.mei_count);
}

}  // namespace korvex::engine
