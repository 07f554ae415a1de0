#include "run_summary.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace korvex::run {
namespace {

bool starts_with(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// Locale-independent number reading of whitespace-separated fields.
std::vector<double> numbers(const std::string& line) {
  std::vector<double> out;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    std::size_t j = i;
    while (j < line.size() && line[j] != ' ') ++j;
    if (j > i) {
      double v = 0;
      auto [p, ec] = std::from_chars(line.data() + i, line.data() + j, v);
      if (ec != std::errc() || p != line.data() + j) return {};
      out.push_back(v);
    }
    i = j;
  }
  return out;
}

bool is_error_line(const std::string& line) {
  return starts_with(line, "     ERROR") || line == "     TOO MUCH DATA FOR AVAILABLE STORAGE";
}

// Result blocks of the plot file, one per problem in order. Sections are
// walked by their counts; a file cut short ends the walk.
std::vector<std::vector<std::vector<double>>> result_blocks(std::istream& in, int problems) {
  std::vector<std::vector<std::vector<double>>> blocks;
  std::vector<std::string> lines;
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  std::size_t i = 0;
  auto next = [&](std::size_t want) -> std::optional<std::vector<double>> {
    if (i >= lines.size()) return std::nullopt;
    auto v = numbers(lines[i++]);
    if (want && v.size() != want) return std::nullopt;
    return v;
  };
  for (int p = 0; p < problems; ++p) {
    auto nep = next(1);
    if (!nep) break;
    for (int k = 0; k < static_cast<int>((*nep)[0]); ++k)
      if (!next(4)) return blocks;
    auto py = next(2);
    if (!py) break;
    for (int c = 0; c < static_cast<int>((*py)[1]); ++c) {
      auto head = next(2);
      if (!head) return blocks;
      for (int k = 0; k < static_cast<int>((*head)[1]); ++k)
        if (!next(2)) return blocks;
    }
    auto header = next(3);
    if (!header) break;
    std::vector<std::vector<double>> rows;
    for (int r = 0; r < static_cast<int>((*header)[1]); ++r) {
      auto row = next(5);
      if (!row) return blocks;
      rows.push_back(*row);
    }
    rows.insert(rows.begin(), {(*header)[2]});  // unit system first
    blocks.push_back(std::move(rows));
  }
  return blocks;
}

void keep_extreme(std::optional<Extreme>& e, double value, double depth) {
  if (!e || std::fabs(value) > std::fabs(e->value)) e = Extreme{value, depth};
}

}  // namespace

UnitNames unit_names(int unit_system) {
  if (unit_system == 1) return {"in", "lb", "lb-in"};
  if (unit_system == 2) return {"m", "kN", "kN-m"};
  return {"L", "F", "F-L"};
}

RunSummary summarize(std::istream& report, std::istream* plot) {
  RunSummary out;
  std::vector<std::string> lines;
  for (std::string l; std::getline(report, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    lines.push_back(l);
  }
  ProblemSummary* current = nullptr;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (starts_with(line, "               Date:  ")) {
      out.problems.emplace_back();
      current = &out.problems.back();
      for (std::size_t k = i + 1; k < lines.size(); ++k) {
        if (!trim(lines[k]).empty()) {
          current->heading = trim(lines[k]);
          break;
        }
      }
    } else if (!current) {
      continue;
    } else if (starts_with(line, "     RESULTS -- ITERATION")) {
      current->solved = true;
      const auto v = numbers(line.substr(25));
      current->passes = v.empty() ? 0 : static_cast<int>(v[0]);
      current->closed = true;
    } else if (starts_with(line, "     ***** ")) {
      current->conditions.push_back(trim(line));
      if (line.find("NOT CLOSED") != std::string::npos ||
          line.find("EXCEEDED") != std::string::npos)
        current->closed = false;
    } else if (line.find("WARNING") != std::string::npos ||
               line.find("Net active pressure is negative.") != std::string::npos) {
      // The warning and the text lines that continue it (not the table rows
      // that may follow without an empty line).
      std::string text = trim(line);
      for (std::size_t k = i + 1; k < lines.size() && k <= i + 3; ++k) {
        const std::string next = trim(lines[k]);
        if (next.empty() || next.find("WARNING") != std::string::npos ||
            !numbers(next).empty() || next.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") != 0)
          break;
        text += " " + next;
      }
      bool seen = false;
      for (const auto& w : current->warnings) seen = seen || w == text;
      if (!seen) current->warnings.push_back(text);
    } else if (starts_with(line, "   -----  -----    --------")) {
      for (std::size_t k = i + 1; k < lines.size(); ++k) {
        const auto v = numbers(lines[k]);
        if (v.size() != 6) break;
        current->tiebacks.push_back({static_cast<int>(v[0]), static_cast<int>(v[1]), v[2], v[3],
                                     v[4], v[5]});
      }
    } else if (is_error_line(line)) {
      out.input_error = trim(line);
    } else if (starts_with(line, "     END OF ANALYSIS")) {
      out.ended = true;
    }
  }

  if (plot) {
    const auto blocks = result_blocks(*plot, static_cast<int>(out.problems.size()));
    for (std::size_t p = 0; p < blocks.size() && p < out.problems.size(); ++p) {
      ProblemSummary& s = out.problems[p];
      if (!s.solved) continue;
      const auto& rows = blocks[p];
      s.unit_system = static_cast<int>(rows[0][0]);
      // Rows 1 .. n - 1 are stations 0 .. N; the last is below the tip.
      for (std::size_t r = 1; r + 1 < rows.size(); ++r) {
        keep_extreme(s.deflection, rows[r][1], rows[r][0]);
        keep_extreme(s.moment, rows[r][2], rows[r][0]);
        keep_extreme(s.shear, rows[r][3], rows[r][0]);
      }
    }
  }
  return out;
}

}  // namespace korvex::run
