// The shipped definition file of the project's tables.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "korvex/tables/definition_file.h"
#include "korvex/tables/enum_column.h"
#include "korvex/tables/float_column.h"
#include "korvex/tables/grid_table_chart.h"
#include "korvex/tables/table_column.h"
#include "korvex/tables/table_registry.h"

namespace korvex::tables {
namespace {

std::string ShippedText() {
  std::ifstream in(KORVEX_TABLE_DEFINITIONS);
  if (!in) throw std::runtime_error("cannot open " KORVEX_TABLE_DEFINITIONS);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

struct Project {
  TableRegistry plain;
  TableRegistry chart;
  TableSet set;
  explicit Project(const std::string& text)
      : set(ReadDefinitions(text, StandardTableClasses(plain, chart))) {}
  TGridTable& operator[](std::string_view name) const {
    TGridTable* t = set.Find(name);
    if (t == nullptr) throw std::runtime_error("missing table " + std::string(name));
    return *t;
  }
  // A new project: every table emptied and given its minimum rows.
  void NewProject() const {
    for (int i = 0; i < set.Count(); ++i) {
      set.At(i).SetRowCount(0);
      set.At(i).SetRowCount(set.At(i).MinRows());
      set.At(i).ResetChanged();
    }
  }
};

std::string Written(const TableSet& set) {
  std::ostringstream out;
  WriteDefinitions(out, set);
  return out.str();
}

struct TableCase {
  const char* name;
  int identifier;
  const char* caption;
  int min_rows;
  int max_rows;
  const char* kinds;               // type code per column
  std::vector<const char*> units;  // units code per real column, in order
  bool chart;
};

class ProjectTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(ProjectTable, MatchesTheProjectModel) {
  static const Project project(ShippedText());
  const TableCase& c = GetParam();
  const TGridTable& t = project[c.name];
  EXPECT_EQ(t.Identifier(), c.identifier);
  EXPECT_EQ(t.Caption(), c.caption);
  EXPECT_EQ(t.MinRows(), c.min_rows);
  EXPECT_EQ(t.MaxRows(), c.max_rows);
  EXPECT_EQ(t.RowGroup(), 1);
  EXPECT_EQ(dynamic_cast<const TGridTableChart*>(&t) != nullptr, c.chart);
  std::string kinds;
  std::vector<std::string> units;
  for (int i = 0; i < t.ColumnCount(); ++i) {
    kinds += static_cast<char>('0' + t.Column(i).TypeCode());
    if (const auto* f = dynamic_cast<const TFloatColumn*>(&t.Column(i))) {
      units.push_back(f->UnitsCode());
    }
  }
  EXPECT_EQ(kinds, c.kinds);
  EXPECT_EQ(units, std::vector<std::string>(c.units.begin(), c.units.end()));
}

INSTANTIATE_TEST_SUITE_P(
    PartOfTheModel, ProjectTable,
    ::testing::Values(
        TableCase{"PileSect", 15, "Wall Stiffness", 1, 10, "1102", {"F-L^2"}, false},
        TableCase{"Soillayer",
                  0,
                  "Specify Deflection and Slope on Wall",
                  1,
                  10,
                  "0122",
                  {"L", ""},
                  false},
        TableCase{"BoundCond",
                  123,
                  "Concentrated Loads on Wall",
                  1,
                  20,
                  "011222",
                  {"F", "F-L", "F"},
                  false},
        TableCase{"SoilStrength",
                  4,
                  "Lateral Spring and Rotation Spring",
                  1,
                  20,
                  "01122",
                  {"F/L", "F-L/RAD."},
                  false},
        TableCase{"TiebackTable1",
                  77,
                  "Tieback (ground anchor) Table",
                  1,
                  20,
                  "2222222",
                  {"L2", "L1^2", "F/L^2", "L2", "DEG.", "L2", "F"},
                  false},
        TableCase{"PYMod", 16, "p-y Modification Factors", 2, 30, "222", {"L2", "", ""}, false},
        TableCase{"DistLoad", 22, "Distributed Loads", 2, 100, "22", {"L2", "F/L2"}, false},
        TableCase{
            "LongDist", 104, "Distributed Load (Long-Term)", 1, 0, "22", {"L2", "F/L2"}, false},
        TableCase{"SurchargeTable",
                  23,
                  "Surcharge Loads",
                  1,
                  20,
                  "0222",
                  {"SEE NOTES", "L1", "L1"},
                  false},
        TableCase{"NewSoil", 19, "Soil Layers", 1, 10, "023", {"L2"}, false},
        TableCase{"LongSoil", 44, "Soil Layers (Long-Term)", 1, 10, "023", {"L2"}, false},
        TableCase{
            "TblClay1", 18, "Clay", 2, 2, "22222", {"F/L2^3", "F/L2^2", "", "F/L^3", ""}, false},
        TableCase{"TblSand1", 17, "Sand", 2, 2, "2222", {"F/L2^3", "DEG.", "F/L^3", ""}, false},
        TableCase{"TblSilt1",
                  29,
                  "Silt",
                  2,
                  2,
                  "222222",
                  {"F/L2^3", "DEG.", "F/L2^2", "", "F/L^3", ""},
                  false},
        TableCase{"TblRock1", 30, "Strong Rock", 2, 2, "22", {"F/L2^3", "F/L^2"}, false},
        TableCase{"TblRock2",
                  31,
                  "Weak Rock",
                  2,
                  2,
                  "22222",
                  {"F/L2^3", "F/L^2", "", "F/L^2", ""},
                  false},
        TableCase{"PYCurves2", 37, "Sets of Ext. p-y Curves", 2, 30, "1322", {"", ""}, true},
        TableCase{"PYCurve2", 38, "External p-y Curve", 2, 17, "22", {"L", "F/L"}, true},
        TableCase{"MEICurves2", 36, "Nonlinear Moment vs EI Curves", 1, 20, "113", {}, true},
        TableCase{"Rows2", 0, "Moment and EI data", 1, 100, "22", {"F-L", "F-L^2"}, true}));

TEST(ProjectTables, RoundTripKeepsEveryTable) {
  const Project first(ShippedText());
  const std::string once = Written(first.set);
  const Project second(once);
  EXPECT_EQ(second.set.Count(), 20);
  EXPECT_EQ(Written(second.set), once);
  // The written form carries the markers of the current stream.
  EXPECT_NE(once.find("'FLOATCOLUMN2' 'F-L^2' 0.0"), std::string::npos);
  EXPECT_NE(once.find("'FLEXCOLUMN2' (18 18 18 17 29 30 31)"), std::string::npos);
  for (int i = 0; i < first.set.Count(); ++i) {
    const TGridTable& a = first.set.At(i);
    const TGridTable& b = second.set.At(i);
    EXPECT_EQ(a.Name(), b.Name());
    EXPECT_EQ(a.Identifier(), b.Identifier());
    EXPECT_EQ(a.Comments(), b.Comments());
    ASSERT_EQ(a.ColumnCount(), b.ColumnCount()) << a.Name();
    for (int c = 0; c < a.ColumnCount(); ++c) {
      EXPECT_EQ(a.Column(c).Captions(), b.Column(c).Captions()) << a.Name() << " " << c;
    }
  }
}

TEST(ProjectTables, NewProjectRows) {
  const Project p(ShippedText());
  p.NewProject();
  EXPECT_EQ(p["PileSect"].RowCount(), 1);
  EXPECT_EQ(p["PYMod"].RowCount(), 2);
  EXPECT_EQ(p["PYMod"].Cell(1, 0).GetText(), "1");  // p-multiplier default
  EXPECT_EQ(p["DistLoad"].RowCount(), 2);
  TGridTable& soil = p["NewSoil"];
  ASSERT_EQ(soil.RowCount(), 1);
  const TGridTable* clay = soil.Cell(2, 0).GetSubTable();
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->Caption(), "Clay");
  EXPECT_EQ(clay->RowCount(), 2);
  EXPECT_EQ(p["SurchargeTable"].Cell(0, 0).GetText(), "1");
  EXPECT_EQ(p["SurchargeTable"].Comments().substr(0, 30), "Load magnitude by load type: p");
}

TEST(ProjectTables, SoilTypeChangeOfLayerThree) {
  const Project p(ShippedText());
  p.NewProject();
  TGridTable& soil = p["NewSoil"];
  soil.SetRowCount(4);
  soil.Cell(2, 2).GetSubTable()->Cell(0, 0).SetReal(120);
  const std::vector<const char*> captions{"Clay", "Clay",        "Clay",     "Sand",
                                          "Silt", "Strong Rock", "Weak Rock"};
  for (int type = 1; type <= 7; ++type) {
    soil.Cell(0, 2).SetInteger(type == 1 ? 7 : type);  // always a real change
    soil.Cell(0, 2).SetInteger(type);
    const TGridTable* sub = soil.Cell(2, 2).GetSubTable();
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->Caption(), captions[static_cast<std::size_t>(type - 1)]);
    EXPECT_EQ(sub->RowCount(), 2);
    EXPECT_EQ(sub->Cell(0, 0).GetReal(), 0);  // fresh defaults
    EXPECT_EQ(sub->WindowCaption(), std::string(sub->Caption()) + " 3");
  }
  soil.DeleteGroup(1);
  EXPECT_EQ(soil.Cell(2, 1).GetSubTable()->Number(), 2);
  EXPECT_EQ(soil.Cell(2, 2).GetSubTable()->Number(), 3);
}

TEST(ProjectTables, CurveSetsUseTheirChartPrototypes) {
  const Project p(ShippedText());
  p.NewProject();
  TGridTable& sets = p["PYCurves2"];
  sets.SetRowCount(3);
  const auto* curve = dynamic_cast<const TGridTableChart*>(sets.Cell(1, 2).GetSubTable());
  ASSERT_NE(curve, nullptr);
  EXPECT_EQ(curve->WindowCaption(), "External p-y Curve 3");
  EXPECT_EQ(curve->RowCount(), 2);
  EXPECT_TRUE(curve->ShowChart);
  EXPECT_EQ(curve->TopLeft(), "Point");
  EXPECT_EQ(curve->Column(0).GetCaptionLine(0), "Lateral Deflection, y (*) (in)  ");

  TGridTable& mei = p["MEICurves2"];
  const TGridTable* points = mei.Cell(2, 0).GetSubTable();
  ASSERT_NE(points, nullptr);
  EXPECT_EQ(points->Caption(), "Moment and EI data");  // not the plain table with Identifier 0
  EXPECT_EQ(points->Column(1).GetCaptionLine(0), "Flexural rigidity (lbs-in^2)  ");
}

TEST(ProjectTables, TiebackAreaToSI) {
  const Project p(ShippedText());
  p.NewProject();
  TGridTable& ties = p["TiebackTable1"];
  ties.Cell(1, 0).SetReal(1);   // 1 in^2
  ties.Cell(0, 0).SetReal(10);  // 10 ft
  ties.SetUnits(2);
  EXPECT_NEAR(static_cast<double>(ties.Cell(1, 0).GetReal()), 25.4 * 25.4, 1e-6);
  EXPECT_NEAR(static_cast<double>(ties.Cell(0, 0).GetReal()), 3.048, 1e-9);
  EXPECT_EQ(ties.Column(1).GetCaptionLine(1), "of Steel Rod (mm^2)  ");
}

}  // namespace
}  // namespace korvex::tables
