#pragma once
// The six places of a soil parameter line in the data file (unit weight,
// cohesion, friction angle, E50, k, optional earth-pressure coefficient)
// and the column of each soil type's parameter table that fills them.
#include <array>

namespace korvex::project {

inline constexpr int kSoilTypeCount = 7;  // 1..7, soft clay .. weak rock
inline constexpr int kSoilParameterPlaces = 6;
inline constexpr int kCoefficientPlace = 5;

// How a value converts between the table (lb/ft^3, lb/ft^2 in English) and
// the file (lb/in^3, lb/in^2).
enum class SoilQuantity { kPlain, kUnitWeight, kCohesion };

struct SoilPlace {
  int column = -1;  // column of the parameter table; -1 an empty place
  SoilQuantity quantity = SoilQuantity::kPlain;
};
using SoilParameterPlaces = std::array<SoilPlace, kSoilParameterPlaces>;

bool IsSoilType(int type) noexcept;
// The places of a soil type; every place empty for an unknown type.
const SoilParameterPlaces& PlacesOfSoilType(int type) noexcept;
// English table value = file value x this (1728 for unit weights, 144 for
// cohesion, else 1).
long double EnglishTableFactor(SoilQuantity quantity) noexcept;

}  // namespace korvex::project
