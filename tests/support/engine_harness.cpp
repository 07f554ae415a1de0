#include "engine_harness.h"

#include <atomic>
#include <cstdlib>
#include <unistd.h>
#include <fstream>
#include <sstream>

#include "korvex/engine/run_sequence.h"

namespace korvex::test {
namespace fs = std::filesystem;

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_file(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out << text;
}

fs::path fresh_folder(const std::string& hint) {
  static std::atomic<int> counter{0};
  const fs::path p = fs::temp_directory_path() / ("korvex-test-" + std::to_string(::getpid()) +
                                                  "-" + hint + "-" + std::to_string(counter++));
  fs::remove_all(p);
  fs::create_directories(p);
  return p;
}

EngineOutput run_engine_on(const std::string& data_text, const std::string& name) {
  EngineOutput out;
  out.folder = fresh_folder(name);
  write_file(out.folder / (name + ".kv5d"), data_text);
  write_file(out.folder / "names.dat", "2015.5.15\nTest User\nKorvex, Test\n0\n" + name +
                                           ".kv5d\n" + name + ".kv5o\n" + name + ".kv5p\n" +
                                           name + ".kv5r\n");
  std::ostringstream console;
  engine::RunEnvironment env;
  env.work_dir = out.folder;
  env.console = &console;
  env.now = [] {
    std::tm t{};
    t.tm_year = 2015 - 1900;
    t.tm_mon = 4;
    t.tm_mday = 15;
    t.tm_hour = 9;
    t.tm_min = 30;
    t.tm_sec = 5;
    return t;
  };
  out.result = engine::run_engine(15, env);
  out.report = read_file(out.folder / (name + ".kv5o"));
  out.plot = read_file(out.folder / (name + ".kv5p"));
  out.monitor = read_file(out.folder / (name + ".kv5r"));
  out.console = console.str();
  if (!std::getenv("KORVEX_KEEP_TEST_FILES")) fs::remove_all(out.folder);
  return out;
}

std::vector<ReportRow> report_rows(const std::string& report, int table) {
  std::istringstream in(report);
  std::string line;
  int seen = -1;
  bool inside = false;
  std::vector<ReportRow> rows;
  while (std::getline(in, line)) {
    if (line.rfind("   ------    ----        ----", 0) == 0) {
      ++seen;
      inside = seen == table;
      continue;
    }
    if (!inside) continue;
    if (line.empty()) break;
    std::istringstream ls(line);
    ReportRow r{};
    if (!(ls >> r.station >> r.depth >> r.deflection >> r.slope >> r.moment >> r.shear >>
          r.reaction >> r.ei))
      break;
    rows.push_back(r);
  }
  return rows;
}

std::vector<ProfileRow> last_profile(const std::string& plot) {
  // The last block is at the end: find the last header whose row count
  // matches the lines that follow it.
  std::vector<std::string> lines;
  std::istringstream in(plot);
  for (std::string l; std::getline(in, l);) lines.push_back(l);
  for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i) {
    std::istringstream hs(lines[i]);
    int ncases = 0, nrows = 0, units = 0;
    std::string extra;
    if (!(hs >> ncases >> nrows >> units) || (hs >> extra)) continue;
    if (i + 1 + nrows != static_cast<int>(lines.size())) continue;
    std::vector<ProfileRow> rows;
    for (int k = 0; k < nrows; ++k) {
      std::istringstream ls(lines[i + 1 + k]);
      ProfileRow r{};
      ls >> r.depth >> r.deflection >> r.moment >> r.shear >> r.reaction;
      rows.push_back(r);
    }
    return rows;
  }
  return {};
}

}  // namespace korvex::test
