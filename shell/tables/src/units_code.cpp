#include "korvex/tables/units_code.h"

#include <array>
#include <cmath>

namespace korvex::tables {
namespace {

struct Token {
  std::string_view code;
  std::string_view label[3];  // English, SI, symbolic
  long double factor;         // English per SI
};

// In replacement order: a numbered token before the plain letter.
constexpr std::array<Token, 10> kTokens{{
    {"F2", {"tons", "kN", "F"}, 0.1124044745L},
    {"F1", {"kips", "kN", "F"}, 0.2248089237L},
    {"F4", {"lb-sec2/in", "Mg", "M"}, 5.7101483L},
    {"F5", {"sec", "sec", "T"}, 1.0L},
    {"F6", {"slug", "Mg", "F"}, 68.364249L},
    {"F", {"lbs", "kN", "F"}, 224.8089237L},
    {"L3", {"rad", "rad", "L"}, 1.0L},
    {"L2", {"ft", "m", "L"}, 3.280839895L},
    {"L1", {"in", "mm", "L"}, 0.03937007874L},
    {"L", {"in", "m", "L"}, 39.37007874L},
}};

// The token a code spells at its start ("F0" and "L0" are the plain
// letters), or nullptr. `length` receives the characters it takes.
const Token* TokenAt(std::string_view s, char letter, std::size_t& length) {
  if (s.empty() || s.front() != letter) return nullptr;
  std::string_view code = s.substr(0, 1);
  length = 1;
  if (s.size() > 1 && s[1] >= '0' && s[1] <= '9') {
    length = 2;
    code = s[1] == '0' ? s.substr(0, 1) : s.substr(0, 2);
  }
  for (const Token& t : kTokens) {
    if (t.code == code) return &t;
  }
  return nullptr;
}

// A token's factor raised to the optional "^d" that follows it.
long double Powered(const Token& t, std::string_view& rest) {
  int exponent = 1;
  if (rest.size() >= 2 && rest[0] == '^' && rest[1] >= '0' && rest[1] <= '9') {
    exponent = rest[1] - '0';
    rest.remove_prefix(2);
  }
  return std::pow(t.factor, static_cast<long double>(exponent));
}

// Factor of one side of the "/": an optional force token, one separator,
// an optional length token.
long double PartFactor(std::string_view part) {
  long double f = 1;
  std::size_t length = 0;
  if (const Token* force = TokenAt(part, 'F', length)) {
    part.remove_prefix(length);
    f *= Powered(*force, part);
    if (part.empty()) return f;
    part.remove_prefix(1);
  }
  if (const Token* len = TokenAt(part, 'L', length)) {
    part.remove_prefix(length);
    f *= Powered(*len, part);
  }
  return f;
}

}  // namespace

std::string UnitsLabel(std::string_view code, int system) {
  const int s = system == 2 ? 1 : system == 3 ? 2 : 0;
  std::string out;
  for (std::size_t i = 0; i < code.size();) {
    const Token* hit = nullptr;
    for (const Token& t : kTokens) {
      if (code.substr(i).starts_with(t.code)) {
        hit = &t;
        break;
      }
    }
    if (hit == nullptr) {
      out += code[i++];
    } else {
      out += hit->label[s];
      i += hit->code.size();
      if (hit->code.size() == 1 && i < code.size() && code[i] == '0') ++i;  // F0, L0
    }
  }
  return out;
}

long double UnitsFactor(std::string_view code) {
  const std::size_t slash = code.find('/');
  if (slash == std::string_view::npos) return PartFactor(code);
  return PartFactor(code.substr(0, slash)) / PartFactor(code.substr(slash + 1));
}

long double ConversionFactor(std::string_view code, int from, int to) {
  if (from == 2 && to == 1) return UnitsFactor(code);
  if (from == 1 && to == 2) return 1 / UnitsFactor(code);
  return 1;
}

}  // namespace korvex::tables
