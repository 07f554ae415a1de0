#pragma once
// The pressure file "bmwall.001" that the engine reads back: a count line,
// then one line per point of depth, total, soil part and surcharge part.
#include <ostream>

#include "korvex/soil/earth_pressure_distribution.h"

namespace korvex::soil {

// Writes `d` with a count equal to the number of point lines. With
// `repeat_excavation_point` (the trapezoidal distribution) the last point
// above the excavation level is written twice, once closing the envelope and
// once opening the pressures below. Values carry ten significant digits so
// that depths stay distinct on deep walls.
void write_pressure_file(std::ostream& os, const PressureDistribution& d,
                         bool repeat_excavation_point);

}  // namespace korvex::soil
