#include "korvex/numeric/edit_unit_label.h"

#include <array>

namespace korvex::numeric {
namespace {

struct Label {
  std::string_view code;
  std::string_view english;
  std::string_view si;
};

constexpr std::array<Label, 6> kForces{{{"F6", "slug", "Mg"},
                                        {"F5", "sec", "sec"},
                                        {"F4", "lb-sec2/in", "Mg"},
                                        {"F2", "tons", "kN"},
                                        {"F1", "kips", "kN"},
                                        {"F", "lbs", "kN"}}};
constexpr std::array<Label, 4> kLengths{
    {{"L2", "ft", "m"}, {"L1", "in", "mm"}, {"L3", "rad", "rad"}, {"L", "in", "m"}}};

void ReplaceAll(std::string& s, std::string_view from, std::string_view to) {
  for (std::size_t pos = s.find(from); pos != std::string::npos;
       pos = s.find(from, pos + to.size())) {
    s.replace(pos, from.size(), to);
  }
}

template <std::size_t N>
void ReplaceFirstFound(std::string& s, const std::array<Label, N>& labels, int units) {
  for (const Label& l : labels) {
    // The last entry is the plain letter, used when no numbered code occurs.
    if (&l == &labels.back() || s.find(l.code) != std::string::npos) {
      ReplaceAll(s, l.code, units == 1 ? l.english : l.si);
      return;
    }
  }
}

}  // namespace

std::string EditUnitLabel(std::string_view code, int units) {
  std::string s(code);
  if (units != 1 && units != 2) return s;
  ReplaceFirstFound(s, kForces, units);
  ReplaceFirstFound(s, kLengths, units);
  return s;
}

}  // namespace korvex::numeric
