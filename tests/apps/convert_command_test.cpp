// korvex-run --convert: old layouts to the current one, end to end.
#include "convert_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using korvex::run::run_convert;

const fs::path kSource = KORVEX_SOURCE_DIR;
const fs::path kData = kSource / "tests" / "shell" / "project" / "data";
const fs::path kDefinitions = kSource / "shell" / "tables" / "definitions" / "project_tables.ktd";

std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class ConvertCommand : public ::testing::Test {
 protected:
  ConvertCommand() {
    dir = fs::temp_directory_path() /
          ("korvex-convert-" +
           std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
           std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~ConvertCommand() override { fs::remove_all(dir); }

  int Convert(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return run_convert(args, kDefinitions, out, err);
  }
  std::string In(const std::string& name) {
    fs::copy_file(kData / name, dir / name, fs::copy_options::overwrite_existing);
    return (dir / name).string();
  }

  fs::path dir;
  std::ostringstream out, err;
};

TEST_F(ConvertCommand, ChoosesTheLayoutByExtensionAndConvertsAgainUnchanged) {
  const std::string target = (dir / "curves.kv5d").string();
  ASSERT_EQ(Convert({In("curves-2013.kv4d"), target}), 0) << err.str();
  const std::string expected = ReadText(kData / "curves-2013.expected.kv5d");
  EXPECT_EQ(ReadText(target), expected);
  const std::string again = (dir / "again.kv5d").string();
  ASSERT_EQ(Convert({target, again}), 0) << err.str();
  EXPECT_EQ(ReadText(again), expected);
}

TEST_F(ConvertCommand, The20LayoutIsChosenByOption) {
  const std::string target = (dir / "layers.kv5d").string();
  ASSERT_EQ(Convert({"--layout", "2.0", In("thicknesses-20.kvd"), target}), 0) << err.str();
  EXPECT_EQ(ReadText(target), ReadText(kData / "thicknesses-20.expected.kv5d"));
}

TEST_F(ConvertCommand, AStagedFileGetsItsStageFilesBesideTheOutput) {
  const std::string source = In("staged-2013.kv4d");
  fs::create_directories(dir / "out");
  const std::string target = (dir / "out" / "cut.kv5d").string();
  ASSERT_EQ(Convert({source, target}), 0) << err.str();
  EXPECT_EQ(ReadText(target), ReadText(kData / "staged-2013.expected.kv5d"));
  EXPECT_TRUE(fs::exists(dir / "out" / "cut.st1"));
  EXPECT_TRUE(fs::exists(dir / "out" / "cut.st2"));
  // Nothing is left beside the input.
  EXPECT_FALSE(fs::exists(dir / "staged-2013.st1"));
  EXPECT_EQ(ReadText(source), ReadText(kData / "staged-2013.kv4d"));
}

TEST_F(ConvertCommand, ATokenErrorWritesNothing) {
  const fs::path bad = dir / "bad.kv5d";
  std::ofstream(bad) << "Title\n1 0\t1\tx\n";
  const std::string target = (dir / "out.kv5d").string();
  EXPECT_EQ(Convert({bad.string(), target}), 1);
  EXPECT_NE(err.str().find("Error on Line 2 Item 4\nAn integer was expected but not found."),
            std::string::npos);
  EXPECT_FALSE(fs::exists(target));
}

TEST_F(ConvertCommand, UsageErrors) {
  EXPECT_EQ(Convert({"only-one.kv5d"}), 2);
  EXPECT_EQ(Convert({"--layout", "1.0", "a.kvd", "b.kv5d"}), 2);
  EXPECT_NE(err.str().find("unknown layout 1.0"), std::string::npos);
  EXPECT_EQ(Convert({(dir / "missing.kv5d").string(), (dir / "b.kv5d").string()}), 1);
  EXPECT_FALSE(fs::exists(dir / "b.kv5d"));
}

TEST_F(ConvertCommand, TheRunnerHandsTheCommandOn) {
  const std::string target = (dir / "via-runner.kv5d").string();
  const std::string command = std::string(KORVEX_RUN) + " --convert --layout 3.0 " +
                              In("legacy-surcharge-30.kvd") + " " + target + " > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(ReadText(target), ReadText(kData / "legacy-surcharge-30.expected.kv5d"));
}

}  // namespace
