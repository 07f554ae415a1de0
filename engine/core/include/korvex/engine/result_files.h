#pragma once
// Writers of the plot-data file (".kv5p") and of the iteration monitor in
// the result file (".kv5r").
#include <ostream>

#include "korvex/engine/iteration.h"
#include "korvex/engine/problem_model.h"

namespace korvex::engine {

// Rows written of `count` generated earth-pressure points: every point when
// there are at most 50, else every sixth (English) or fourth (SI), always
// with the first and the last. `visit(i)` gets the 0-based point indices.
template <class Visit>
int for_each_thinned_point(int count, int unit_system, bool thin, Visit visit) {
  int step = 1;
  if (thin && count > 50) step = unit_system == 1 ? 6 : (unit_system == 2 ? 4 : 1);
  int written = 0;
  int last = -1;
  for (int i = 0; i < count; i += step) {
    visit(i);
    last = i;
    ++written;
  }
  if (count > 0 && last != count - 1) {
    visit(count - 1);
    ++written;
  }
  return written;
}

// Section 1: earth pressure. `kep` 0 writes the single 0.
void write_pressure_section(std::ostream& out, int kep, const PressurePoint* points, int count,
                            int unit_system);

// Section 2 headers and rows.
void write_py_header(std::ostream& out, int unit_system, int curves);
void write_generated_curve_header(std::ostream& out, double depth, int points);
void write_curve_header(std::ostream& out, int station, int points);
void write_curve_point(std::ostream& out, double y, double p);

// Section 3: one result block.
void write_result_block(std::ostream& out, int ncases, const ProfileRow* rows, int count,
                        int unit_system);

void write_monitor_heading(std::ostream& out);
void write_monitor_line(std::ostream& out, const PassRecord& r);

}  // namespace korvex::engine
