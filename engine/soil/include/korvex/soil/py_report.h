#pragma once
// Report sections of p-y generation: the soil tables below the excavation
// level, the reduction factors, and per curve face its heading, parameter
// table and points. Depths passed to the table writers are already in the
// frame they are printed in.
#include <ostream>
#include <string>
#include <vector>

#include "korvex/engine/unit_labels.h"
#include "korvex/soil/py_profile.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

enum class Face { kExcavation, kBackfill };

// How a criterion prints its points: F20.5, E20.3 or D20.5.
enum class PointStyle { kFixed, kExponent, kDoubleExponent };

// Banner, excavation level, layer list, weight table and strength table.
void write_py_profile_report(std::ostream& os, const PyProfile& profile, double free_height,
                             const engine::UnitLabels& u);
void write_reduction_factors(std::ostream& os, const std::vector<PyModRow>& rows);
void write_py_curves_heading(std::ostream& os);

void write_face_heading(std::ostream& os, Face face);
// The "Y" and "P" heads with units; clays print them as "Y," and "P,".
void write_yp_heads(std::ostream& os, const engine::UnitLabels& u, bool with_commas);
void write_face_point(std::ostream& os, double y, double p, PointStyle style);
void write_multiplier_line(std::ostream& os, double pm, double ym);
// Free-format line of the stiff clays: "XEQ", the layer number and values.
void write_xeq_line(std::ostream& os, int layer, const std::vector<double>& values);
void write_small_deflection_warning(std::ostream& os, double modulus);
// A layer whose criterion needs the k column and finds 0 there.
void write_zero_modulus_warning(std::ostream& os, int layer, int soil_type);

void write_soft_clay_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                           double c, double gamma, double e50);
void write_stiff_clay_wet_table(std::ostream& os, const engine::UnitLabels& u, double depth,
                                double b, double c, double ca, double gamma, double e50);
void write_stiff_clay_dry_table(std::ostream& os, const engine::UnitLabels& u, double depth,
                                double b, double c, double ca, double gamma, double e50);
void write_sand_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                      double phi_degrees, double gamma, double a, double b_factor, double pst,
                      double psd);
void write_silt_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                      double phi_degrees, double gamma, double a, double b_factor, double puc,
                      double pu_friction);
void write_strong_rock_table(std::ostream& os, const engine::UnitLabels& u, Face face, double depth,
                             double b, double c);
void write_weak_rock_table(std::ostream& os, const engine::UnitLabels& u, double depth, double b,
                           double qu, double eir, double gamma, double krm);

}  // namespace korvex::soil
