#pragma once
// The walk over the five curves of one p-y layer, both faces each: soil
// properties, equivalent depth, the criterion of the layer's soil type, the
// multipliers and the active-pressure offset, the report and the curve file.
#include <ostream>
#include <string>
#include <vector>

#include "korvex/engine/unit_labels.h"
#include "korvex/soil/py_multipliers.h"
#include "korvex/soil/py_profile.h"
#include "korvex/soil/py_properties.h"
#include "korvex/soil/soil_streams.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

struct PyRun {
  const StageInput& in;
  const PyProfile& profile;
  const PyProperties& props;
  const PyMultipliers& multipliers;
  double sigvh;  // effective overburden at the excavation level
  const engine::UnitLabels& labels;
  SoilStreams out;
  std::ostream& curve_file;
  bool continuous;                  // WA/WP < 1.1
  std::vector<double> accumulated;  // resistance built up per layer
  std::vector<double> equivalent;   // stored equivalent depth per layer
};

// Generates, prints and writes the five curves of layer `layer` (0-based).
// A stop throws engine::RunStop(SoilStop) after its console lines.
void generate_layer_curves(PyRun& run, int layer);

}  // namespace korvex::soil
