#pragma once
// The curve file "soildata" that p-y generation hands to the engine: the
// curve count, the user curves, then per generated curve a header line and
// 17 rows for each face. The engine reads it list-directed.
#include <ostream>
#include <vector>

#include "korvex/soil/py_face_points.h"
#include "korvex/soil/stage_input.h"

namespace korvex::soil {

inline constexpr const char* kCurveFileName = "soildata";

// Blanks between the fields of a curve row, which each criterion sets.
enum class RowSpacing { kOneBlank, kTwoBlanks, kOneThenNone };

void write_curve_count(std::ostream& os, int count);
void write_user_curves(std::ostream& os, const std::vector<UserCurve>& curves);
// depth: below the top of the wall; every generated curve has 34 rows.
void write_curve_header(std::ostream& os, double depth);
// Rows 1 to 17 of one face: point number, p, y.
void write_face_rows(std::ostream& os, const FacePoints& points, RowSpacing spacing);

}  // namespace korvex::soil
