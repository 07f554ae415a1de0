// The checks before a run and their warnings.
#include "korvex/project/input_checks.h"

#include <gtest/gtest.h>

#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

struct CheckCase {
  std::string name;
  int node_count;
  int start, end;  // of the second stiffness row
  double slope;
  int layer2_type;      // the second of two layers; the first is clay
  double friction;      // top row of the second layer (bottom row 45)
  std::string warning;  // empty: the check passes
};

class InputChecksTest : public ProjectTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(InputChecksTest, WarnsAboutTheFirstFailure) {
  const CheckCase& c = GetParam();
  project.NodeCount = c.node_count;
  project.BackfillSlope = c.slope;
  TGridTable& stiffness = tables().PileSect();
  stiffness.SetRowCount(2);
  stiffness.Cell(1, 0).SetInteger(10);
  stiffness.Cell(0, 1).SetInteger(c.start);
  stiffness.Cell(1, 1).SetInteger(c.end);
  TGridTable& soil = tables().NewSoil();
  soil.SetRowCount(2);
  // A clay layer whose E50 column would hold a "friction angle" of 0.
  soil.Cell(kLayerTypeColumn, 0).SetInteger(2);
  soil.Cell(kLayerTypeColumn, 1).SetInteger(c.layer2_type);
  TGridTable* params = soil.Cell(kLayerParametersColumn, 1).GetSubTable();
  if (params->ColumnCount() > 1) {
    params->Cell(1, 0).SetReal(c.friction);
    params->Cell(1, 1).SetReal(45);
  }

  EXPECT_EQ(CheckInput(project, dialogs), c.warning.empty());
  if (c.warning.empty()) {
    EXPECT_TRUE(dialogs.shown.empty());
  } else {
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "warning");
    EXPECT_EQ(dialogs.shown[0].text, c.warning);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputChecksTest,
    ::testing::Values(CheckCase{"EndNodeBeyondTheWall", 80, 0, 81, 0, 4, 30,
                                "End Node, 81 in row 2 of Wall Stiffness definition\n"
                                "is greater than number of nodes defined, 80.\n"
                                "Please check on Wall Properties Windows and Wall Stiffness Table"},
                      CheckCase{"OnlyTheInitialNodeIsNamed", 80, 90, 95, 40, 4, 30,
                                "Initial Node, 90 in row 2 of Wall Stiffness definition\n"
                                "is greater than number of nodes defined, 80.\n"
                                "Please check on Wall Properties Windows and Wall Stiffness Table"},
                      CheckCase{"NodesUpToTheTip", 80, 10, 80, 0, 4, 30, ""},
                      CheckCase{"SlopeEqualToFrictionPasses", 80, 10, 80, 30, 4, 30, ""},
                      CheckCase{"SandFlatterThanTheSlope", 80, 10, 80, 30, 4, 29,
                                "Slope of the Backfill: 30 deg.\n"
                                "is greater than friction angle, 29 deg.,\n"
                                "in layer 2\n"
                                "Please check on Wall Configuration and Soil Layers Windows"},
                      CheckCase{"SiltFlatterThanTheSlope", 80, 10, 80, 22.5, 5, 20.5,
                                "Slope of the Backfill: 22.5\n"
                                "is greater than friction angle, 20.5,\n"
                                "in layer 2\n"
                                "Please check Soil Layers"},
                      CheckCase{"NoSlopeNoComparison", 80, 10, 80, 0, 4, 5, ""},
                      CheckCase{"NegativeSlopeNoComparison", 80, 10, 80, -10, 4, -20, ""},
                      CheckCase{"RockIsNotCompared", 80, 10, 80, 30, 7, 1, ""}),
    [](const auto& p) { return p.param.name; });

}  // namespace
}  // namespace korvex::project::testing
