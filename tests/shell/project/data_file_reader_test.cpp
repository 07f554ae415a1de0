// Reading data files: the 2015 rules, the older layouts and bad files.
#include "korvex/project/data_file_reader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "korvex/tables/table_error.h"
#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

using DataFileReaderTest = ProjectTest;

// A cantilever with one tieback row, user pressure and external curves off.
constexpr const char* kTieback =
    "Tied wall\n"
    "1 0\t1\t0\t2\t2 0 1 0 1\n"
    "40 6\t10\t0.00001\t120\t12\n"
    "0\t40\t1\t5.336E9\n"
    "0\n"
    "0\n"
    "%TIEBACK%\n"
    "120\t12\t12\t96\t120\t%FACTOR%\t1\t0\n"
    "0\t0\t0\t0\t0\t0\n"
    "0\n"
    "1\n"
    "%TYPE% 480 \n"
    "0.0625 0.0  34 0.0  90 0.0  \n"
    "0.0625 0.0  34 0.0  90 0.0  \n"
    "0\n";

std::string Fixture(std::string tieback = "8\t1.5\t29000000\t25\t15\t8\t40000",
                    std::string factor = "1", std::string type = "4") {
  std::string text = kTieback;
  for (auto [key, value] : {std::pair<std::string, std::string>{"%TIEBACK%", tieback},
                            {"%FACTOR%", factor},
                            {"%TYPE%", type}})
    text.replace(text.find(key), key.size(), value);
  return text;
}

bool Read(TProgramData& project, const std::string& text, ScriptedDialogs& dialogs,
          FileVersion version = FileVersion::k2015) {
  std::istringstream in(text);
  return ReadWholeFile(project, in, version, dialogs);
}

TEST_F(DataFileReaderTest, ReadsA2015FileIntoTablesInDisplayUnits) {
  ASSERT_TRUE(Read(project, Fixture(), dialogs));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(project.Title, "Tied wall");
  EXPECT_EQ(project.NodeCount, 40);
  EXPECT_EQ(project.ActiveWidth, 12);
  EXPECT_TRUE(project.ApplyTiebacks);
  EXPECT_TRUE(project.GeneratePYCurves);
  EXPECT_TRUE(project.EarthPressureFromFile);
  EXPECT_EQ(project.EarthPressureOption, 2);
  EXPECT_EQ(tables().TiebackTable1().Cell(6, 0).GetReal(), 40000);
  const TGridTable& soil = tables().NewSoil();
  EXPECT_EQ(soil.Cell(kLayerTypeColumn, 0).GetInteger(), 4);
  EXPECT_EQ(soil.Cell(kLayerDepthColumn, 0).GetReal(), 40);  // 480 in
  const TGridTable* sand = soil.Cell(kLayerParametersColumn, 0).GetSubTable();
  ASSERT_EQ(sand->Caption(), "Sand");
  EXPECT_NEAR(static_cast<double>(sand->Cell(0, 1).GetReal()), 108, 1e-9);  // 0.0625 * 1728
  EXPECT_EQ(sand->Cell(1, 1).GetReal(), 34);
  EXPECT_EQ(sand->Cell(2, 1).GetReal(), 90);
  EXPECT_FALSE(project.IsModified());
  EXPECT_TRUE(project.HasTiebackCount && project.HasMEICount);
  EXPECT_FALSE(project.IsVersion3);
}

TEST_F(DataFileReaderTest, SixValueTiebackRowsReadWithoutPrestress) {
  ASSERT_TRUE(Read(project, Fixture("8\t1.5\t29000000\t25\t15\t8"), dialogs));
  const TGridTable& tie = tables().TiebackTable1();
  EXPECT_EQ(tie.Cell(5, 0).GetReal(), 8);
  EXPECT_EQ(tie.Cell(6, 0).GetReal(), 0);
  EXPECT_EQ(project.ActivePressureFactor, 1);
}

TEST_F(DataFileReaderTest, AFactorOfExactly0036ReadsAsOne) {
  ASSERT_TRUE(Read(project, Fixture("8\t1.5\t29000000\t25\t15\t8\t40000", "0.036"), dialogs));
  EXPECT_EQ(project.ActivePressureFactor, 1.0);
  ASSERT_TRUE(Read(project, Fixture("8\t1.5\t29000000\t25\t15\t8\t40000", "0.0361"), dialogs));
  EXPECT_EQ(project.ActivePressureFactor, 0.0361);
}

TEST_F(DataFileReaderTest, OptionsFollowTheCountsOfTheFile) {
  ASSERT_TRUE(Read(project,
                   "Loads\n1 1\t1\t2\t1\t0 0 1 0 0\n10 12\t100\t0.00001\t0\t12\n"
                   "1\t5\t0.5\t0\n0\t10\t1\t1E9\n1\n1\t0\t0\t100\t0\t0\n"
                   "1\n0\t10\t1\t500\t0\n0\t1\t1\n120\t0.5\t1\n0\n0\n",
                   dialogs));
  EXPECT_TRUE(project.ApplyRestraints);
  EXPECT_TRUE(project.ApplyConcentratedLoads);
  EXPECT_TRUE(project.ApplyLateralSprings);
  EXPECT_TRUE(project.ApplyPYModification);
  EXPECT_EQ(tables().PYMod().Cell(0, 1).GetReal(), 10);  // 120 in
  EXPECT_EQ(project.EarthPressureOption, 1);
  EXPECT_FALSE(project.UserEarthPressure);  // no distributed-load rows
  EXPECT_FALSE(project.GeneratePYCurves);
  EXPECT_EQ(tables().SoilStrength().Cell(3, 0).GetReal(), 500);
  EXPECT_EQ(tables().SoilStrength().Cell(0, 0).GetInteger(), 1);  // mode is third in 7a
  EXPECT_EQ(tables().SoilStrength().Cell(2, 0).GetInteger(), 10);
}

TEST_F(DataFileReaderTest, OlderLayoutsLackTheLaterCounts) {
  ASSERT_TRUE(ReadWholeFile(project, (kDataDir / "curves-2013.kv4d").string(), FileVersion::k2013,
                            dialogs));
  EXPECT_EQ(project.DataFileName, (kDataDir / "curves-2013.kv4d").string());
  EXPECT_FALSE(project.ApplyTiebacks);
  EXPECT_TRUE(project.ApplyMEICurves);
  EXPECT_TRUE(project.ApplyAdditionalSurcharge);
  EXPECT_EQ(project.ActiveWidth, 12);  // from record 11
  EXPECT_EQ(project.BackfillSlope, 10);
  EXPECT_TRUE(project.HasMEICount);
  EXPECT_FALSE(project.HasTiebackCount);
  const TGridTable* mei = tables().MEICurves2().Cell(2, 0).GetSubTable();
  ASSERT_NE(mei, nullptr);
  EXPECT_EQ(mei->Cell(1, 1).GetReal(), 4e9);
}

TEST_F(DataFileReaderTest, LegacySurchargeOfA30FileBecomesThreeRows) {
  ASSERT_TRUE(ReadWholeFile(project, (kDataDir / "legacy-surcharge-30.kvd").string(),
                            FileVersion::k30, dialogs));
  EXPECT_TRUE(project.IsVersion3);
  EXPECT_TRUE(project.ApplyAdditionalSurcharge);
  const TGridTable& s = tables().SurchargeTable();
  ASSERT_EQ(s.RowCount(), 3);
  const double magnitudes[] = {1000, 50, 10};
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(s.Cell(0, r).GetInteger(), r + 1);
    EXPECT_EQ(s.Cell(1, r).GetReal(), magnitudes[r]);
    EXPECT_EQ(s.Cell(2, r).GetReal(), 60);
    EXPECT_EQ(s.Cell(3, r).GetReal(), 24);
  }
  // Curve multipliers are not in the 3.0 layout.
  EXPECT_EQ(tables().PYCurves2().Cell(2, 0).GetReal(), 1);
}

TEST_F(DataFileReaderTest, LegacySurchargeDistancesInSIBecomeMillimetres) {
  ASSERT_TRUE(Read(project,
                   "SI\n2 0\t1\t0\t2\t2 0 1\n20 0.25\t0.5\t0.000001\t5\n0\t20\t1\t87400\n0\n0\n"
                   "5\t2.4\t0.9\t8\t8\t1\t1\t0\n0\t1.5\t10\t5\t2\t0.6\n0\n0\n",
                   dialogs, FileVersion::k30));
  const TGridTable& s = tables().SurchargeTable();
  ASSERT_EQ(s.RowCount(), 3);
  EXPECT_DOUBLE_EQ(static_cast<double>(s.Cell(2, 0).GetReal()), 1500);
  EXPECT_DOUBLE_EQ(static_cast<double>(s.Cell(3, 2).GetReal()), 600);
}

TEST_F(DataFileReaderTest, A20FileSumsThicknessesToBottomDepths) {
  ASSERT_TRUE(ReadWholeFile(project, (kDataDir / "thicknesses-20.kvd").string(), FileVersion::k20,
                            dialogs));
  const TGridTable& soil = tables().NewSoil();
  ASSERT_EQ(soil.RowCount(), 3);
  EXPECT_EQ(soil.Cell(kLayerDepthColumn, 0).GetReal(), 10);
  EXPECT_EQ(soil.Cell(kLayerDepthColumn, 1).GetReal(), 15);
  EXPECT_EQ(soil.Cell(kLayerDepthColumn, 2).GetReal(), 35);
  // One parameter line for both rows; weak rock reads none.
  const TGridTable* clay = soil.Cell(kLayerParametersColumn, 0).GetSubTable();
  EXPECT_EQ(clay->Cell(1, 0).GetReal(), 1000);
  EXPECT_EQ(clay->Cell(1, 1).GetReal(), 1000);
  EXPECT_EQ(soil.Cell(kLayerParametersColumn, 2).GetSubTable()->Caption(), "Weak Rock");
  EXPECT_EQ(project.StageCount, 1);
}

TEST_F(DataFileReaderTest, AnyOtherVersionReadsLike20) {
  std::istringstream in(ReadText(kDataDir / "thicknesses-20.kvd"));
  ASSERT_TRUE(ReadWholeFile(project, in, static_cast<FileVersion>(5), dialogs));
  EXPECT_EQ(tables().NewSoil().Cell(kLayerDepthColumn, 2).GetReal(), 35);
}

TEST_F(DataFileReaderTest, LongTermProblemKeepsTheShortTermOptions) {
  project.LongTermAnalysis = true;
  project.EarthPressureOption = 3;
  tables().LongSoil().Cell(kLayerDepthColumn, 0).SetReal(30);
  const std::string text = WholeFileText();
  ASSERT_TRUE(Read(project, text, dialogs));
  EXPECT_TRUE(project.LongTermAnalysis);
  EXPECT_EQ(project.EarthPressureOption, 3);
  EXPECT_EQ(project.NextCaseCode, 0);
  EXPECT_EQ(tables().LongSoil().Cell(kLayerDepthColumn, 0).GetReal(), 30);
  EXPECT_EQ(WholeFileText(), text);
}

TEST_F(DataFileReaderTest, AFileThatCannotBeOpenedLeavesTheProjectAlone) {
  project.Title = "Kept";
  EXPECT_THROW(ReadWholeFile(project, Path("missing.kv5d"), FileVersion::k2015, dialogs),
               tables::InputOutputError);
  EXPECT_EQ(project.Title, "Kept");
}

struct BadFile {
  std::string name;
  std::string from, to;  // replaced in the fixture
  std::string message;
};

class BadFileTest : public ProjectTest, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadFileTest, ShowsTheMessageAndKeepsWhatWasRead) {
  std::string text = Fixture();
  const BadFile& bad = GetParam();
  text.replace(text.find(bad.from), bad.from.size(), bad.to);
  std::istringstream in(text);
  EXPECT_FALSE(ReadWholeFile(project, in, FileVersion::k2015, dialogs));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "information");
  EXPECT_EQ(dialogs.shown[0].text, bad.message);
  EXPECT_EQ(project.Title, "Tied wall");
  EXPECT_FALSE(project.IsModified());
  EXPECT_TRUE(project.HasTiebackCount);
  for (const TGridTable* t : tables().ProjectTableList()) EXPECT_GE(t->RowCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFileTest,
    ::testing::Values(
        BadFile{"NotAReal", "40 6\t10", "40 6x\t10",
                "Error on Line 3 Item 2\nA floating point number was expected but not found."},
        BadFile{"NotAnInteger", "1 0\t1\t0", "1 0\t1.5\t0",
                "Error on Line 2 Item 3\nAn integer was expected but not found."},
        BadFile{"EndsEarly", "0.0625 0.0  34 0.0  90 0.0  \n0\n", "",
                "This file either invalid or incomplete."},
        BadFile{"UnknownSoilType", "4 480 ", "9 480 ",
                "Error on Line 12\nA soil type from 1 to 7 was expected but not found."},
        BadFile{"HugeCount", "0\n0\n8\t", "2000000000\n0\n8\t",
                "This file either invalid or incomplete."}),
    [](const auto& p) { return p.param.name; });

TEST_F(DataFileReaderTest, ATokenErrorKeepsTheValuesBeforeIt) {
  std::string text = Fixture();
  text.replace(text.find("4 480 "), 6, "4 4x0 ");
  std::istringstream in(text);
  EXPECT_FALSE(ReadWholeFile(project, in, FileVersion::k2015, dialogs));
  EXPECT_EQ(project.FreeHeight, 120);
  EXPECT_EQ(tables().TiebackTable1().Cell(6, 0).GetReal(), 40000);
  EXPECT_EQ(tables().NewSoil().Cell(kLayerTypeColumn, 0).GetInteger(), 4);
}

TEST_F(DataFileReaderTest, AStageFileKeepsTheTitleAndSetsTheTerminator) {
  project.Title = "Project title";
  project.StageCount = 2;
  project.CurrentStage = 2;
  std::ostringstream out;
  WriteStageFile(out, project);
  project.NodeCount = 99;
  std::istringstream in(out.str());
  ASSERT_TRUE(ReadStageFile(project, in, dialogs));
  EXPECT_EQ(project.Title, "Project title");
  EXPECT_EQ(project.NodeCount, 0);
  EXPECT_EQ(project.NextCaseCode, 2);
  EXPECT_FALSE(project.LongTermAnalysis);
}

}  // namespace
}  // namespace korvex::project::testing
