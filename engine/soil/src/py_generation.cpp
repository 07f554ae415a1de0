#include "korvex/soil/py_generation.h"

#include <string>

#include "korvex/engine/capacities.h"
#include "korvex/engine/fixed_format.h"
#include "korvex/engine/run_stop.h"
#include "korvex/soil/py_curve_file.h"
#include "korvex/soil/py_multipliers.h"
#include "korvex/soil/py_profile.h"
#include "korvex/soil/py_properties.h"
#include "korvex/soil/py_report.h"
#include "py_layer_curves.h"

namespace korvex::soil {
namespace {

[[noreturn]] void stop(const std::string& message) {
  throw engine::RunStop(engine::StopKind::SoilStop, message);
}

void generate(const StageInput& in, double sigvh, const engine::UnitLabels& labels, SoilStreams out,
              std::ostream& curve_file) {
  out.console << " READ SOIL DATA....\n";
  if (!(in.py_width > 0.0)) stop("STOP -- THE P-Y WIDTH WP MUST BE GREATER THAN 0");

  const PyProfile profile = build_py_profile(in);
  if (profile.layers.empty())
    stop("STOP -- NO SOIL LAYER REACHES BELOW THE EXCAVATION LEVEL ABOVE THE WALL TIP");
  if (static_cast<int>(profile.layers.size()) > engine::kMaxPyLayers)
    stop("STOP -- MORE THAN " + std::to_string(engine::kMaxPyLayers) +
         " P-Y LAYERS BELOW THE EXCAVATION LEVEL");

  write_py_profile_report(out.report, profile, in.free_height, labels);
  const int generated = kCurvesPerLayer * static_cast<int>(profile.layers.size());
  write_curve_count(curve_file, static_cast<int>(in.user_curves.size()) + generated);
  write_user_curves(curve_file, in.user_curves);
  write_reduction_factors(out.report, in.py_mod);
  write_py_curves_heading(out.report);

  const PyProperties props(profile, out);
  const PyMultipliers multipliers(in);
  PyRun run{in,
            profile,
            props,
            multipliers,
            sigvh,
            labels,
            out,
            curve_file,
            in.active_width / in.py_width < 1.1,
            std::vector<double>(profile.layers.size(), 0.0),
            std::vector<double>(profile.layers.size(), 0.0)};
  for (int j = 0; j < static_cast<int>(profile.layers.size()); ++j) generate_layer_curves(run, j);
}

}  // namespace

void generate_py_curves(const StageInput& in, double sigvh, const engine::UnitLabels& labels,
                        SoilStreams out, std::ostream& curve_file) {
  try {
    generate(in, sigvh, labels, out, curve_file);
  } catch (const engine::RunStop& s) {
    // The report keeps the reason the run ended.
    out.report << "\n\n" << engine::fmt::X(5) << s.what() << '\n';
    throw;
  }
}

}  // namespace korvex::soil
