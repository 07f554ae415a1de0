#include "korvex/engine/report_writer.h"

#include "korvex/engine/fixed_format.h"
#include "korvex/engine/names_file.h"

namespace korvex::engine {

using namespace fmt;

namespace {

const char* const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

std::string trim_right(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

}  // namespace

void ReportWriter::line(std::string_view text) {
  out_.write(text.data(), static_cast<std::streamsize>(text.size()));
  out_.put('\n');
}

void ReportWriter::empty(int count) {
  for (int i = 0; i < count; ++i) out_.put('\n');
}

void ReportWriter::boxed_banner(std::string_view title, bool empty_after) {
  const std::string stars(50, '*');
  empty(2);
  line(X(6) + stars);
  line(X(6) + std::string(title));
  line(X(6) + stars);
  if (empty_after) empty();
}

void ReportWriter::program_banner(std::string_view version12) {
  const std::string rule = X(5) + std::string(73, '=');
  line(rule);
  empty();
  line(X(20) + "  KORVEX for Windows, Version " + A(12, version12));
  empty();
  line(X(20) + "   A Program for the Analysis of ");
  line(X(20) + "   Flexible Retaining Walls ");
  empty();
  line(rule);
  empty();
  empty();
}

void ReportWriter::file_names(const FileNames& names) {
  const PathParts data = split_path(names.data);
  line(X(5) + "Path to file locations      : " + trim_right(data.drive_and_folder));
  line(X(5) + "Name of input data file     : " + trim_right(data.name_and_extension));
  line(X(5) + "Name of output file         : " +
       trim_right(split_path(names.report).name_and_extension));
  line(X(5) + "Name of plot output file    : " +
       trim_right(split_path(names.plot).name_and_extension));
  empty();
}

void ReportWriter::date_and_time(const std::tm& when) {
  const std::string rule = X(5) + std::string(73, '-');
  line(rule);
  line(X(26) + "Time and Date of Analysis");
  line(rule);
  empty();
  const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
  line(X(15) + "Date:  " + kMonths[month] + " " + I(2, 2, when.tm_mday) + ", " +
       I(4, when.tm_year + 1900) + X(5) + "Time:  " + I(2, 2, when.tm_hour) + ":" +
       I(2, 2, when.tm_min) + ":" + I(2, 2, when.tm_sec));
}

void ReportWriter::problem_heading(int kind, int number, std::string_view title) {
  empty();
  if (kind == 2)
    line(X(6) + "Stage No :" + I(2, number) + X(2) + A(70, title));
  else if (kind == 1)
    line(X(6) + "Long Term :" + X(2) + A(70, title));
  else
    line(X(6) + A(70, title));
}

void ReportWriter::control_parameters(const Control& c) {
  boxed_banner("*        PROGRAM CONTROL PARAMETERS              *", true);
  line(X(6) + "NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = " + I(2, c.nbc));
  line(X(6) + "NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = " + I(2, c.nsect));
  line(X(6) + "GENERATE EARTH PRESSURE INTERNALLY                 = " + I(2, c.kep > 1 ? 1 : 0));
  line(X(6) + "GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = " + I(2, c.kpy == 2 ? 1 : 0));
  line(X(6) + "NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = " + I(2, c.npymod));
  line(X(6) + "NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = " + I(2, c.npyset));
}

void ReportWriter::geometry(int nodes, double h, double free_height, double max_deflection,
                            double tolerance, const UnitLabels& u) {
  line(X(6) + "NUMBER OF INCREMENTS                               = " + I(3, nodes));
  line(X(6) + "INCREMENT LENGTH                                   = " + F(9, 3, h) + u.L3);
  line(X(6) + "FREE HEIGHT OF WALL                                = " + F(9, 3, free_height) +
       u.L3);
  line(X(6) + "MAXIMUM ALLOWABLE DEFLECTION                       = " + F(9, 3, max_deflection) +
       u.L3);
  line(X(6) + "DEFLECTION CLOSURE TOLERANCE                       = " + ES(9, 3, tolerance) +
       u.L3);
}

void ReportWriter::conditions_banner() {
  boxed_banner("*        SPECIFIED DEFLECTIONS AND SLOPES        *", true);
  line(X(5) + "     STA      CASE       DEFLECTION        SLOPE");
  empty();
}

void ReportWriter::condition_row(int station, int kase, double deflection, double slope) {
  std::string row = X(10) + I(3, station) + X(7) + I(2, kase);
  if (kase <= 1)
    row += X(8) + E(10, 3, deflection) + X(9) + "NONE";
  else if (kase == 2)
    row += X(11) + "NONE" + X(8) + E(10, 3, slope);
  else
    row += X(3) + X(5) + E(10, 3, deflection) + X(5) + E(10, 3, slope);
  line(row);
}

void ReportWriter::no_rows() {
  empty();
  line(X(20));
}

void ReportWriter::stiffness_banner(const UnitLabels& u) {
  boxed_banner("*        STIFFNESS AND LOAD DATA                 *", false);
  line(X(6) + "EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,");
  line(X(6) + "S - STIFFNESS OF TRANSVERSE RESISTANCE,");
  line(X(6) + "T - TORQUE,              P - AXIAL LOAD,");
  line(X(6) + "R - STIFFNESS OF TORSIONAL RESISTANCE.");
  empty();
  line("     FROM TO CONTD     EI         Q        S'        T         R         P");
  empty();
  line(X(18) + u.F4 + "-" + u.L2 + "**" + "2" + X(4) + u.F4 + X(4) + u.F4 + "/" + u.L2 + X(3) +
       u.L3 + "-" + u.F3 + X(2) + u.L3 + "-" + u.F3 + X(4) + u.F4);
}

void ReportWriter::table_row(int k, int from, int to, int contd, const double (&values)[6]) {
  std::string row;
  if (k == 2)
    row = X(5) + I(4, from) + X(4) + I(3, contd) + X(1);
  else if (k >= 3)
    row = X(9) + I(4, to) + I(3, contd) + X(1);
  else
    row = X(5) + I(4, from) + I(4, to) + I(3, contd) + X(1);
  for (double v : values) row += E(10, 3, v);
  line(row);
}

void ReportWriter::specified_pressure_banner() {
  boxed_banner("*        SPECIFIED ACTIVE EARTH PRESSURE         *", true);
}

void ReportWriter::pressure_table_header(const UnitLabels& u) {
  empty(2);
  line(X(8) + " DEPTH         ACTIVE EARTH PRESSURE");
  line(X(8) + X(1) + u.L3 + X(17) + u.F4 + "/" + u.L2);
  line(X(8) + "--------       ------------------------");
}

void ReportWriter::pressure_row(double depth, double load) {
  line(X(6) + E(10, 3, depth) + X(10) + E(10, 3, load));
}

void ReportWriter::py_banner() {
  boxed_banner("*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *", true);
}

void ReportWriter::py_curve_row(int k, int node, int flag, double p_mult, double y_mult,
                                int points, const UnitLabels& u) {
  empty();
  line("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
  empty();
  empty();
  const std::string mult = E(14, 3, p_mult) + E(14, 3, y_mult);
  if (k == 2)
    line(X(5) + I(4, node) + X(4) + I(3, flag) + X(5) + mult + X(10) + I(3, points));
  else if (k >= 3)
    line(X(9) + I(4, node) + I(3, flag) + X(5) + mult + X(10) + I(3, points));
  else
    line(X(5) + I(4, node) + I(4, node) + I(3, flag) + X(5) + mult + X(8) + I(4, points));
  empty(2);
  line(X(18) + "    Y    " + X(12) + "   P    ");
  line(X(18) + X(2) + u.L3 + X(16) + u.F4 + "/" + u.L2);
  line(X(18) + "---------" + X(12) + "--------");
}

void ReportWriter::py_point(double y, double p) { line(X(17) + E(10, 3, y) + X(10) + E(10, 3, p)); }

void ReportWriter::results_heading(const IterationOutcome& r) {
  empty(2);
  line("     RESULTS -- ITERATION" + I(3, r.passes));
  line("     --------------------");
  if (r.off_curve) {
    empty();
    line("     ***** DEFLECTION OFF Q - W CURVES *****");
  }
  if (r.over_limit > 0) {
    empty();
    line("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***" + I(4, r.over_limit) +
         "  *** STATIONS *****");
  }
  if (r.not_closed > 0) {
    empty();
    line("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
  }
}

void ReportWriter::results_columns(const UnitLabels& u) {
  empty();
  line(std::string("   STA I      X         DEFL.       SLOPE") +
       "      MOMENT      SHEAR    NET REACT/STA    EI ");
  line(X(12) + u.L3 + X(9) + u.L3 + X(19) + u.F3 + "-" + u.L2 + X(7) + u.F4 + X(8) + u.F4 + X(7) +
       u.F3 + "-" + u.L2 + "**" + "2");
  line(std::string("   ------    ----        ----       -----") +
       "      ------      ------    ---------    ----------");
}

void ReportWriter::result_row(int station, double depth, double deflection, double slope,
                              double moment, double shear, double reaction, double ei) {
  line(X(2) + I(4, station) + X(2) + E(10, 3, depth) + E(12, 3, deflection) + E(12, 3, slope) +
       E(12, 3, moment) + E(12, 3, shear) + E(12, 3, reaction) + E(12, 3, ei));
}

void ReportWriter::tieback_heading(const UnitLabels& u) {
  empty(2);
  line("     TIE BACK RESULTS");
  line("     ----------------");
  empty();
  line(std::string("     N     STA         X       ") +
       " HOR.FORCE/STA.     FORCE/STA.     FORCE/TIE BACK");
  line(X(21) + u.L3 + X(12) + u.F3 + X(15) + u.F3 + X(15) + u.F3);
  line(std::string("   -----  -----    --------    ") +
       " --------------   --------------   --------------");
}

void ReportWriter::tieback_row(int number, int station, const TiebackForces& f) {
  line(X(1) + I(5, number) + X(2) + I(5, station) + X(2) + E(12, 3, f.depth) + X(2) +
       E(15, 4, f.horizontal) + X(2) + E(15, 4, f.along) + X(2) + E(15, 4, f.per_tieback));
}

void ReportWriter::error(std::string_view message) {
  empty(2);
  line(X(5) + std::string(message));
  if (message == "TOO MUCH DATA FOR AVAILABLE STORAGE") empty(2);
}

void ReportWriter::end_of_analysis() {
  empty(3);
  line("     END OF ANALYSIS" + X(29));
}

}  // namespace korvex::engine
