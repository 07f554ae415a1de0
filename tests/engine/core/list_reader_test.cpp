#include "korvex/engine/list_reader.h"

#include <gtest/gtest.h>

#include <sstream>

using korvex::engine::ListReader;
using korvex::engine::RunStop;
using korvex::engine::StopKind;

namespace {

std::string stop_message(const std::string& text, auto&& action) {
  std::istringstream in(text);
  ListReader r(in);
  try {
    action(r);
  } catch (const RunStop& e) {
    EXPECT_EQ(e.kind(), StopKind::InputError);
    return e.what();
  }
  return "";
}

}  // namespace

TEST(ListReader, SeparatorsAndContinuationLines) {
  std::istringstream in("1 2,\t3\n\n  4.5e1\n7 8 9 ignored\n10\r\n");
  ListReader r(in);
  int a = 0, b = 0, c = 0;
  double d = 0;
  r.read("RECORD 2", a, b, c, d);  // continues over the empty line
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 3);
  EXPECT_DOUBLE_EQ(d, 45.0);
  int e = 0;
  r.read("RECORD 3", e);  // starts on a new line: the rest of "7 8 9" is skipped
  EXPECT_EQ(e, 7);
  int f = 0;
  r.read("RECORD 4", f);
  EXPECT_EQ(f, 10);  // CR LF accepted
  EXPECT_TRUE(r.at_end());
}

TEST(ListReader, FortranRealForms) {
  std::istringstream in("1 1. .5 -2.5D+02 +3e-1 7\n");
  ListReader r(in);
  double v[6];
  r.read("R", v[0], v[1], v[2], v[3], v[4], v[5]);
  EXPECT_DOUBLE_EQ(v[0], 1.0);
  EXPECT_DOUBLE_EQ(v[1], 1.0);
  EXPECT_DOUBLE_EQ(v[2], 0.5);
  EXPECT_DOUBLE_EQ(v[3], -250.0);
  EXPECT_DOUBLE_EQ(v[4], 0.3);
  EXPECT_DOUBLE_EQ(v[5], 7.0);
}

TEST(ListReader, WholeLine) {
  std::istringstream in("  Cantilever wall, sand  \r\n5\n");
  ListReader r(in);
  EXPECT_EQ(r.read_line("RECORD 1"), "  Cantilever wall, sand  ");
  int n = 0;
  r.read("RECORD 2", n);
  EXPECT_EQ(n, 5);
}

TEST(ListReader, ErrorsNameTheRecordAndLine) {
  EXPECT_EQ(stop_message("1 2\n",
                         [](ListReader& r) {
                           int a, b, c;
                           r.read("RECORD 2 (CONTROL)", a, b, c);
                         }),
            "ERROR -- DATA FILE ENDS IN RECORD 2 (CONTROL) AFTER LINE 1");
  EXPECT_EQ(stop_message("1\n2.5\n",
                         [](ListReader& r) {
                           int a, b;
                           r.read("RECORD 6", a);
                           r.read("RECORD 6A", b);
                         }),
            "ERROR -- UNREADABLE VALUE IN RECORD 6A ON LINE 2: \"2.5\" IS NOT AN INTEGER");
  for (const char* bad : {"nan", "inf", "1.2.3", "0x10", "1e", "--1", "12abc", "99999999999"}) {
    std::string msg = stop_message(std::string(bad) + "\n", [](ListReader& r) {
      double d;
      int i;
      r.read("R", d);
      r.read("R", i);
    });
    if (std::string(bad) == "99999999999") {
      EXPECT_NE(msg.find("DATA FILE ENDS"), std::string::npos) << bad;  // a real, then no line
    } else {
      EXPECT_NE(msg.find("UNREADABLE VALUE IN R ON LINE 1"), std::string::npos) << bad;
    }
  }
  EXPECT_EQ(stop_message("", [](ListReader& r) { r.read_line("RECORD 1"); }),
            "ERROR -- DATA FILE ENDS IN RECORD 1 AFTER LINE 0");
}

TEST(ListReader, BinaryBytesAreShownSafely) {
  std::string text = "\x01\xff\x7f 3\n";
  const auto msg = stop_message(text, [](ListReader& r) {
    int a;
    r.read("R", a);
  });
  EXPECT_EQ(msg, "ERROR -- UNREADABLE VALUE IN R ON LINE 1: \"???\" IS NOT AN INTEGER");
}
