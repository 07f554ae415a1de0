#pragma once
// Small stage inputs for the p-y generation tests.
#include <initializer_list>

#include "korvex/soil/stage_input.h"

namespace korvex::soil::testing {

struct PyLayerSpec {
  int type;
  double thickness;
  SoilParameters top;
  SoilParameters bottom;
};

inline SoilParameters params(double gamma, double c, double phi, double e50, double k,
                             double sixth = 0.0) {
  return {gamma, c, phi, e50, k, sixth};
}

// An English-unit stage with generated curves: free height `h`, a wall of
// `nodes` increments of `inc`, the layers stacked from the top of the wall,
// WA = WP = `width` (a continuous wall unless the widths are changed).
inline StageInput py_stage(double h, std::initializer_list<PyLayerSpec> layers, int nodes = 40,
                           double inc = 12.0, double width = 24.0, double wtb = 100000.0) {
  StageInput in;
  in.unit_system = 1;
  in.py_curve_code = 2;
  in.free_height = h;
  in.active_width = width;
  in.py_width = width;
  in.water_depth_backfill = wtb;
  in.water_depth_excavation = wtb;
  in.node_count = nodes;
  in.increment_length = inc;
  in.wall_length = nodes * inc;
  double bottom = 0.0;
  for (const PyLayerSpec& l : layers) {
    SoilLayer s;
    s.type = l.type;
    s.thickness = l.thickness;
    bottom += l.thickness;
    s.bottom_depth = bottom;
    s.top = l.top;
    s.bottom = l.bottom;
    in.layers.push_back(s);
  }
  return in;
}

}  // namespace korvex::soil::testing
