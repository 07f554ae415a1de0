#include "korvex/engine/run_sequence.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "korvex/engine/iteration.h"
#include "korvex/engine/names_file.h"
#include "korvex/engine/problem_reader.h"
#include "korvex/engine/result_files.h"
#include "korvex/engine/run_state.h"

namespace korvex::engine {
namespace {

std::tm system_now() {
  const std::time_t t = std::time(nullptr);
  std::tm out{};
#if defined(_WIN32)
  localtime_s(&out, &t);
#else
  localtime_r(&t, &out);
#endif
  return out;
}

std::filesystem::path resolve(const std::filesystem::path& dir, const std::string& name) {
  const std::filesystem::path p(name);
  return p.is_absolute() ? p : dir / p;
}

// Heading kind of the current problem: stage, long term or first case.
int heading_kind(const RunState& s) {
  if (s.control.StageCount >= 2) return 2;
  return s.NPROB == 1 ? 0 : 1;
}

const std::string& heading_title(const RunState& s) {
  return heading_kind(s) == 0 ? s.TITLE : s.TITLE1;
}

void solve_problem(RunState& s, RunContext& ctx) {
  s.st.Y.fill(0.0);
  s.ymei.fill(0.0);
  ctx.report.problem_heading(heading_kind(s), s.NPROB, heading_title(s));
  write_monitor_heading(ctx.monitor);

  IterationInput in;
  in.max_deflection = s.max_deflection;
  in.tolerance = s.tolerance;
  in.curves = s.curves.data();
  in.curve_count = s.curve_count;
  in.mei = s.mei.data();
  in.mei_count = s.mei_count;
  s.outcome = iterate(s.st, s.geo, in, s.ymei,
                      [&](const PassRecord& r) { write_monitor_line(ctx.monitor, r); });
  if (s.outcome.stations_not_in_order)
    throw RunStop(StopKind::InputError, "ERROR STOP -- STATIONS NOT IN ORDER");

  compute_results(s.st, s.geo, s.couples.data(), s.couple_count, s.results);
  ctx.report.results_heading(s.outcome);
  ctx.report.results_columns(s.labels);
  for (int j = 0; j <= s.geo.N; ++j) {
    const int J = j + 4;
    ctx.report.result_row(j, s.geo.h * j, s.st.Y[J], s.results.slope[J], s.results.moment[J],
                          s.results.shear[J], s.results.reaction[J], s.st.F[J]);
  }
  if (s.tieback_count > 0) {
    ctx.report.tieback_heading(s.labels);
    for (int t = 0; t < s.tieback_count; ++t)
      ctx.report.tieback_row(t + 1, s.tiebacks[t].station,
                             tieback_forces(s.tiebacks[t], s.st, s.control.unit_system,
                                            s.active_width));
  }
  s.profile_rows = s.geo.N + 2;
  for (int j = 0; j <= s.geo.N + 1; ++j) {
    const int J = j + 4;
    s.profile[j] = {s.geo.h * j, s.st.Y[J], s.results.moment[J], s.results.shear[J],
                    s.results.reaction[J]};
  }
}

// Reads and solves problems until a terminator ends the run. Input errors
// propagate as RunStop.
void problem_loop(RunState& s, RunContext& ctx, const FileNames& names,
                  const std::function<std::tm()>& now) {
  for (;;) {
    s.NextCaseCode = 0;
    std::string title = ctx.data.read_line("RECORD 1 (TITLE)");
    if (title.size() > 70) title.resize(70);
    title.resize(80, ' ');
    s.TITLE = title;
    ++s.NPROB;
    if (s.NPROB == 1) s.TITLE1 = s.TITLE;

    read_control_record(s, ctx.data);
    if (s.NPROB >= 2) ctx.report.empty(2);
    ctx.report.program_banner(names.version);
    ctx.report.file_names(names);
    ctx.report.date_and_time(now());
    ctx.report.problem_heading(heading_kind(s), s.NPROB, heading_title(s));
    s.labels = UnitLabels::for_code(UnitLabels::code_of_system(s.control.unit_system));

    read_problem(s, ctx);
    solve_problem(s, ctx);

    int next = 0;
    ctx.data.read("RECORD 17 (NEXT CASE CODE)", next);
    if (next == s.control.StageCount) next = 0;
    s.NextCaseCode = next;
    if (next == 0) return;
    s.NCASES = next == 9 ? 2 : s.control.StageCount;
    write_result_block(ctx.plot, s.NCASES, s.profile.data(), s.profile_rows,
                       s.control.unit_system);
  }
}

}  // namespace

int run_engine(int interface_code, const RunEnvironment& env) {
  if (interface_code != kInterfaceCode) return 1;
  std::ostream& console = env.console ? *env.console : std::cout;
  const auto now = env.now ? env.now : std::function<std::tm()>(system_now);

  std::optional<FileNames> names;
  {
    std::ifstream in(env.work_dir / "names.dat");
    if (in) names = read_names_file(in);
  }
  if (!names) {
    console << " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n"
            << " BEFORE COMPUTATION.  TRY IT AGAIN!\n";
    return 0;
  }

  std::ifstream data(resolve(env.work_dir, names->data));
  std::ofstream report_file(resolve(env.work_dir, names->report), std::ios::trunc);
  std::ofstream plot(resolve(env.work_dir, names->plot), std::ios::trunc);
  std::ofstream monitor(resolve(env.work_dir, names->result), std::ios::trunc);
  if (!report_file || !plot || !monitor) {
    console << " THE RESULT FILES CANNOT BE WRITTEN:\n " << names->report << "\n";
    return 0;
  }

  auto state = std::make_unique<RunState>();
  ListReader reader(data);
  ReportWriter report(report_file);
  RunContext ctx{reader, report, report_file, plot, monitor, console, env.work_dir};

  if (!data) {
    report.error("ERROR -- CANNOT OPEN THE INPUT DATA FILE " + names->data);
  } else {
    try {
      problem_loop(*state, ctx, *names, now);
    } catch (const RunStop& stop) {
      if (stop.kind() == StopKind::SoilStop) {
        // The soil stage has written its messages; the run ends here.
        console << ' ' << stop.what() << '\n';
        return 0;
      }
      report.error(stop.what());
    }
  }
  report.end_of_analysis();
  write_result_block(plot, state->NCASES, state->profile.data(), state->profile_rows,
                     state->control.unit_system);
  return 0;
}

}  // namespace korvex::engine
