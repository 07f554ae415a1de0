#include "korvex/soil/py_generation.h"

#include "korvex/engine/run_stop.h"

namespace korvex::soil {

// Placeholder until p-y generation lands: ends the run clearly.
void generate_py_curves(const StageInput&, double, const engine::UnitLabels&, SoilStreams,
                        std::ostream&) {
  throw engine::RunStop(engine::StopKind::InputError,
                        "ERROR -- GENERATED P-Y CURVES ARE NOT AVAILABLE IN THIS BUILD");
}

}  // namespace korvex::soil
