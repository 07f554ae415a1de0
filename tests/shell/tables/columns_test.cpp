#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "korvex/numeric/numeric_error.h"
#include "korvex/tables/enum_column.h"
#include "korvex/tables/float_column.h"
#include "korvex/tables/grid_table.h"
#include "korvex/tables/int_column.h"
#include "korvex/tables/string_column.h"
#include "korvex/tables/table_column.h"
#include "korvex/tables/table_error.h"
#include "table_fixture.h"

namespace korvex::tables {
namespace {

using numeric::EntryError;

constexpr std::string_view kMixed = R"(
object Mixed: TGridTable
  Identifier = 1
  Caption = 'Mixed'
  RowGroup = 2
  Col = {
    5
    0 ('Mode') True False ('One' 'Two')
    1 ('Node') True False 5 0 100
    2 ('Unit' 'Weight') True False False 'FLOATCOLUMN2' 'F/L2^3' 2.5
    4 ('Note') True False 'none' 0.0
    2 ('Shared') True True False 'FLOATCOLUMN2' '' 0.0
  }
end
)";

std::string EntryMessage(const std::function<void()>& f) {
  try {
    f();
  } catch (const EntryError& e) {
    return e.what();
  }
  return "no error";
}

class Columns : public ::testing::Test {
 protected:
  Columns() : tables_(kMixed), t_(tables_["Mixed"]) { t_.SetRowCount(4); }
  testing::Tables tables_;
  TGridTable& t_;
};

TEST_F(Columns, NewRowsTakeDefaults) {
  EXPECT_EQ(t_.Cell(0, 3).GetText(), "1");
  EXPECT_EQ(t_.Cell(1, 3).GetInteger(), 5);
  EXPECT_EQ(t_.Cell(2, 3).GetText(), "2.5");
  EXPECT_EQ(t_.Cell(3, 3).GetText(), "none");
}

TEST_F(Columns, WrongTypeAccess) {
  for (const auto& access : std::vector<std::function<void()>>{
           [&] { t_.Cell(0, 0).GetReal(); }, [&] { t_.Cell(1, 0).SetReal(1); },
           [&] { t_.Cell(2, 0).GetInteger(); }, [&] { t_.Cell(3, 0).SetInteger(1); },
           [&] { t_.Cell(2, 0).GetSubTable(); }, [&] { t_.Column(3).GetObject(0); }}) {
    try {
      access();
      ADD_FAILURE() << "no error";
    } catch (const InvalidCastError& e) {
      EXPECT_STREQ(e.what(), "Data of wrong type");
    }
  }
}

TEST_F(Columns, FloatEntryEvaluatesAndShowsEightDigits) {
  t_.Cell(2, 0).SetText("1/3");
  EXPECT_EQ(t_.Cell(2, 0).GetText(), "0.33333333");
  t_.Cell(2, 0).SetText("12*2.5");
  EXPECT_EQ(t_.Cell(2, 0).GetReal(), 30);
  EXPECT_EQ(EntryMessage([&] { t_.Cell(2, 0).SetText("2+"); }),
            "Entry could not be evaluated:\ninvalid expression");
  EXPECT_EQ(t_.Cell(2, 0).GetReal(), 30);  // the cell keeps its value
}

TEST_F(Columns, EnumEntryMustBeIntegral) {
  t_.Cell(0, 1).SetText("1+1");
  EXPECT_EQ(t_.Cell(0, 1).GetInteger(), 2);
  EXPECT_EQ(EntryMessage([&] { t_.Cell(0, 1).SetText("1.5"); }), "Value must be an integer.");
  EXPECT_EQ(EntryMessage([&] { t_.Cell(0, 1).SetText("1e20"); }), "1e20 is not a valid number.");
  EXPECT_EQ(t_.Cell(0, 1).GetInteger(), 2);
}

TEST_F(Columns, IntegerEntryIsCheckedOnlyWhileTheWindowIsOpen) {
  t_.SetWindowOpen(true);
  EXPECT_EQ(EntryMessage([&] { t_.Cell(1, 0).SetText("2.5"); }), "Entry must be an integer.");
  EXPECT_EQ(EntryMessage([&] { t_.Cell(1, 0).SetText("101"); }),
            "Entry must be between 0 and 100.");
  EXPECT_EQ(EntryMessage([&] { t_.Cell(1, 0).SetText("-1"); }), "Entry must be between 0 and 100.");
  t_.Cell(1, 0).SetText("7.00000000001");
  EXPECT_EQ(t_.Cell(1, 0).GetInteger(), 7);
  t_.SetWindowOpen(false);
  t_.Cell(1, 0).SetText("2.5");  // file reading: rounded, halves to even
  EXPECT_EQ(t_.Cell(1, 0).GetInteger(), 2);
  t_.Cell(1, 0).SetText("3.5");
  EXPECT_EQ(t_.Cell(1, 0).GetText(), "4");
  t_.Cell(1, 0).SetText("500");
  EXPECT_EQ(t_.Cell(1, 0).GetInteger(), 500);
  EXPECT_EQ(EntryMessage([&] { t_.Cell(1, 0).SetText("3e9"); }), "3e9 is not a valid number.");
}

TEST_F(Columns, GroupSharedWritesTheWholeRowGroup) {
  t_.Cell(4, 3).SetReal(9);
  EXPECT_EQ(t_.Cell(4, 2).GetReal(), 9);
  EXPECT_EQ(t_.Cell(4, 3).GetReal(), 9);
  EXPECT_EQ(t_.Cell(4, 1).GetReal(), 0);
  t_.Cell(4, 0).SetText("4");
  EXPECT_EQ(t_.Cell(4, 1).GetReal(), 4);
  EXPECT_EQ(t_.Cell(4, 2).GetReal(), 9);
  // Unshared columns write one row only.
  t_.Cell(2, 0).SetReal(1);
  EXPECT_EQ(t_.Cell(2, 1).GetReal(), 2.5);
}

TEST_F(Columns, CaptionLinesCarryTheUnitLabel) {
  const TColumn& c = t_.Column(2);
  EXPECT_EQ(c.CaptionLineCount(), 2);
  EXPECT_EQ(c.GetCaptionLine(0), "Unit");
  EXPECT_EQ(c.GetCaptionLine(1), "Weight (lbs/ft^3)  ");
  t_.SetUnits(2);
  EXPECT_EQ(c.GetCaptionLine(1), "Weight (kN/m^3)  ");
  t_.SetUnits(3);
  EXPECT_EQ(c.GetCaptionLine(1), "Weight (F/L^3)  ");
  EXPECT_EQ(t_.Column(4).GetCaptionLine(0), "Shared");  // no code, no label
}

TEST_F(Columns, UnitSwitchConvertsByTheCode) {
  t_.Cell(2, 0).SetReal(120);
  t_.SetUnits(2);
  // 120 lb/ft^3 = 120 * 4.4482216 N / (0.3048 m)^3.
  EXPECT_NEAR(static_cast<double>(t_.Cell(2, 0).GetReal()),
              120 * 4.4482216152605e-3 / std::pow(0.3048, 3), 1e-5);
  EXPECT_EQ(t_.Cell(2, 0).GetText(), "18.850497");
  t_.SetUnits(3);  // nothing converts to or from the symbolic system
  EXPECT_EQ(t_.Cell(2, 0).GetText(), "18.850497");
  t_.SetUnits(1);
  EXPECT_NEAR(static_cast<double>(t_.Cell(2, 0).GetReal()), 18.850497, 1e-5);
}

TEST_F(Columns, ColumnWidthUsesWidestCaptionAndMinimum) {
  const auto chars = [](std::string_view s) { return static_cast<int>(s.size()) * 7; };
  // "Weight (lbs/ft^3)  " plus two blanks: 21 characters.
  EXPECT_EQ(t_.Column(2).ColumnWidth(chars, 96), 21 * 7);
  EXPECT_EQ(t_.Column(2).ColumnWidth(chars, 960), 480);  // half an inch
  EXPECT_EQ(t_.Column(0).ColumnWidth(chars, 96), 144);   // 1.5 inches
  EXPECT_EQ(t_.Column(3).ColumnWidth(chars, 96), 6 * 7);
}

TEST(TopDepthColumns, PairStaysContinuous) {
  testing::Tables tables(R"(
object Depths: TGridTable
  Identifier = 3
  Col = {
    2
    2 ('Top') True False True 'FLOATCOLUMN2' 'L2' 0.0
    2 ('Bottom') True False False 'FLOATCOLUMN2' 'L2' 0.0
  }
end)");
  TGridTable& t = tables["Depths"];
  t.SetRowCount(3);
  t.Cell(1, 0).SetReal(10);  // bottom of row 0 sets the top of row 1
  EXPECT_EQ(t.Cell(0, 1).GetReal(), 10);
  t.Cell(1, 1).SetReal(20);
  EXPECT_EQ(t.Cell(0, 2).GetReal(), 20);
  t.Cell(0, 2).SetReal(25);  // top of row 2 sets the bottom of row 1
  EXPECT_EQ(t.Cell(1, 1).GetReal(), 25);
  t.Cell(1, 2).SetReal(40);

  t.InsertGroup(1);  // new row 1 spans from 10 to the old row 1's top
  EXPECT_EQ(t.Cell(0, 1).GetReal(), 10);
  EXPECT_EQ(t.Cell(1, 1).GetReal(), 10);
  EXPECT_EQ(t.Cell(0, 2).GetReal(), 10);

  t.DeleteGroup(2);  // the row after the deleted one starts where row 1 ends
  ASSERT_EQ(t.RowCount(), 3);
  EXPECT_EQ(t.Cell(0, 2).GetReal(), 10);
  EXPECT_EQ(t.Cell(1, 2).GetReal(), 40);
}

TEST(TopDepthColumns, MustBeFollowedByAFloatColumn) {
  testing::Tables tables(R"(
object Bad: TGridTable
  Identifier = 3
  Col = {
    2
    2 ('Top') True False True 'FLOATCOLUMN2' 'L2' 0.0
    1 ('Node') True False 0 0 9
  }
end)");
  try {
    tables["Bad"].SetRowCount(1);
    FAIL();
  } catch (const DefinitionError& e) {
    EXPECT_STREQ(e.what(), "If column if a topdepth then the next column must be a float column");
  }
}

TEST(SubTableColumn, ButtonCaptionAndOwnObjects) {
  testing::Tables tables(testing::kLayers);
  TGridTable& layers = tables["Layers"];
  layers.SetRowCount(2);
  const auto& column = dynamic_cast<const TTableColumn&>(layers.Column(2));
  EXPECT_EQ(column.ButtonCaption(1), "2: Clay");
  layers.Cell(0, 1).SetInteger(3);  // no prototype for this choice
  EXPECT_EQ(layers.Cell(2, 1).GetSubTable(), nullptr);
  EXPECT_EQ(column.ButtonCaption(1), "2: ");

  struct Curve : RowObject {
    bool changed = true;
    int units = 1;
  };
  layers.on_init_row = [](TGridTable&, int, int) { return std::make_unique<Curve>(); };
  layers.on_get_changed = [](const RowObject& o) { return static_cast<const Curve&>(o).changed; };
  layers.on_reset_changed = [](RowObject& o) { static_cast<Curve&>(o).changed = false; };
  layers.on_set_units = [](RowObject& o, int system) { static_cast<Curve&>(o).units = system; };
  layers.Cell(0, 0).SetInteger(3);
  auto* curve = dynamic_cast<Curve*>(layers.Column(2).GetObject(0));
  ASSERT_NE(curve, nullptr);
  layers.ResetChanged();
  EXPECT_FALSE(curve->changed);
  curve->changed = true;
  EXPECT_TRUE(layers.IsChanged());
  layers.SetUnits(2);
  EXPECT_EQ(curve->units, 2);
}

}  // namespace
}  // namespace korvex::tables
