#include "py_layer_curves.h"

#include <cmath>
#include <string>

#include "korvex/engine/fixed_format.h"
#include "korvex/engine/run_stop.h"
#include "korvex/soil/py_clay_criteria.h"
#include "korvex/soil/py_curve_file.h"
#include "korvex/soil/py_equivalent_depth.h"
#include "korvex/soil/py_report.h"
#include "korvex/soil/py_rock_criteria.h"
#include "korvex/soil/py_sand_silt_criteria.h"

namespace korvex::soil {
namespace fmt = engine::fmt;
namespace {

constexpr double kRadiansToDegrees = 180.0 / 3.1416;
constexpr Face kFaces[] = {Face::kExcavation, Face::kBackfill};

[[noreturn]] void stop_layer(int layer, const std::string& what) {
  throw engine::RunStop(engine::StopKind::SoilStop,
                        "STOP -- P-Y LAYER " + std::to_string(layer + 1) + ": " + what);
}

// Multipliers, offset and faces at one curve depth.
struct CurveFrame {
  double x = 0.0;
  double previous_x = 0.0;
  double pm = 1.0;
  double ym = 1.0;
};

CurveFrame frame_at(const PyRun& run, int layer, int curve) {
  const auto& xs = run.profile.curve_depths[static_cast<std::size_t>(layer)];
  CurveFrame f;
  f.x = xs[static_cast<std::size_t>(curve)];
  f.previous_x = curve > 0 ? xs[static_cast<std::size_t>(curve) - 1] : f.x;
  const double zw = run.in.free_height + f.x;
  f.pm = run.multipliers.p(zw);
  f.ym = run.multipliers.y(zw);
  return f;
}

double face_depth(const PyRun& run, Face face, double x) {
  return face == Face::kExcavation ? x : run.in.free_height + x;
}

double accumulated_above(const PyRun& run, int layer) {
  double sum = 0.0;
  for (int j = 0; j < layer; ++j) sum += run.accumulated[static_cast<std::size_t>(j)];
  return sum;
}

// The excavation face is reduced and the backfill face raised by the offset.
FacePoints finish(const FacePoints& raw, Face face, const CurveFrame& f, double pm, double offset,
                  int layer) {
  FacePoints out;
  const double signed_offset = face == Face::kExcavation ? -offset : offset;
  for (int k = 0; k < kFacePoints; ++k) {
    out.y[k] = f.ym * raw.y[k];
    out.p[k] = pm * raw.p[k] + signed_offset;
    if (!std::isfinite(out.y[k]) || !std::isfinite(out.p[k]))
      stop_layer(layer, "THE P-Y CURVE AT X =" + fmt::F(10, 2, f.x) +
                            " CANNOT BE GENERATED FROM THE SOIL DATA");
  }
  return out;
}

void begin_face(PyRun& run, Face face, double x, bool heading) {
  if (face == Face::kExcavation)
    write_curve_header(run.curve_file, run.in.free_height + x - run.profile.layers.front().top);
  if (heading) write_face_heading(run.out.report, face);
}

void write_points(PyRun& run, const FacePoints& pts, PointStyle style, RowSpacing spacing) {
  for (int k = 0; k < kFacePoints; ++k) write_face_point(run.out.report, pts.y[k], pts.p[k], style);
  write_face_rows(run.curve_file, pts, spacing);
}

ClaySoil clay_at(const PyRun& run, int layer, double x) {
  ClaySoil s{run.props.c(x), 0.0, run.props.gamma_avg(x), run.props.e50(x), run.in.py_width};
  if (!(s.c > 0.0)) stop_layer(layer, "THE UNDRAINED STRENGTH OF A CLAY MUST BE GREATER THAN 0");
  if (!(s.e50 > 0.0)) stop_layer(layer, "E50 OF A CLAY MUST BE GREATER THAN 0");
  return s;
}

void soft_clay_layer(PyRun& run, int j) {
  const PyLayer& layer = run.profile.layers[static_cast<std::size_t>(j)];
  double& accumulated = run.accumulated[static_cast<std::size_t>(j)];
  double& xeq = run.equivalent[static_cast<std::size_t>(j)];
  const double b = run.in.py_width;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    const ClaySoil s = clay_at(run, j, f.x);
    if (i == 0 && j > 0)
      xeq = soft_clay_equivalent_depth(s.c, s.gamma, b, accumulated_above(run, j));
    const double shift = j > 0 ? xeq - layer.top : 0.0;
    const double offset = clay_active_offset(run.sigvh, s.c, b);
    for (Face face : kFaces) {
      const double xf = face_depth(run, face, f.x);
      const SoftClayFace r = soft_clay_face(s, xf + shift, run.continuous);
      const FacePoints pts = finish(r.points, face, f, f.pm, offset, j);
      begin_face(run, face, f.x, true);
      write_soft_clay_table(run.out.report, run.labels, xf, b, s.c, s.gamma, s.e50);
      write_yp_heads(run.out.report, run.labels, true);
      for (int k = 0; k < kFacePoints; ++k) {
        if (k > 0 && r.points.y[k] < 1.0e-14)
          write_small_deflection_warning(run.out.report, soft_clay_initial_modulus(r.pu, r.y50));
        write_face_point(run.out.report, pts.y[k], pts.p[k], PointStyle::kFixed);
      }
      write_face_rows(run.curve_file, pts, RowSpacing::kOneBlank);
      write_multiplier_line(run.out.report, f.pm, f.ym);
      if (face == Face::kExcavation && i > 0) accumulated += r.pu * (f.x - f.previous_x);
    }
  }
}

void stiff_clay_free_water_layer(PyRun& run, int j) {
  const PyLayer& layer = run.profile.layers[static_cast<std::size_t>(j)];
  double& accumulated = run.accumulated[static_cast<std::size_t>(j)];
  double& xeq = run.equivalent[static_cast<std::size_t>(j)];
  const double b = run.in.py_width;
  const double first_x = run.profile.curve_depths[static_cast<std::size_t>(j)][0];
  double integral = 0.0;
  double c_previous = 0.0;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    ClaySoil s = clay_at(run, j, f.x);
    // Mean strength over the layer's curves so far; the first layer takes it
    // from the layer top.
    if (j == 0) {
      s.ca = run.props.cavg(f.x, j);
    } else if (i == 0) {
      s.ca = s.c;
    } else {
      integral += (f.x - f.previous_x) * (c_previous + s.c) / 2.0;
      s.ca = integral / (f.x - first_x);
    }
    c_previous = s.c;
    if (i == 0 && j > 0)
      xeq = stiff_clay_free_water_equivalent_depth(s.c, s.ca, s.gamma, b, f.x,
                                                   accumulated_above(run, j));
    const double offset = clay_active_offset(run.sigvh, s.c, b);
    for (Face face : kFaces) {
      const double xu = face_depth(run, face, f.x);
      const StiffClayWetFace r = stiff_clay_free_water_face(s, f.x, xu, layer.k, run.continuous);
      const FacePoints pts = finish(r.points, face, f, f.pm, offset, j);
      begin_face(run, face, f.x, true);
      write_stiff_clay_wet_table(run.out.report, run.labels, xu, b, s.c, s.ca, s.gamma, s.e50);
      write_xeq_line(run.out.report, j + 1, {xeq, f.x});
      run.out.report << '\n';
      write_points(run, pts, PointStyle::kFixed, RowSpacing::kOneBlank);
      if (face == Face::kExcavation && i > 0)
        accumulated += (f.x - f.previous_x) * r.pc * stiff_clay_residual_factor(r.as);
    }
  }
}

void stiff_clay_dry_layer(PyRun& run, int j) {
  const PyLayer& layer = run.profile.layers[static_cast<std::size_t>(j)];
  double& accumulated = run.accumulated[static_cast<std::size_t>(j)];
  double& xeq = run.equivalent[static_cast<std::size_t>(j)];
  const double b = run.in.py_width;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    ClaySoil s = clay_at(run, j, f.x);
    s.ca = run.props.cavg(f.x, j);
    double computed = 0.0;
    if (i == 0 && j > 0) {
      computed = stiff_clay_dry_equivalent_depth(s.c, s.ca, s.gamma, b, accumulated_above(run, j));
      xeq = layer.top;  // printed only: the curves use the plain depth
    }
    const double offset = clay_active_offset(run.sigvh, s.c, b);
    for (Face face : kFaces) {
      const double xu = face_depth(run, face, f.x);
      const StiffClayDryFace r = stiff_clay_dry_face(s, xu, run.continuous);
      const FacePoints pts = finish(r.points, face, f, f.pm, offset, j);
      begin_face(run, face, f.x, true);
      if (face == Face::kExcavation && i == 0 && j > 0) {
        write_xeq_line(run.out.report, j + 1, {computed, f.x});
        write_xeq_line(run.out.report, j + 1, {xeq, f.x});
      }
      write_stiff_clay_dry_table(run.out.report, run.labels, xu, b, s.c, s.ca, s.gamma, s.e50);
      write_yp_heads(run.out.report, run.labels, false);
      write_xeq_line(run.out.report, j + 1, {xeq, f.x, xu});
      write_points(run, pts, PointStyle::kFixed, RowSpacing::kOneBlank);
      write_multiplier_line(run.out.report, f.pm, f.ym);
      if (face == Face::kExcavation && i > 0) accumulated += r.pu * (f.x - f.previous_x);
    }
  }
}

// Sand and silt build up resistance with the trapezoidal rule, the last
// curve carrying its pu to the layer bottom.
void accumulate_friction(double& accumulated, const CurveFrame& f, int curve, double pu,
                         double& pu_previous, double bottom) {
  if (curve > 0) accumulated += (f.x - f.previous_x) * (pu + pu_previous) / 2.0;
  if (curve == kCurvesPerLayer - 1) accumulated += (bottom - f.x) * pu;
  pu_previous = pu;
}

// Heads, points and multiplier line of a sand or silt face.
void friction_face_tail(PyRun& run, const FacePoints& pts, const CurveFrame& f, PointStyle style,
                        RowSpacing spacing) {
  write_yp_heads(run.out.report, run.labels, false);
  write_points(run, pts, style, spacing);
  write_multiplier_line(run.out.report, f.pm, f.ym);
}

void sand_layer(PyRun& run, int j) {
  const PyLayer& layer = run.profile.layers[static_cast<std::size_t>(j)];
  double& accumulated = run.accumulated[static_cast<std::size_t>(j)];
  double& xeq = run.equivalent[static_cast<std::size_t>(j)];
  const double b = run.in.py_width;
  double pu_previous = 0.0;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    const FrictionSoil s{run.props.phi(f.x), 0.0, run.props.gamma_avg(f.x), b, layer.k};
    if (!(s.phi > 0.0)) stop_layer(j, "THE FRICTION ANGLE OF A SAND MUST BE GREATER THAN 0");
    if (!(s.gamma > 0.0))
      stop_layer(j, "THE EFFECTIVE UNIT WEIGHT OF A SAND MUST BE GREATER THAN 0");
    if (i == 0 && j > 0)
      xeq = sand_equivalent_depth(s.phi, s.gamma, b, f.x, accumulated_above(run, j));
    const double shift = j > 0 ? xeq - layer.top : 0.0;
    for (Face face : kFaces) {
      const double xf = face_depth(run, face, f.x);
      const SandFace r = sand_face(s, xf, xf + shift, run.continuous);
      const double offset = sand_active_offset(run.sigvh, r.resistance.ka, b);
      const FacePoints pts = finish(r.points, face, f, f.pm, offset, j);
      begin_face(run, face, f.x, true);
      write_sand_table(run.out.report, run.labels, xf, b, s.phi * kRadiansToDegrees, s.gamma,
                       r.factors.a, r.factors.b, r.resistance.wedge, r.resistance.flow_around);
      friction_face_tail(run, pts, f, PointStyle::kFixed, RowSpacing::kOneBlank);
      if (face == Face::kExcavation)
        accumulate_friction(accumulated, f, i, r.pu, pu_previous, layer.bottom);
    }
  }
}

void silt_layer(PyRun& run, int j) {
  const PyLayer& layer = run.profile.layers[static_cast<std::size_t>(j)];
  double& accumulated = run.accumulated[static_cast<std::size_t>(j)];
  double& xeq = run.equivalent[static_cast<std::size_t>(j)];
  const double b = run.in.py_width;
  double pu_previous = 0.0;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    const FrictionSoil s{run.props.phi(f.x), run.props.c(f.x), run.props.gamma_avg(f.x), b,
                         layer.k};
    const double cos_phi = std::cos(s.phi);
    if (1.0 - cos_phi * cos_phi < 1.0e-10) {
      run.out.console << "\n\n"
                      << fmt::X(7) << "WARNING-------The Angle of the slope can not\n"
                      << fmt::X(7) << "              be greater than the internal  \n"
                      << fmt::X(7) << "              friction angle of the sand.   \n";
      stop_layer(j, "THE FRICTION ANGLE OF A SILT MUST BE GREATER THAN 0");
    }
    if (i == 0 && j > 0)
      xeq = silt_equivalent_depth(s.phi, s.c, s.gamma, b, f.x, accumulated_above(run, j));
    const double shift = j > 0 ? xeq - layer.top : 0.0;
    for (Face face : kFaces) {
      const double xf = face_depth(run, face, f.x);
      const SiltFace r = silt_face(s, xf, xf + shift, run.continuous);
      const double offset = silt_active_offset(run.sigvh, r.resistance.ka, s.c, b);
      const FacePoints pts = finish(r.points, face, f, f.pm, offset, j);
      begin_face(run, face, f.x, true);
      write_silt_table(run.out.report, run.labels, xf, b, s.phi * kRadiansToDegrees, s.gamma,
                       r.factors.a, r.factors.b, r.pu_cohesion, r.pu_friction);
      friction_face_tail(run, pts, f, PointStyle::kExponent, RowSpacing::kTwoBlanks);
      if (face == Face::kExcavation)
        accumulate_friction(accumulated, f, i, r.pu, pu_previous, layer.bottom);
    }
  }
}

void strong_rock_layer(PyRun& run, int j) {
  const double b = run.in.py_width;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    const double qu = run.props.c(f.x);
    if (!(qu > 0.0)) stop_layer(j, "THE STRENGTH OF ROCK MUST BE GREATER THAN 0");
    const double gamma = run.props.gamma_avg(f.x);
    for (Face face : kFaces) {
      const double xf = face_depth(run, face, f.x);
      const StrongRockFace r = strong_rock_face(qu, gamma, b, xf, f.pm);
      const FacePoints pts = finish(r.points, face, f, 1.0, 0.0, j);
      begin_face(run, face, f.x, false);
      write_strong_rock_table(run.out.report, run.labels, face, xf, b, r.c);
      write_yp_heads(run.out.report, run.labels, false);
      write_points(run, pts, PointStyle::kDoubleExponent, RowSpacing::kOneThenNone);
    }
  }
}

void weak_rock_layer(PyRun& run, int j) {
  const PyLayer& layer = run.profile.layers[static_cast<std::size_t>(j)];
  const double b = run.in.py_width;
  const double top_strength = run.profile.strength[2 * static_cast<std::size_t>(j)].c;
  for (int i = 0; i < kCurvesPerLayer; ++i) {
    const CurveFrame f = frame_at(run, j, i);
    const double qu = run.props.c(f.x);
    if (qu < 1.0e-10 && i > 0) {
      run.out.console << '\n'
                      << fmt::X(7) << "--------------------WARNING----------------------\n"
                      << fmt::X(7) << "THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT\n"
                      << fmt::X(7) << "DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN.\n";
      stop_layer(j, "THE STRENGTH OF WEAK ROCK IS 0");
    }
    WeakRock rock;
    rock.qua = j == 0 ? run.props.cavg(f.x, j) : 0.5 * (top_strength + qu);
    rock.rqd = run.props.sixth(f.x);
    rock.eir = layer.k;
    rock.krm = run.props.e50(f.x);
    rock.b = b;
    if (!(rock.krm > 0.0))
      stop_layer(j, "KRM (THE E50 COLUMN) OF WEAK ROCK MUST BE GREATER THAN 0");
    const double gamma = run.props.gamma_avg(f.x);
    for (Face face : kFaces) {
      const double xf = face_depth(run, face, f.x);
      const WeakRockFace r = weak_rock_face(rock, xf - layer.top + 1.0e-8);
      const FacePoints pts = finish(r.points, face, f, f.pm, 0.0, j);
      begin_face(run, face, f.x, true);
      write_weak_rock_table(run.out.report, run.labels, xf, b, qu, rock.eir, gamma, rock.krm);
      write_yp_heads(run.out.report, run.labels, false);
      write_points(run, pts, PointStyle::kExponent, RowSpacing::kTwoBlanks);
    }
  }
}

bool uses_k_column(int type) {
  return type == kStiffClayFreeWater || type == kSand || type == kSilt || type == kWeakRock;
}

}  // namespace

void generate_layer_curves(PyRun& run, int layer) {
  const PyLayer& l = run.profile.layers.at(static_cast<std::size_t>(layer));
  run.accumulated[static_cast<std::size_t>(layer)] = 0.0;
  if (uses_k_column(l.type)) {
    if (l.k < 0.0) stop_layer(layer, "THE SUBGRADE MODULUS k MUST NOT BE NEGATIVE");
    if (l.k == 0.0) write_zero_modulus_warning(run.out.report, layer + 1, l.type);
  }
  switch (l.type) {
    case kStiffClayFreeWater:
      return stiff_clay_free_water_layer(run, layer);
    case kStiffClayDry:
      return stiff_clay_dry_layer(run, layer);
    case kSand:
      return sand_layer(run, layer);
    case kSilt:
      return silt_layer(run, layer);
    case kStrongRock:
      return strong_rock_layer(run, layer);
    case kWeakRock:
      return weak_rock_layer(run, layer);
    default:
      return soft_clay_layer(run, layer);
  }
}

}  // namespace korvex::soil
