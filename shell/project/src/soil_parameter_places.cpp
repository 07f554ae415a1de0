#include "korvex/project/soil_parameter_places.h"

namespace korvex::project {
namespace {

constexpr SoilPlace kEmpty{};
constexpr SoilPlace Unit(int column) {
  return {column, SoilQuantity::kUnitWeight};
}
constexpr SoilPlace Cohesion(int column) {
  return {column, SoilQuantity::kCohesion};
}
constexpr SoilPlace Plain(int column) {
  return {column, SoilQuantity::kPlain};
}

// Parameter tables: clay (unit weight, cohesion, E50, k, coefficient), sand
// (unit weight, friction, k, coefficient), silt (unit weight, friction,
// cohesion, E50, k, coefficient), strong rock (unit weight, strength), weak
// rock (unit weight, strength, krm, modulus, RQD).
constexpr SoilParameterPlaces kClay{Unit(0), Cohesion(1), kEmpty, Plain(2), Plain(3), Plain(4)};
constexpr SoilParameterPlaces kSand{Unit(0), kEmpty, Plain(1), kEmpty, Plain(2), Plain(3)};
constexpr SoilParameterPlaces kSilt{Unit(0), Cohesion(2), Plain(1), Plain(3), Plain(4), Plain(5)};
constexpr SoilParameterPlaces kStrongRock{Unit(0), Plain(1), kEmpty, kEmpty, kEmpty, kEmpty};
constexpr SoilParameterPlaces kWeakRock{Unit(0), Plain(1), kEmpty, Plain(2), Plain(3), Plain(4)};
constexpr SoilParameterPlaces kUnknown{};

}  // namespace

bool IsSoilType(int type) noexcept {
  return type >= 1 && type <= kSoilTypeCount;
}

const SoilParameterPlaces& PlacesOfSoilType(int type) noexcept {
  switch (type) {
    case 1:
    case 2:
    case 3:
      return kClay;
    case 4:
      return kSand;
    case 5:
      return kSilt;
    case 6:
      return kStrongRock;
    case 7:
      return kWeakRock;
    default:
      return kUnknown;
  }
}

long double EnglishTableFactor(SoilQuantity quantity) noexcept {
  switch (quantity) {
    case SoilQuantity::kUnitWeight:
      return 1728;
    case SoilQuantity::kCohesion:
      return 144;
    case SoilQuantity::kPlain:
      break;
  }
  return 1;
}

}  // namespace korvex::project
