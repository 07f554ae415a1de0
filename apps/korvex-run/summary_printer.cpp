#include "summary_printer.h"

#include <cmath>
#include <cstdio>
#include <sstream>

namespace korvex::run {
namespace {

std::string sci(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.4E", v);
  return buf;
}

std::string json_number(double v) {
  if (!std::isfinite(v)) return "null";
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.10g", v);
  return buf;
}

std::string json_string(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20 || c >= 0x7f) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

const char* status_name(FileStatus s) {
  switch (s) {
    case FileStatus::Solved: return "solved";
    case FileStatus::InputError: return "input-error";
    default: return "engine-error";
  }
}

std::vector<std::string> console_lines(const std::string& console) {
  std::vector<std::string> out;
  std::istringstream in(console);
  for (std::string l; std::getline(in, l);) {
    const auto b = l.find_first_not_of(" \r");
    if (b != std::string::npos) out.push_back(l.substr(b));
  }
  return out;
}

void print_extreme(std::ostream& out, const char* what, const std::optional<Extreme>& e,
                   const char* unit, const char* length) {
  if (!e) return;
  out << "    max |" << what << "| " << sci(e->value) << ' ' << unit << " at depth "
      << sci(e->depth) << ' ' << length << '\n';
}

void json_extreme(std::ostream& out, const char* name, const std::optional<Extreme>& e) {
  out << '"' << name << "\":";
  if (!e)
    out << "null";
  else
    out << "{\"value\":" << json_number(e->value) << ",\"depth\":" << json_number(e->depth)
        << '}';
}

}  // namespace

void print_text(std::ostream& out, const FileReport& r) {
  out << r.data_file << '\n';
  if (r.status == FileStatus::EngineError) {
    out << "  engine error: " << r.message << '\n';
    return;
  }
  out << "  report " << r.report_file << "\n  plot   " << r.plot_file << "\n  monitor "
      << r.monitor_file << '\n';
  for (std::size_t i = 0; i < r.summary.problems.size(); ++i) {
    const ProblemSummary& p = r.summary.problems[i];
    const UnitNames u = unit_names(p.unit_system);
    out << "  problem " << i + 1 << ": " << p.heading << '\n';
    for (const auto& w : p.warnings) out << "    " << w << '\n';
    if (!p.solved) {
      out << "    not solved\n";
      continue;
    }
    out << "    passes " << p.passes << ", " << (p.closed ? "closed" : "not closed") << '\n';
    for (const auto& c : p.conditions) out << "    " << c << '\n';
    print_extreme(out, "deflection", p.deflection, u.length, u.length);
    print_extreme(out, "moment", p.moment, u.moment, u.length);
    print_extreme(out, "shear", p.shear, u.force, u.length);
    for (const auto& t : p.tiebacks)
      out << "    tieback " << t.number << " at station " << t.station << " (depth "
          << sci(t.depth) << ' ' << u.length << "): " << sci(t.per_tieback) << ' ' << u.force
          << " per tieback, " << sci(t.horizontal_per_station) << ' ' << u.force
          << " horizontal per station\n";
  }
  // The engine's progress lines matter only when a run did not finish.
  if (r.status == FileStatus::InputError) {
    for (const auto& l : console_lines(r.console)) out << "  console: " << l << '\n';
    out << "  input error: " << r.message << '\n';
  }
}

void print_json(std::ostream& out, const FileReport& r) {
  out << "{\"file\":" << json_string(r.data_file) << ",\"status\":\"" << status_name(r.status)
      << "\",\"message\":" << json_string(r.message) << ",\"report\":"
      << json_string(r.report_file) << ",\"plot\":" << json_string(r.plot_file)
      << ",\"monitor\":" << json_string(r.monitor_file) << ",\"console\":[";
  const auto lines = console_lines(r.console);
  for (std::size_t i = 0; i < lines.size(); ++i) out << (i ? "," : "") << json_string(lines[i]);
  out << "],\"problems\":[";
  for (std::size_t i = 0; i < r.summary.problems.size(); ++i) {
    const ProblemSummary& p = r.summary.problems[i];
    out << (i ? "," : "") << "{\"heading\":" << json_string(p.heading)
        << ",\"solved\":" << (p.solved ? "true" : "false") << ",\"passes\":" << p.passes
        << ",\"closed\":" << (p.closed ? "true" : "false") << ",\"unit_system\":"
        << p.unit_system << ",\"conditions\":[";
    for (std::size_t k = 0; k < p.conditions.size(); ++k)
      out << (k ? "," : "") << json_string(p.conditions[k]);
    out << "],\"warnings\":[";
    for (std::size_t k = 0; k < p.warnings.size(); ++k)
      out << (k ? "," : "") << json_string(p.warnings[k]);
    out << "],";
    json_extreme(out, "max_deflection", p.deflection);
    out << ',';
    json_extreme(out, "max_moment", p.moment);
    out << ',';
    json_extreme(out, "max_shear", p.shear);
    out << ",\"tiebacks\":[";
    for (std::size_t k = 0; k < p.tiebacks.size(); ++k) {
      const auto& t = p.tiebacks[k];
      out << (k ? "," : "") << "{\"number\":" << t.number << ",\"station\":" << t.station
          << ",\"depth\":" << json_number(t.depth)
          << ",\"horizontal_per_station\":" << json_number(t.horizontal_per_station)
          << ",\"along_per_station\":" << json_number(t.along_per_station)
          << ",\"per_tieback\":" << json_number(t.per_tieback) << '}';
    }
    out << "]}";
  }
  out << "]}";
}

}  // namespace korvex::run
