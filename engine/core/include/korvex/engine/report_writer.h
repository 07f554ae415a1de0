#pragma once
// The report (".kv5o"): one writer per section, in the order of a run.
#include <ctime>
#include <ostream>
#include <string>
#include <string_view>

#include "korvex/engine/iteration.h"
#include "korvex/engine/problem_model.h"
#include "korvex/engine/unit_labels.h"

namespace korvex::engine {

struct FileNames;

class ReportWriter {
 public:
  explicit ReportWriter(std::ostream& out) : out_(out) {}

  void line(std::string_view text);
  void empty(int count = 1);
  // Two empty lines and the 50-column box around `title`.
  void boxed_banner(std::string_view title, bool empty_after);

  void program_banner(std::string_view version12);
  void file_names(const FileNames& names);
  void date_and_time(const std::tm& when);
  // `title` is the 80-column title; kind: 0 single or first case, 1 long
  // term, 2 stage `number`.
  void problem_heading(int kind, int number, std::string_view title);

  struct Control {
    int nbc, nsect, kep, kpy, npymod, npyset;
  };
  void control_parameters(const Control& c);
  void geometry(int nodes, double h, double free_height, double max_deflection, double tolerance,
                const UnitLabels& u);

  void conditions_banner();
  void condition_row(int station, int kase, double deflection, double slope);
  void no_rows();  // an empty line and a line of 20 blanks

  void stiffness_banner(const UnitLabels& u);
  // One row of the stiffness, load or spring table, by its switch K.
  void table_row(int k, int from, int to, int contd, const double (&values)[6]);

  void specified_pressure_banner();
  void pressure_table_header(const UnitLabels& u);
  void pressure_row(double depth, double load);

  void py_banner();
  void py_curve_row(int k, int node, int flag, double p_mult, double y_mult, int points,
                    const UnitLabels& u);
  void py_point(double y, double p);

  void results_heading(const IterationOutcome& r);
  void results_columns(const UnitLabels& u);
  void result_row(int station, double depth, double deflection, double slope, double moment,
                  double shear, double reaction, double ei);

  void tieback_heading(const UnitLabels& u);
  void tieback_row(int number, int station, const TiebackForces& f);

  // Two empty lines and the message indented five columns.
  void error(std::string_view message);
  void end_of_analysis();

 private:
  std::ostream& out_;
};

}  // namespace korvex::engine
