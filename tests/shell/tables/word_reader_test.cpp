#include "korvex/tables/word_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "korvex/tables/table_error.h"

namespace korvex::tables {
namespace {

TWordReader FromText(const std::string& text) {
  std::istringstream in(text);
  return TWordReader(in);
}

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const InputOutputError& e) {
    return e.what();
  }
  return "no error";
}

TEST(WordReader, SplitsAtBlanksAndTabs) {
  TWordReader r = FromText("1 2\t 3\n  7  \n");
  EXPECT_EQ(r.WordCount(), 3);
  EXPECT_EQ(r.ReadInteger(), 1);
  EXPECT_EQ(r.NextWord(), "2");
  EXPECT_EQ(r.ReadReal(), 3.0);
  EXPECT_EQ(r.NextWord(), "7");
  EXPECT_EQ(r.WordCount(), 1);
}

TEST(WordReader, ReadLineAfterLastValueReturnsThatLine) {
  TWordReader r = FromText("Title line\n9\nLong-term title\n1 2\n");
  EXPECT_EQ(r.ReadLine(), "Title line");
  EXPECT_EQ(r.ReadInteger(), 9);
  EXPECT_EQ(r.ReadLine(), "9");  // still on the line of the 9
  EXPECT_EQ(r.ReadLine(), "Long-term title");
  EXPECT_EQ(r.ReadInteger(), 1);
}

TEST(WordReader, IntegerRules) {
  TWordReader r = FromText("12.0 12.5\n3000000000 abc\n");
  EXPECT_EQ(r.ReadInteger(), 12);
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }),
            "Error on Line 1 Item 2\nAn integer was expected but not found.");
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }),
            "Error on Line 2 Item 1\nAn integer was expected but not found.");
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }),
            "Error on Line 2 Item 2\nAn integer was expected but not found.");
}

TEST(WordReader, RealRules) {
  TWordReader r = FromText("1.5e-3 +2 -0.25\n1,5 1e999 nan 1e-999\n");
  EXPECT_DOUBLE_EQ(r.ReadReal(), 1.5e-3);
  EXPECT_DOUBLE_EQ(r.ReadReal(), 2.0);
  EXPECT_DOUBLE_EQ(r.ReadReal(), -0.25);
  for (int item = 1; item <= 3; ++item) {
    EXPECT_EQ(ErrorOf([&] { r.ReadReal(); }),
              "Error on Line 2 Item " + std::to_string(item) +
                  "\nA floating point number was expected but not found.");
  }
  EXPECT_EQ(r.ReadReal(), 0.0);
}

TEST(WordReader, ReadingPastTheEnd) {
  TWordReader r = FromText("1\n");
  EXPECT_EQ(r.ReadInteger(), 1);
  EXPECT_EQ(ErrorOf([&] { r.NextWord(); }), "This file either invalid or incomplete.");
  EXPECT_TRUE(r.AtEnd());
  EXPECT_EQ(ErrorOf([&] { r.ReadLine(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, EmptyFileHoldsOneLine) {
  TWordReader r = FromText("");
  EXPECT_EQ(r.LineCount(), 1);
  EXPECT_FALSE(r.AtEnd());
  EXPECT_EQ(r.WordCount(), 0);
  EXPECT_EQ(ErrorOf([&] { r.NextWord(); }), "This file either invalid or incomplete.");
}

TEST(WordReader, SkipsLinesWithoutWordsBetweenValues) {
  TWordReader r = FromText("1\n\n   \n\t\n2 3\r\n\r\n4");
  EXPECT_EQ(r.ReadInteger(), 1);
  EXPECT_EQ(r.ReadInteger(), 2);
  EXPECT_EQ(r.LineNumber(), 5);
  EXPECT_EQ(r.ReadInteger(), 3);
  EXPECT_EQ(r.ReadInteger(), 4);
  EXPECT_EQ(r.LineNumber(), 7);
}

TEST(WordReader, CarriageReturnLineEndsAreStripped) {
  TWordReader r = FromText("Title\r\n5\r\n");
  EXPECT_EQ(r.ReadLine(), "Title");
  EXPECT_EQ(r.NextWord(), "5");
}

TEST(WordReader, HostileInput) {
  std::string text(200000, 'x');
  text += " 5\n";
  text += std::string("\x01\x02\xff\x80 \x00 9\n", 10);
  TWordReader r = FromText(text);
  EXPECT_EQ(ErrorOf([&] { r.ReadReal(); }),
            "Error on Line 1 Item 1\nA floating point number was expected but not found.");
  EXPECT_EQ(r.ReadInteger(), 5);
  EXPECT_EQ(ErrorOf([&] { r.ReadInteger(); }),
            "Error on Line 2 Item 1\nAn integer was expected but not found.");
  EXPECT_EQ(r.NextWord(), std::string("\x00", 1));
  EXPECT_EQ(r.ReadInteger(), 9);
}

TEST(WordReader, Files) {
  EXPECT_THROW(TWordReader("/nonexistent/korvex/file.kv5d"), InputOutputError);
  const std::string path = ::testing::TempDir() + "korvex_word_reader.txt";
  {
    std::ofstream out(path);
    out << "Wall\n1 2\n";
  }
  TWordReader r(path);
  EXPECT_EQ(r.ReadLine(), "Wall");
  EXPECT_EQ(r.ReadInteger() + r.ReadInteger(), 3);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace korvex::tables
