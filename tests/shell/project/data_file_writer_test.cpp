// Writing the 2015 layout: record layout, conversions, normalisation and the
// codes derived from the options.
#include "korvex/project/data_file_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

using DataFileWriterTest = ProjectTest;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST_F(DataFileWriterTest, NewProjectSavedAtOnce) {
  EXPECT_EQ(WholeFileText(),
            "New Wall\n"
            "1 0\t1\t0\t2\t2 0 1 0 0\n"
            "0 0\t100\t0.00001\t0\t0\n"
            "0\t0\t1\t0\n"
            "0\n"
            "0\n"
            "0\t0\t0\t0\t0\t1\t1\t0\n"
            "0\t0\t0\t0\t0\t0\n"
            "0\n"
            "1\n"
            "1 0 \n"
            "0 0 0.0  0 0 0 \n"
            "0 0 0.0  0 0 0 \n"
            "0\n");
  EXPECT_TRUE(project.HasTiebackCount && project.HasMEICount && project.IsVersion3);
}

TEST_F(DataFileWriterTest, LongTermPairWritesKep3Then2AndItsOwnTables) {
  project.LongTermAnalysis = true;
  project.EarthPressureOption = 3;
  TGridTable& soil = tables().NewSoil();
  soil.Cell(kLayerTypeColumn, 0).SetInteger(4);  // sand
  soil.Cell(kLayerDepthColumn, 0).SetReal(20);
  TGridTable* sand = soil.Cell(kLayerParametersColumn, 0).GetSubTable();
  for (int r = 0; r < 2; ++r) {
    sand->Cell(0, r).SetReal(115.2);
    sand->Cell(1, r).SetReal(32);
    sand->Cell(2, r).SetReal(90);
    sand->Cell(3, r).SetReal(0.4);
  }
  tables().LongSoil().Cell(kLayerDepthColumn, 0).SetReal(30);
  tables().LongSoil().Cell(kLayerParametersColumn, 0).GetSubTable()->Cell(4, 0).SetReal(0.5);

  const auto lines = Lines(WholeFileText());
  ASSERT_EQ(lines.size(), 28u);
  EXPECT_EQ(lines[1], "1 0\t1\t0\t3\t2 0 1 0 0");
  EXPECT_EQ(lines[10], "4 240 ");
  // Sand: cohesion and E50 places empty, the coefficient kept.
  EXPECT_EQ(lines[11], "0.066666667 0.0  32 0.0  90 0.4 ");
  EXPECT_EQ(lines[13], "9");
  EXPECT_EQ(lines[14], "New Wall");
  EXPECT_EQ(lines[15], "1 0\t1\t0\t2\t2 0 1 0 0");
  EXPECT_EQ(lines[24], "1 360 ");
  // The long-term problem never writes the optional coefficient.
  EXPECT_EQ(lines[25], "0 0 0.0  0 0 0.0  ");
  EXPECT_EQ(lines[27], "0");
}

TEST_F(DataFileWriterTest, TiebackRowsHaveSevenValuesAndTheAreaInSquareMetresInSI) {
  project.SetUnitSystem(2);
  project.ApplyTiebacks = true;
  TGridTable& tie = tables().TiebackTable1();
  tie.SetRowCount(1);
  const double row[] = {1.5, 560, 2e8, 8, 15, 2.4, 250};
  for (int c = 0; c < 7; ++c) tie.Cell(c, 0).SetReal(row[c]);
  const auto lines = Lines(WholeFileText());
  EXPECT_EQ(lines[1], "2 0\t1\t0\t2\t2 0 1 0 1");
  EXPECT_EQ(lines[6], "1.5\t0.00056\t2E8\t8\t15\t2.4\t250");
}

TEST_F(DataFileWriterTest, EnglishTablesAreWrittenInInchesAndPounds) {
  project.UserEarthPressure = true;
  project.GeneratePYCurves = false;
  project.ApplyPYModification = true;
  tables().PYMod().Cell(0, 1).SetReal(10);  // ft
  tables().PYMod().Cell(1, 1).SetReal(0.5);
  tables().DistLoad().Cell(0, 1).SetReal(12);   // ft
  tables().DistLoad().Cell(1, 1).SetReal(120);  // lb/ft
  const auto lines = Lines(WholeFileText());
  EXPECT_EQ(lines[1], "1 0\t1\t2\t1\t0 0 1 0 0");
  EXPECT_EQ(lines[6], "0\t1\t1");
  EXPECT_EQ(lines[7], "120\t0.5\t1");
  EXPECT_EQ(lines[8], "2");
  EXPECT_EQ(lines[10], "144\t10");
  EXPECT_EQ(lines[11], "0");
  EXPECT_EQ(lines.size(), 12u);
}

TEST_F(DataFileWriterTest, ClayUnitWeightAndCohesionInPerCubicAndSquareInch) {
  TGridTable* clay = tables().NewSoil().Cell(kLayerParametersColumn, 0).GetSubTable();
  clay->Cell(0, 0).SetReal(120);   // lb/ft^3
  clay->Cell(1, 0).SetReal(1000);  // lb/ft^2
  clay->Cell(2, 0).SetReal(0.007);
  clay->Cell(3, 0).SetReal(500);
  const auto lines = Lines(WholeFileText());
  EXPECT_EQ(lines[11], "0.069444444 6.9444444 0.0  0.007 500 0 ");
}

TEST_F(DataFileWriterTest, OptionsThatAreOffEmptyTheirTablesAndTheLastModeIsOne) {
  tables().BoundCond().SetRowCount(3);
  tables().SoilStrength().SetRowCount(2);
  project.ApplyLateralSprings = true;
  TGridTable& stiffness = tables().PileSect();
  stiffness.SetRowCount(2);
  stiffness.Cell(2, 0).SetInteger(2);
  stiffness.Cell(2, 1).SetInteger(2);
  tables().MEICurves2().SetRowCount(1);  // option off: omitted, kept
  const auto lines = Lines(WholeFileText());
  EXPECT_EQ(tables().BoundCond().RowCount(), 0);
  EXPECT_EQ(tables().SoilStrength().RowCount(), 2);
  EXPECT_EQ(tables().MEICurves2().RowCount(), 1);
  EXPECT_EQ(stiffness.Cell(2, 0).GetInteger(), 2);
  EXPECT_EQ(stiffness.Cell(2, 1).GetInteger(), 1);
  EXPECT_EQ(lines[1], "1 0\t2\t0\t2\t2 0 1 0 0");
  EXPECT_EQ(lines[3], "0\t0\t2\t0");
  EXPECT_EQ(lines[4], "0\t0\t1\t0");
  EXPECT_EQ(lines[5], "0");  // NCL
  EXPECT_EQ(lines[6], "2");  // NSPR, rows with the nodes first
  EXPECT_EQ(lines[7], "0\t0\t1\t0\t0");
}

TEST_F(DataFileWriterTest, StageFilesStartWithTheirStageLineAndEndWithTheirNumber) {
  project.StageCount = 3;
  for (int k : {1, 2, 3}) {
    project.CurrentStage = k;
    std::ostringstream out;
    WriteStageFile(out, project);
    const auto lines = Lines(out.str());
    EXPECT_EQ(lines.front(), k == 1 ? "New Wall" : " Stage No : " + std::to_string(k));
    EXPECT_EQ(lines[1], "1 0\t1\t0\t2\t2 0 3 0 0");
    EXPECT_EQ(lines.back(), std::to_string(k));
  }
}

struct CodeCase {
  bool user, generate, from_file, external;
  int option;
  bool long_term;
  int kep, kpy;
};

class ProblemCodesTest : public ProjectTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(ProblemCodesTest, FollowTheOptions) {
  const CodeCase& c = GetParam();
  project.UserEarthPressure = c.user;
  project.GeneratePYCurves = c.generate;
  project.EarthPressureFromFile = c.from_file;
  project.ApplyExternalPYCurves = c.external;
  project.EarthPressureOption = c.option;
  const ProblemCodes codes = DeriveProblemCodes(project, c.long_term);
  EXPECT_EQ(codes.kep, c.kep);
  EXPECT_EQ(codes.kpy, c.kpy);
  if (c.user) {
    EXPECT_FALSE(project.EarthPressureFromFile);
  }
}

INSTANTIATE_TEST_SUITE_P(Options, ProblemCodesTest,
                         ::testing::Values(CodeCase{true, true, true, false, 3, false, 1, 2},
                                           CodeCase{false, true, false, false, 3, false, 3, 2},
                                           CodeCase{false, true, false, false, 3, true, 2, 2},
                                           CodeCase{false, false, true, true, 2, false, 2, 1},
                                           CodeCase{false, false, false, true, 3, false, 0, 1},
                                           CodeCase{false, false, false, false, 2, false, 0, 0}));

}  // namespace
}  // namespace korvex::project::testing
