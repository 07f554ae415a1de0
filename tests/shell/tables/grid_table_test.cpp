#include "korvex/tables/grid_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "korvex/tables/table_error.h"
#include "korvex/tables/table_observer.h"
#include "korvex/tables/table_registry.h"
#include "table_fixture.h"

namespace korvex::tables {
namespace {

struct Recorder : TableObserver {
  std::vector<std::pair<int, int>> cells;
  int row_changes = 0;
  int destroyed = 0;
  void CellChanged(TGridTable&, int column, int row) override { cells.emplace_back(column, row); }
  void RowsChanged(TGridTable&) override { ++row_changes; }
  void TableDestroyed(TGridTable&) override { ++destroyed; }
};

class Layers : public ::testing::Test {
 protected:
  Layers() : tables_(testing::kLayers), layers_(tables_["Layers"]) { layers_.SetRowCount(4); }
  TGridTable* Params(int row) const { return layers_.Cell(2, row).GetSubTable(); }
  testing::Tables tables_;
  TGridTable& layers_;
};

TEST_F(Layers, EveryRowGetsASubTableOfItsChoice) {
  for (int r = 0; r < 4; ++r) {
    ASSERT_NE(Params(r), nullptr);
    EXPECT_EQ(Params(r)->Caption(), "Clay");
    EXPECT_EQ(Params(r)->RowCount(), 2);
    EXPECT_EQ(Params(r)->Number(), r + 1);
    EXPECT_EQ(Params(r)->Cell(0, 1).GetText(), "110");
    EXPECT_EQ(Params(r)->Owner(), &layers_);
  }
}

TEST_F(Layers, ChangingTheSoilTypeReplacesTheSubTable) {
  Params(2)->Cell(0, 0).SetReal(125);
  Recorder watcher;
  Params(2)->SetObserver(&watcher);
  layers_.Cell(0, 2).SetInteger(2);
  EXPECT_EQ(watcher.destroyed, 1);
  TGridTable* sand = Params(2);
  ASSERT_NE(sand, nullptr);
  EXPECT_EQ(sand->Caption(), "Sand");
  EXPECT_EQ(sand->RowCount(), 2);
  EXPECT_EQ(sand->Cell(0, 0).GetText(), "30");
  EXPECT_EQ(sand->WindowCaption(), "Sand 3");

  // Back to clay: a fresh table with defaults, the old data are gone.
  layers_.Cell(0, 2).SetText("1");
  EXPECT_EQ(Params(2)->Cell(0, 0).GetText(), "110");
  // Setting the same choice again keeps the sub-table and its data.
  Params(2)->Cell(0, 0).SetReal(99);
  layers_.Cell(0, 2).SetInteger(1);
  EXPECT_EQ(Params(2)->Cell(0, 0).GetReal(), 99);
}

TEST_F(Layers, DeletingAndInsertingRowsRenumbersSubTables) {
  TGridTable* third = Params(2);
  TGridTable* fourth = Params(3);
  layers_.DeleteGroup(1);
  ASSERT_EQ(layers_.RowCount(), 3);
  EXPECT_EQ(Params(1), third);
  EXPECT_EQ(third->Number(), 2);
  EXPECT_EQ(fourth->Number(), 3);
  EXPECT_EQ(fourth->WindowCaption(), "Clay 3");
  layers_.InsertGroup(0);
  EXPECT_EQ(Params(0)->Number(), 1);
  EXPECT_EQ(third->Number(), 3);
  EXPECT_EQ(fourth->Number(), 4);
}

TEST_F(Layers, SubTablesFollowUnitSwitchAndStartInTheOwnersSystem) {
  Params(0)->Cell(0, 0).SetReal(120);
  layers_.SetUnits(2);
  EXPECT_EQ(Params(0)->UnitSystem(), 2);
  EXPECT_EQ(Params(0)->Cell(0, 0).GetText(), "18.850497");
  layers_.AppendGroup();
  EXPECT_EQ(Params(4)->UnitSystem(), 2);
  EXPECT_EQ(Params(4)->Column(0).GetCaptionLine(0), "Unit Weight (kN/m^3)  ");
}

TEST_F(Layers, ChangedMarks) {
  EXPECT_FALSE(layers_.IsChanged());  // rows made by SetRowCount are no edit
  Params(1)->Cell(1, 0).SetText("5");
  EXPECT_FALSE(layers_.Column(0).IsChanged());
  EXPECT_TRUE(layers_.IsChanged());  // through the sub-table column
  layers_.ResetChanged();
  EXPECT_FALSE(layers_.IsChanged());
  EXPECT_FALSE(Params(1)->IsChanged());
  layers_.Cell(1, 0).SetReal(0);  // same value: no change
  EXPECT_FALSE(layers_.IsChanged());
  layers_.DeleteGroup(3);
  EXPECT_TRUE(layers_.IsChanged());
}

TEST_F(Layers, ObserverSeesCellAndRowChanges) {
  Recorder r;
  layers_.SetObserver(&r);
  layers_.Cell(1, 2).SetText("3*4");
  layers_.AppendGroup();
  ASSERT_EQ(r.cells.size(), 1u);
  EXPECT_EQ(r.cells[0], std::make_pair(1, 2));
  EXPECT_EQ(r.row_changes, 1);
  layers_.SetObserver(nullptr);
}

TEST(GridTable, RowGroupsAndRowCount) {
  testing::Tables tables(R"(
object Pairs: TGridTable
  Identifier = 5
  MaxRows = 20
  RowGroup = 3
  Col = {
    1
    1 ('N') True False 0 -5 5
  }
end)");
  TGridTable& t = tables["Pairs"];
  t.SetRowCount(25);  // MaxRows does not apply
  EXPECT_EQ(t.RowCount(), 25);
  EXPECT_EQ(t.Column(0).RowCount(), 25);
  t.SetRowCount(-3);
  EXPECT_EQ(t.RowCount(), 0);
  t.AppendGroup();
  EXPECT_EQ(t.RowCount(), 3);
  t.Cell(0, 0).SetInteger(1);
  t.Cell(0, 2).SetInteger(3);
  t.InsertGroup(2);  // before the group that holds row 2, i.e. at row 0
  EXPECT_EQ(t.RowCount(), 6);
  EXPECT_EQ(t.Cell(0, 3).GetInteger(), 1);
  EXPECT_EQ(t.Cell(0, 5).GetInteger(), 3);
  t.DeleteGroup(4);  // rows 3 to 5
  EXPECT_EQ(t.RowCount(), 3);
  EXPECT_EQ(t.Cell(0, 0).GetInteger(), 0);
  EXPECT_THROW(t.DeleteGroup(3), std::out_of_range);
  EXPECT_THROW(t.Cell(0, 3), std::out_of_range);
  t.SetRowGroup(0);
  EXPECT_EQ(t.RowGroup(), 1);
}

TEST(GridTable, RowButtonRules) {
  TableRegistry registry;
  TGridTable t(registry);
  t.SetMinRows(2);
  t.SetMaxRows(2);
  EXPECT_FALSE(t.RowButtonsVisible());
  t.SetMaxRows(0);
  t.SetRowCount(500);
  EXPECT_TRUE(t.CanAddRows());  // no limit
  t.SetMaxRows(20);
  t.SetRowCount(25);
  EXPECT_FALSE(t.CanAddRows());
  EXPECT_TRUE(t.CanDeleteRows());
  t.SetRowCount(2);
  EXPECT_FALSE(t.CanDeleteRows());
  EXPECT_TRUE(t.CanAddRows());
}

TEST(GridTable, MinRowsMustBePositive) {
  TableRegistry registry;
  TGridTable t(registry);
  try {
    t.SetMinRows(0);
    FAIL();
  } catch (const TableError& e) {
    EXPECT_STREQ(e.what(), "Value must be greater than 0");
  }
  t.SetLoading(true);
  t.SetMinRows(-4);
  EXPECT_EQ(t.MinRows(), 1);
}

TEST(TableRegistry, RunningIdentifiersAndSwaps) {
  TableRegistry registry;
  TGridTable a(registry);
  TGridTable b(registry);
  EXPECT_EQ(a.Identifier(), 0);
  EXPECT_EQ(b.Identifier(), 1);
  a.SetIdentifier(2);
  TGridTable c(registry);  // 2 is taken: the counter moves on
  EXPECT_EQ(c.Identifier(), 3);
  b.SetIdentifier(2);  // a had 2: a and b swap
  EXPECT_EQ(a.Identifier(), 1);
  EXPECT_EQ(b.Identifier(), 2);
  EXPECT_EQ(registry.FindByIdentifier(2), &b);
  EXPECT_EQ(registry.At(2), &c);
  EXPECT_EQ(registry.PositionOf(c), 2);
  {
    TGridTable d(registry);
    EXPECT_EQ(registry.Count(), 4);
  }
  EXPECT_EQ(registry.Count(), 3);
  EXPECT_EQ(registry.FindByIdentifier(99), nullptr);
}

TEST(TableRegistry, IndependentRegistriesDoNotShareIdentifiers) {
  TableRegistry one;
  TableRegistry two;
  TGridTable a(one);
  TGridTable b(two);
  EXPECT_EQ(a.Identifier(), 0);
  EXPECT_EQ(b.Identifier(), 0);
  EXPECT_EQ(one.FindByIdentifier(0), &a);
  EXPECT_EQ(two.FindByIdentifier(0), &b);
}

TEST(GridTable, NestedSubTableCaption) {
  testing::Tables tables(R"(
object Outer: TGridTable
  Identifier = 1
  Caption = 'Outer'
  Col = {
    1
    3 ('Sets') True False 'FLEXCOLUMN2' (2)
  }
end
object Middle: TGridTable
  Identifier = 2
  Caption = 'Middle'
  MinRows = 3
  Col = {
    1
    3 ('Points') True False 'FLEXCOLUMN2' (3)
  }
end
object Inner: TGridTable
  Identifier = 3
  Caption = 'Inner'
  Col = {
    1
    2 ('x') True False False 'FLOATCOLUMN2' '' 0.0
  }
end)");
  TGridTable& outer = tables["Outer"];
  outer.SetRowCount(2);
  TGridTable* middle = outer.Cell(0, 1).GetSubTable();
  ASSERT_NE(middle, nullptr);
  EXPECT_EQ(middle->RowCount(), 3);
  TGridTable* inner = middle->Cell(0, 2).GetSubTable();
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(outer.WindowCaption(), "Outer");
  EXPECT_EQ(middle->WindowCaption(), "Middle 2");
  EXPECT_EQ(inner->WindowCaption(), "Inner 2 3");
  inner->Cell(0, 0).SetReal(1);
  EXPECT_TRUE(outer.IsChanged());
}

}  // namespace
}  // namespace korvex::tables
