#pragma once
// Soil properties at a p-y depth x (below the excavation level), read from
// the tables of a PyProfile. The profile is not owned and must outlive this.
#include <ostream>

#include "korvex/soil/py_profile.h"
#include "korvex/soil/soil_streams.h"

namespace korvex::soil {

class PyProperties {
 public:
  // `out` receives the messages of a stop (console) and of the cavg warning
  // (report); not owned.
  PyProperties(const PyProfile& profile, SoilStreams out) : profile_(profile), out_(out) {}

  // Strength (rock: uniaxial strength). At a layer boundary the deeper
  // layer's value. Beyond the table: console warning, stop 1.
  double c(double x) const;
  // Friction angle in radians. At a layer boundary the mean of both layers.
  // Beyond the table: console warning, stop.
  double phi(double x) const;
  // E50 (weak rock: krm) and the sixth value (weak rock: RQD); the last
  // value beyond the table.
  double e50(double x) const;
  double sixth(double x) const;

  // Mean effective unit weight between the excavation level and x. Beyond
  // the weight table: stop 4.
  double gamma_avg(double x) const;

  // Mean strength between the top of p-y layer `layer` (0-based) and x.
  double cavg(double x, int layer) const;

 private:
  enum class Column { kC, kPhi, kE50, kSixth };
  double lookup(double x, Column column) const;
  [[noreturn]] void beyond_strength(double x, Column column) const;

  const PyProfile& profile_;
  SoilStreams out_;
};

}  // namespace korvex::soil
