// The project's defaults, the unit-system switch and the modified flag.
#include "korvex/project/program_data.h"

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

using ProgramDataTest = ProjectTest;

TEST_F(ProgramDataTest, NewProjectHasTheDefaultsAndMinimumRows) {
  EXPECT_EQ(project.DataFileName, "NewWall.kv5d");
  EXPECT_EQ(project.Title, "New Wall");
  EXPECT_EQ(project.UnitSystem(), 1);
  EXPECT_EQ(project.MaxDeflection, 100);
  EXPECT_EQ(project.ClosureTolerance, 1.0E-5);
  EXPECT_EQ(project.EarthPressureOption, 2);
  EXPECT_TRUE(project.GeneratePYCurves);
  EXPECT_EQ(project.StageCount, 1);
  EXPECT_EQ(tables().PileSect().RowCount(), 1);
  EXPECT_EQ(tables().PYMod().RowCount(), 2);
  EXPECT_EQ(tables().DistLoad().RowCount(), 2);
  EXPECT_EQ(tables().PYCurves2().RowCount(), 2);
  ASSERT_EQ(tables().NewSoil().RowCount(), 1);
  const TGridTable* clay = tables().NewSoil().Cell(kLayerParametersColumn, 0).GetSubTable();
  ASSERT_NE(clay, nullptr);
  EXPECT_EQ(clay->Caption(), "Clay");
  EXPECT_EQ(clay->RowCount(), 2);
  EXPECT_FALSE(project.IsModified());
}

TEST_F(ProgramDataTest, NewProjectClearsWhatTheTablesHeld) {
  tables().PileSect().SetRowCount(4);
  tables().NewSoil().Cell(kLayerTypeColumn, 0).SetInteger(4);
  project.SetUnitSystem(2);
  project.Title = "Old";
  project.NewProject();
  EXPECT_EQ(project.Title, "New Wall");
  EXPECT_EQ(tables().PileSect().RowCount(), 1);
  EXPECT_EQ(tables().NewSoil().Cell(kLayerTypeColumn, 0).GetInteger(), 1);
  EXPECT_EQ(tables().NewSoil().UnitSystem(), 1);
}

TEST_F(ProgramDataTest, EnglishToSIAndBackDriftsByTheRoundedFactors) {
  project.IncrementLength = 100;  // in
  project.FreeHeight = 144;
  project.SurchargeAtTop = 1;  // psi
  project.LegacySurcharge = {12, 1000, 100, 10, 24};
  project.SetUnitSystem(2);
  EXPECT_NEAR(project.IncrementLength, 2.54, 1e-12);
  EXPECT_NEAR(project.SurchargeAtTop, 6.894757, 5e-6);  // kPa per psi
  EXPECT_NEAR(project.LegacySurcharge[1], 4.448222, 1e-6);
  EXPECT_NEAR(project.LegacySurcharge[2], 17.512685, 1e-5);  // kN/m per 100 lb/in
  EXPECT_NEAR(project.LegacySurcharge[3], 68.94757, 5e-5);
  project.SetUnitSystem(1);
  // 39.3701 is a little more than 1/0.0254: lengths come back larger by
  // 0.054 ppm, stresses smaller by twice that; the force factors multiply to 1.
  EXPECT_DOUBLE_EQ(project.IncrementLength, 100 * 0.0254 * 39.3701);
  EXPECT_NEAR(project.IncrementLength, 100.000054, 1e-9);
  EXPECT_NEAR(project.LegacySurcharge[1], 1000, 1e-9);
  EXPECT_NEAR(project.SurchargeAtTop, 1 / (1.00000054 * 1.00000054), 1e-12);
}

TEST_F(ProgramDataTest, TablesConvertByTheirUnitsCodesExactly) {
  TGridTable* clay = tables().NewSoil().Cell(kLayerParametersColumn, 0).GetSubTable();
  clay->Cell(0, 0).SetReal(120);  // lb/ft^3
  project.SetUnitSystem(2);
  EXPECT_NEAR(static_cast<double>(clay->Cell(0, 0).GetReal()), 120 * 0.15708746, 1e-4);
  EXPECT_EQ(clay->UnitSystem(), 2);
  project.SetUnitSystem(1);
  EXPECT_NEAR(static_cast<double>(clay->Cell(0, 0).GetReal()), 120, 1e-12);
}

TEST_F(ProgramDataTest, SurchargeMagnitudesConvertByLoadType) {
  TGridTable& s = tables().SurchargeTable();
  s.SetRowCount(3);
  const double magnitudes[] = {1000, 100, 10};  // lb, lb/in, lb/in^2
  for (int r = 0; r < 3; ++r) {
    s.Cell(0, r).SetInteger(r + 1);
    s.Cell(1, r).SetReal(magnitudes[r]);
    s.Cell(2, r).SetReal(12);  // in
  }
  project.SetUnitSystem(2);
  EXPECT_NEAR(static_cast<double>(s.Cell(1, 0).GetReal()), 4.448222, 1e-6);
  EXPECT_NEAR(static_cast<double>(s.Cell(1, 1).GetReal()), 17.512685, 1e-5);
  EXPECT_NEAR(static_cast<double>(s.Cell(1, 2).GetReal()), 68.94757, 5e-5);
  EXPECT_NEAR(static_cast<double>(s.Cell(2, 0).GetReal()), 304.8, 1e-6);  // mm
}

TEST_F(ProgramDataTest, SymbolicUnitsConvertNothing) {
  project.IncrementLength = 6;
  tables().DistLoad().Cell(0, 1).SetReal(10);
  int refreshed = 0;
  project.on_units_changed = [&] { ++refreshed; };
  project.SetUnitSystem(3);
  EXPECT_EQ(project.IncrementLength, 6);
  EXPECT_EQ(tables().DistLoad().Cell(0, 1).GetReal(), 10);
  EXPECT_EQ(tables().DistLoad().UnitSystem(), 3);
  project.SetUnitSystem(2);
  project.SetUnitSystem(7);  // clamped to 3
  EXPECT_EQ(project.UnitSystem(), 3);
  EXPECT_EQ(project.IncrementLength, 6);
  EXPECT_EQ(refreshed, 3);
}

TEST_F(ProgramDataTest, ModifiedByTheFlagOrAnyChangedCell) {
  EXPECT_FALSE(project.IsModified());
  tables().PileSect().Cell(3, 0).SetReal(5e9);
  EXPECT_TRUE(project.IsModified());
  project.SetModified(false);
  EXPECT_FALSE(project.IsModified());
  TGridTable* clay = tables().NewSoil().Cell(kLayerParametersColumn, 0).GetSubTable();
  clay->Cell(1, 1).SetReal(500);
  EXPECT_TRUE(project.IsModified());
  project.SetModified(false);
  project.SetModified(true);
  EXPECT_TRUE(project.IsModified());
}

}  // namespace
}  // namespace korvex::project::testing
