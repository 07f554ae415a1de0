#pragma once
// The 17 points of one face of a generated p-y curve, as a criterion
// computes them (before the multipliers and the active-pressure offset).
#include <array>

namespace korvex::soil {

inline constexpr int kFacePoints = 17;

struct FacePoints {
  std::array<double, kFacePoints> y{};  // deflection, ascending from 0
  std::array<double, kFacePoints> p{};  // resistance per unit length of wall
};

}  // namespace korvex::soil
