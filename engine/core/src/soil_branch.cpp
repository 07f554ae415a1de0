#include "korvex/engine/soil_branch.h"

#include <cmath>
#include <fstream>

#include "korvex/engine/fixed_format.h"
#include "korvex/engine/result_files.h"
#include "korvex/soil/earth_pressure.h"
#include "korvex/soil/py_generation.h"

namespace korvex::engine {
namespace {

constexpr const char* kPressureFile = "bmwall.001";
constexpr const char* kDebugFile = "debug.dat";
constexpr const char* kCurveFile = "soildata";

[[noreturn]] void too_much_data() {
  throw RunStop(StopKind::InputError, "TOO MUCH DATA FOR AVAILABLE STORAGE");
}

[[noreturn]] void cannot_open(const std::filesystem::path& p) {
  throw RunStop(StopKind::InputError,
                "ERROR -- CANNOT OPEN THE SCRATCH FILE " + p.filename().string());
}

int read_count(ListReader& r, const char* record, int limit) {
  int n = 0;
  r.read(record, n);
  if (n < 0)
    throw RunStop(StopKind::InputError, "ERROR -- NEGATIVE COUNT IN " + std::string(record) +
                                            " ON LINE " + std::to_string(r.line()));
  if (n > limit) too_much_data();
  return n;
}

void read_parameters(ListReader& r, soil::SoilParameters& p) {
  r.read("RECORD 14 (SOIL LAYERS)", p.unit_weight, p.cohesion, p.friction_angle, p.e50, p.k,
         p.sixth);
}

}  // namespace

void read_soil_records(RunState& state, RunContext& ctx) {
  soil::StageInput& s = state.stage;
  ListReader& r = ctx.data;
  r.read("RECORD 11 (WALL CONFIGURATION)", s.free_height, s.active_width, s.py_width,
         s.water_depth_backfill, s.water_depth_excavation, s.active_pressure_factor,
         s.pressure_switch, s.backfill_slope);
  r.read("RECORD 12 (SURCHARGE AT TOP)", s.surcharge_at_top, s.legacy[0], s.legacy[1],
         s.legacy[2], s.legacy[3], s.legacy[4]);

  const int nsur = read_count(r, "RECORD 13 (SURCHARGES)", kMaxSurcharges);
  s.surcharges.assign(static_cast<std::size_t>(nsur), {});
  for (auto& x : s.surcharges) {
    r.read("RECORD 13 (SURCHARGES)", x.type, x.magnitude, x.distance, x.width);
    if (s.unit_system == 2) {
      x.distance /= 1000.0;
      x.width /= 1000.0;
    }
  }

  const int nlay = read_count(r, "RECORD 14 (SOIL LAYERS)", kMaxSoilLayers);
  s.layers.assign(static_cast<std::size_t>(nlay), {});
  double previous = 0.0;
  for (auto& layer : s.layers) {
    r.read("RECORD 14 (SOIL LAYERS)", layer.type, layer.bottom_depth);
    layer.thickness = layer.bottom_depth - previous;
    previous = layer.bottom_depth;
    read_parameters(r, layer.top);
    read_parameters(r, layer.bottom);
  }
}

void generate_pressure_points(RunState& state, RunContext& ctx) {
  const auto pressure_path = ctx.scratch_dir / kPressureFile;
  { std::ofstream debug(ctx.scratch_dir / kDebugFile, std::ios::trunc); }
  {
    std::ofstream out(pressure_path, std::ios::trunc);
    if (!out) cannot_open(pressure_path);
    const soil::EarthPressureResult result = soil::generate_earth_pressure(
        state.stage, state.labels, {ctx.report_stream, ctx.monitor, ctx.console}, out);
    state.sigvh = result.sigvh;
  }
  std::ifstream in(pressure_path);
  if (!in) cannot_open(pressure_path);
  ListReader r(in);
  const int np = read_count(r, "THE PRESSURE FILE", kMaxPressurePoints);
  const double wa = state.stage.active_width;
  const double wp = state.stage.py_width;
  for (int i = 0; i < np; ++i) {
    PressurePoint& p = state.pressure[i];
    r.read("THE PRESSURE FILE", p.depth, p.total, p.soil, p.surcharge);
    const double w = p.depth <= state.free_height ? wa : wp;
    p.total *= w;
    p.soil *= w;
    p.surcharge *= w;
  }
  state.pressure_count = np;
  state.stage.last_total_load = np > 0 ? state.pressure[np - 1].total : 0.0;
}

void add_user_surcharges(RunState& state, RunContext& ctx) {
  // The surcharge formulas are relative to the free height.
  if (state.stage.free_height < 1.0E-6) {
    ctx.report.empty(2);
    ctx.report.line("     WARNING -- FREE HEIGHT BELOW 1.0E-6: SURCHARGE PRESSURES TAKEN AS ZERO");
  }
  const double wa = state.stage.active_width;
  for (int i = 0; i < state.pressure_count; ++i) {
    PressurePoint& p = state.pressure[i];
    p.surcharge = wa * soil::surcharge_pressure_at(state.stage, p.depth);
    p.total = p.soil + p.surcharge;
  }
}

void generate_py_curves(RunState& state, RunContext& ctx) {
  const auto curve_path = ctx.scratch_dir / kCurveFile;
  {
    std::ofstream out(curve_path, std::ios::trunc);
    if (!out) cannot_open(curve_path);
    soil::generate_py_curves(state.stage, state.sigvh, state.labels,
                             {ctx.report_stream, ctx.monitor, ctx.console}, out);
  }
  std::ifstream in(curve_path);
  if (!in) cannot_open(curve_path);
  ListReader r(in);
  const char* rec = "THE CURVE FILE";
  int total = 0;
  r.read(rec, total);
  ctx.console << fmt::list(total) << '\n';
  const int users = state.curve_count;
  if (total < users)
    throw RunStop(StopKind::InputError, "ERROR -- THE CURVE FILE HOLDS FEWER CURVES THAN GIVEN");
  if (total > kMaxCurves) too_much_data();

  // User curves come first; their points stay as read from the data file.
  for (int i = 0; i < users; ++i) {
    int node = 0;
    int npts = 0;
    r.read(rec, node, npts);
    if (npts < 0 || npts > kMaxCurvePoints) too_much_data();
    for (int k = 0; k < npts; ++k) {
      int index = 0;
      double p = 0, y = 0;
      r.read(rec, index, p, y);
    }
  }

  const int unit_system = state.control.unit_system;
  write_py_header(ctx.plot, unit_system, total);
  for (int i = 0; i < users; ++i) {
    const PyCurve& c = state.curves[i];
    write_curve_header(ctx.plot, c.JS - 4, c.NPTS);
    for (int k = 0; k < c.NPTS; ++k) write_curve_point(ctx.plot, c.W[k], c.PC[k] / state.geo.h);
  }

  const double h = state.geo.h;
  for (int i = users; i < total; ++i) {
    double depth = 0;
    int npts = 0;
    r.read(rec, depth, npts);
    if (npts != kMaxCurvePoints)
      throw RunStop(StopKind::InputError, "ERROR -- UNEXPECTED POINT COUNT IN THE CURVE FILE");
    double p[kMaxCurvePoints];
    double y[kMaxCurvePoints];
    for (int k = 0; k < kMaxCurvePoints; ++k) {
      int index = 0;
      r.read(rec, index, p[k], y[k]);
    }
    const double st = depth / h;
    if (!(st >= 0.0) || st > kMaxNodes + 4)
      throw RunStop(StopKind::InputError, "ERROR -- A GENERATED CURVE LIES OUTSIDE THE WALL");
    PyCurve& c = state.curves[i];
    c = PyCurve{};
    const int station = static_cast<int>(std::lround(st));
    c.JS = c.JE = station + 4;
    c.CONT = 1;
    c.NPTS = 33;
    // Backfill face first (records 34 down to 18) with deflections towards the
    // backfill negative, then the excavation face (records 2 to 17).
    for (int k = 0; k < 17; ++k) {
      c.W[k] = -y[33 - k];
      c.PC[k] = p[33 - k];
    }
    for (int k = 0; k < 16; ++k) {
      c.W[17 + k] = y[1 + k];
      c.PC[17 + k] = -p[1 + k];
    }
    if (users == 0)
      write_generated_curve_header(ctx.plot, depth, 33);
    else
      write_curve_header(ctx.plot, station, 33);
    for (int k = 0; k < 33; ++k) {
      write_curve_point(ctx.plot, c.W[k], c.PC[k]);
      c.PC[k] *= h;
    }
  }
  state.curve_count = total;
}

}  // namespace korvex::engine
