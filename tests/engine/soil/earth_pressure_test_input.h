#pragma once
// Small stage inputs for the earth-pressure tests.
#include <initializer_list>

#include "korvex/soil/stage_input.h"

namespace korvex::soil::testing {

struct LayerData {
  int type;
  double thickness;
  double unit_weight;
  double cohesion;
  double phi;
  double kopt = 0.0;
};

// An English-unit stage: free height `h`, water table `wtb` (deep by default),
// the given layers stacked from the surface.
inline StageInput english_stage(double h, std::initializer_list<LayerData> layers,
                                double wtb = 10000.0) {
  StageInput in;
  in.unit_system = 1;
  in.earth_pressure_code = 2;
  in.free_height = h;
  in.active_width = 12.0;
  in.py_width = 12.0;
  in.water_depth_backfill = wtb;
  in.water_depth_excavation = 10000.0;
  in.node_count = 40;
  in.increment_length = 12.0;
  double bottom = 0.0;
  for (const LayerData& l : layers) {
    SoilLayer s;
    s.type = l.type;
    s.thickness = l.thickness;
    bottom += l.thickness;
    s.bottom_depth = bottom;
    s.top = {l.unit_weight, l.cohesion, l.phi, 0.0, 0.0, l.kopt};
    s.bottom = s.top;
    in.layers.push_back(s);
  }
  in.wall_length = bottom;
  return in;
}

}  // namespace korvex::soil::testing
