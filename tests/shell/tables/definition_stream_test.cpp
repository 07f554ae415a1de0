#include <gtest/gtest.h>

#include <sstream>

#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"
#include "korvex/tables/enum_column.h"
#include "korvex/tables/float_column.h"
#include "korvex/tables/grid_table_chart.h"
#include "korvex/tables/string_column.h"
#include "korvex/tables/table_column.h"
#include "korvex/tables/table_error.h"
#include "table_fixture.h"

namespace korvex::tables {
namespace {

TEST(DefinitionPrimitives, ReadTheWrittenValues) {
  std::ostringstream out;
  DefinitionWriter w(out);
  const std::string odd = "it's\ta \"line\"\nnext\x7f";
  w.WriteListBegin();
  w.WriteString(odd);
  w.WriteString("");
  w.WriteListEnd();
  w.NewLine();
  w.WriteBoolean(true);
  w.WriteInteger(-2147483648LL);
  w.WriteFloat(0.1L);
  w.WriteFloat(2);
  w.WriteFloat(-1.5e-300L);
  EXPECT_EQ(out.str().substr(0, 2), "('");

  DefinitionReader r(out.str());
  r.ReadListBegin();
  EXPECT_EQ(r.ReadString(), odd);
  EXPECT_EQ(r.ReadString(), "");
  EXPECT_TRUE(r.EndOfList());
  r.ReadListEnd();
  EXPECT_EQ(r.Line(), 2);
  EXPECT_TRUE(r.ReadBoolean());
  EXPECT_EQ(r.ReadInteger(), -2147483647 - 1);
  EXPECT_EQ(r.ReadFloat(), 0.1L);
  EXPECT_EQ(r.NextValue(), DefinitionReader::Kind::kReal);
  EXPECT_EQ(r.ReadFloat(), 2);
  EXPECT_EQ(r.ReadFloat(), -1.5e-300L);
  EXPECT_EQ(r.NextValue(), DefinitionReader::Kind::kEnd);
}

TEST(DefinitionPrimitives, StringsJoinAcrossLinesAndComments) {
  DefinitionReader r("'ab' + // first part\n  'c'#13#10'd' 7");
  EXPECT_EQ(r.ReadString(), "abc\r\nd");
  EXPECT_EQ(r.Line(), 2);
  EXPECT_EQ(r.ReadFloat(), 7);  // an integer reads as a real
}

struct BadToken {
  const char* text;
  const char* message;
};

class BadPrimitive : public ::testing::TestWithParam<BadToken> {};

TEST_P(BadPrimitive, RaisesDefinitionError) {
  DefinitionReader r(GetParam().text);
  try {
    r.ReadString();
    r.ReadInteger();
    FAIL() << GetParam().text;
  } catch (const DefinitionError& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, BadPrimitive,
    ::testing::Values(BadToken{"'open", "Unterminated string"},
                      BadToken{"'a' +", "A string was expected after +"},
                      BadToken{"#300", "Invalid character code"},
                      BadToken{"5", "A string was expected"},
                      BadToken{"'a' 99999999999", "Invalid integer 99999999999"},
                      BadToken{"'a' 1.5", "An integer was expected"},
                      BadToken{"'a' \x01", "Unexpected character in definition"},
                      BadToken{"'a' \xff\xfe", "Unexpected character in definition"}));

std::string LoadError(const std::string& text, int* line = nullptr) {
  TableRegistry plain;
  TableRegistry chart;
  try {
    ReadDefinitions(text, StandardTableClasses(plain, chart));
  } catch (const DefinitionError& e) {
    if (line) *line = e.Line();
    return e.what();
  }
  return "no error";
}

std::string WithCol(const std::string& col) {
  return "object T: TGridTable\n  Identifier = 1\n  Col = {\n" + col + "\n  }\nend\n";
}

TEST(ColumnStream, ErrorMessages) {
  EXPECT_EQ(LoadError(WithCol("x")), "Error reading column count");
  EXPECT_EQ(LoadError(WithCol("-1")), "Error reading column count");
  EXPECT_EQ(LoadError(WithCol("'2'")), "Error reading column count");
  EXPECT_EQ(LoadError(WithCol("1 7 ('a') True False")), "Error Column Class not defined");
  int line = 0;
  EXPECT_EQ(LoadError(WithCol("2\n1 ('a') True False 0 0 9\n2 ('b') True 'x'"), &line),
            "Error occured when creating column 1: True or False was expected");
  EXPECT_EQ(line, 6);
  EXPECT_EQ(LoadError(WithCol("2\n1 ('a') True False 0 0 9")),
            "Error occured when creating column 1: An integer was expected");
  EXPECT_EQ(LoadError(WithCol("1 0 ('a') True False ('x' 5)")),
            "Error occured when creating column 0: A string was expected");
}

TEST(ColumnStream, FileStructureErrors) {
  EXPECT_EQ(LoadError("object T: TQuery\nend"), "Class TQuery not found");
  EXPECT_EQ(LoadError("object T: TGridTable\n  Colour = 5\nend"), "Unknown property Colour");
  EXPECT_EQ(LoadError("object T: TGridTable\n  Identifier = 5"), "\"end\" was expected");
  EXPECT_EQ(LoadError("table T"), "\"object\" was expected");
  EXPECT_EQ(LoadError("object T: TGridTable\nend\nobject T: TGridTable\nend"),
            "A table named T already exists");
  EXPECT_EQ(LoadError("object T: TGridTable\n  Caption 'x'\nend"), "\"=\" was expected");
}

TEST(ColumnStream, HostileDefinitionsFailCleanly) {
  std::string huge = WithCol("1000000000");  // a count far beyond the columns given
  EXPECT_EQ(LoadError(huge), "Error occured when creating column 0: An integer was expected");
  std::string long_string = "object T: TGridTable\n  Caption = '" + std::string(100000, 'a');
  EXPECT_EQ(LoadError(long_string), "Unterminated string");
  const std::string binary = std::string("object T: TGridTable\n  Caption = '") +
                             std::string("\0\x01\xff", 3) + "'\nend\n";
  EXPECT_EQ(LoadError(binary), "no error");
  EXPECT_EQ(LoadError(WithCol("1 2 ('a') True False False 'FLOATCOLUMN2' '' 1e99999")),
            "Error occured when creating column 0: Invalid number 1e99999");
}

TEST(ColumnStream, OldFloatFormHasNoDefault) {
  testing::Tables t(WithCol("1 2 ('Depth') True False False 'L2'"));
  const auto& c = dynamic_cast<const TFloatColumn&>(t["T"].Column(0));
  EXPECT_EQ(c.UnitsCode(), "L2");
  EXPECT_EQ(c.Default(), 0);
  t["T"].SetRowCount(1);
  EXPECT_EQ(t["T"].Cell(0, 0).GetText(), "0");
}

TEST(ColumnStream, StringColumnKeepsItsReal) {
  testing::Tables t(WithCol("1 4 ('Name') False True 'n/a' 2.5"));
  const auto& c = dynamic_cast<const TStringColumn&>(t["T"].Column(0));
  EXPECT_EQ(c.Default(), "n/a");
  EXPECT_EQ(c.ExtraReal(), 2.5);
  EXPECT_FALSE(c.Visible());
  EXPECT_TRUE(c.GroupShared());
  std::ostringstream out;
  WriteDefinitions(out, t.set);
  EXPECT_NE(out.str().find("4 ('Name') False True 'n/a' 2.5"), std::string::npos) << out.str();
}

constexpr const char* kProtos = R"(
object A: TGridTable
  Identifier = 10
  Caption = 'A'
  Col = {
    0
  }
end
object B: TGridTable
  Identifier = 11
  Caption = 'B'
  Col = {
    0
  }
end
)";

TEST(ColumnStream, OldTableColumnFormWithChoicesUsesPositions) {
  // Positions 1 and 2 of the registry are B and the table itself.
  testing::Tables t(std::string(kProtos) +
                    WithCol("2\n0 ('Kind') True False ('x' 'y')\n3 ('P') True False 0"));
  const auto& c = dynamic_cast<const TTableColumn&>(t["T"].Column(1));
  ASSERT_EQ(c.Prototypes().Count(), 2);
  EXPECT_EQ(c.Prototypes().Get(0), &t["B"]);
  EXPECT_EQ(c.Prototypes().GetId(1), 1);
}

TEST(ColumnStream, OldTableColumnFormSharedPrototype) {
  testing::Tables t(std::string(kProtos) +
                    "object T: TGridTable\n  Identifier = 1\n  SharedPrototypes = True\n"
                    "  Col = {\n2\n0 ('Kind') True False ('x' 'y' 'z')\n"
                    "3 ('P') True False 'OLDFORM' 0\n  }\nend\n");
  TGridTable& table = t["T"];
  const auto& c = dynamic_cast<const TTableColumn&>(table.Column(1));
  ASSERT_EQ(c.Prototypes().Count(), 3);  // fitted to the three choices
  EXPECT_EQ(c.Prototypes().Get(0), &t["A"]);
  EXPECT_EQ(c.Prototypes().Get(1), nullptr);
  table.SetRowCount(1);
  EXPECT_EQ(table.Cell(1, 0).GetSubTable()->Caption(), "A");
  // Written back in the current form, by identifier.
  std::ostringstream out;
  WriteDefinitions(out, t.set);
  EXPECT_NE(out.str().find("3 ('P') True False 'FLEXCOLUMN2' (10 -1 -1)"), std::string::npos)
      << out.str();
}

TEST(ColumnStream, PrototypeListsFitTheChoices) {
  testing::Tables t(std::string(kProtos) +
                    WithCol("3\n3 ('P') True False 'FLEXCOLUMN2' (10 11 10)\n"
                            "0 ('Kind') True False ('x')\n3 ('Q') True False 'FLEXCOLUMN2' ()"));
  // The first column is no choice column: one entry each.
  const auto& p = dynamic_cast<const TTableColumn&>(t["T"].Column(0));
  const auto& q = dynamic_cast<const TTableColumn&>(t["T"].Column(2));
  EXPECT_EQ(p.Prototypes().Count(), 1);
  EXPECT_EQ(q.Prototypes().Count(), 1);
  EXPECT_EQ(q.Prototypes().GetId(0), -1);
}

TEST(ChartTables, PropertiesTailAndSeparateIdentifiers) {
  testing::Tables t(R"(
object Plain: TGridTable
  Identifier = 0
  Col = {
    0
  }
end
object Sets: TGridTableChart
  Identifier = 5
  Col = {
    1
    3 ('Curve') True False 'FLEXCOLUMN2' (0)
    False False 0 1 0 0
  }
end
object Points: TGridTableChart
  Identifier = 0
  Caption = 'Points'
  HardwiredButton = True
  GetDataFromFile = True
  InvertedYAxis = True
  TopLeft = 'Point'
  Col = {
    2
    2 ('x') True False False 'FLOATCOLUMN2' 'L' 0.0
    2 ('y') True False False 'FLOATCOLUMN2' 'F/L' 0.0
    True False 1 0 0 1
  }
end)");
  EXPECT_EQ(t["Plain"].Identifier(), 0);  // no swap across kinds
  TGridTable& sets = t["Sets"];
  sets.SetRowCount(1);
  auto* sub = dynamic_cast<TGridTableChart*>(sets.Cell(0, 0).GetSubTable());
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->Caption(), "Points");
  EXPECT_TRUE(sub->ShowChart);
  EXPECT_TRUE(sub->GetDataFromFile);
  EXPECT_TRUE(sub->InvertedYAxis);
  EXPECT_EQ(sub->XColumn, 1);
  EXPECT_EQ(sub->Y2Column, 1);
  EXPECT_EQ(t.chart.PositionOf(*sub), 2);

  std::ostringstream once;
  WriteDefinitions(once, t.set);
  EXPECT_NE(
      once.str().find("  GetDataFromFile = True\n  InvertedYAxis = True\n  TopLeft = 'Point'"),
      std::string::npos)
      << once.str();
  EXPECT_NE(once.str().find("\n    True False 1 0 0 1\n"), std::string::npos) << once.str();
}

}  // namespace
}  // namespace korvex::tables
