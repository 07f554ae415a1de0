#include "korvex/soil/earth_pressure.h"

#include "korvex/engine/run_stop.h"

namespace korvex::soil {

// Placeholder until the earth-pressure stage lands: ends the run clearly.
EarthPressureResult generate_earth_pressure(const StageInput&, const engine::UnitLabels&,
                                            SoilStreams, std::ostream&) {
  throw engine::RunStop(engine::StopKind::InputError,
                        "ERROR -- GENERATED EARTH PRESSURE IS NOT AVAILABLE IN THIS BUILD");
}

double surcharge_pressure_at(const StageInput&, double) { return 0.0; }

}  // namespace korvex::soil
