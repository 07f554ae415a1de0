// Round trips an engineer relies on: every example opened and saved comes
// out unchanged, older layouts convert to the 2015 files expected and stay
// unchanged when opened and saved again.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "korvex/project/project_files.h"
#include "korvex/project/project_stages.h"
#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

std::vector<std::string> Examples() {
  std::vector<std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(kSourceDir / "examples"))
    if (entry.path().extension() == ".kv5d")
      files.push_back(fs::relative(entry.path(), kSourceDir / "examples").string());
  std::sort(files.begin(), files.end());
  return files;
}

std::string TestName(const std::string& path) {
  std::string name = fs::path(path).stem().string();
  std::replace_if(
      name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
  return name;
}

class ExampleRoundTrip : public ProjectTest, public ::testing::WithParamInterface<std::string> {
 protected:
  std::string CopyExample(const std::string& line_end = "\n") {
    const std::string original = ReadText(kSourceDir / "examples" / GetParam());
    std::string text;
    for (char ch : original) text += ch == '\n' ? line_end : std::string(1, ch);
    const std::string copy = Path(fs::path(GetParam()).filename().string());
    WriteText(copy, text);
    return copy;
  }
};

TEST_P(ExampleRoundTrip, OpenedAndSavedUnchanged) {
  const std::string copy = CopyExample();
  const std::string original = ReadText(copy);
  ASSERT_TRUE(OpenProject(project, copy, FileVersion::k2015, dialogs));
  SaveProject(project);
  EXPECT_EQ(ReadText(copy), original);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(ExampleRoundTrip, EveryStageShownAndSavedUnchanged) {
  const std::string copy = CopyExample();
  const std::string original = ReadText(copy);
  ASSERT_TRUE(OpenProject(project, copy, FileVersion::k2015, dialogs));
  for (int k = project.StageCount; k >= 1; --k) SwitchStage(project, k, dialogs);
  SaveProject(project);
  EXPECT_EQ(ReadText(copy), original);
}

TEST_P(ExampleRoundTrip, CrLfLinesReadTheSame) {
  const std::string lf = ReadText(kSourceDir / "examples" / GetParam());
  const std::string copy = CopyExample("\r\n");
  ASSERT_TRUE(OpenProject(project, copy, FileVersion::k2015, dialogs));
  SaveProject(project);
  EXPECT_EQ(ReadText(copy), lf);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleRoundTrip, ::testing::ValuesIn(Examples()),
                         [](const auto& p) { return TestName(p.param); });

struct OldLayout {
  std::string file;
  FileVersion version;
  std::string expected;
};

class OldLayoutRoundTrip : public ProjectTest, public ::testing::WithParamInterface<OldLayout> {};

TEST_P(OldLayoutRoundTrip, ConvertsAndThenStaysUnchanged) {
  const OldLayout& c = GetParam();
  const std::string source = Path(c.file);
  fs::copy_file(kDataDir / c.file, source);
  ASSERT_TRUE(OpenProject(project, source, c.version, dialogs));
  const std::string converted = Path("converted.kv5d");
  SaveProjectAs(project, converted);
  EXPECT_EQ(ReadText(converted), ReadText(kDataDir / c.expected));
  EXPECT_EQ(ReadText(source), ReadText(kDataDir / c.file));

  ASSERT_TRUE(OpenProject(project, converted, FileVersionForPath(converted), dialogs));
  SaveProject(project);
  EXPECT_EQ(ReadText(converted), ReadText(kDataDir / c.expected));
  EXPECT_TRUE(dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, OldLayoutRoundTrip,
    ::testing::Values(
        OldLayout{"curves-2013.kv4d", FileVersion::k2013, "curves-2013.expected.kv5d"},
        OldLayout{"staged-2013.kv4d", FileVersion::k2013, "staged-2013.expected.kv5d"},
        OldLayout{"legacy-surcharge-30.kvd", FileVersion::k30, "legacy-surcharge-30.expected.kv5d"},
        OldLayout{"thicknesses-20.kvd", FileVersion::k20, "thicknesses-20.expected.kv5d"}),
    [](const auto& p) { return TestName(p.param.file); });

TEST(FileVersionForPath, ChoosesTheLayoutByExtension) {
  EXPECT_EQ(FileVersionForPath("a/b.kv4d"), FileVersion::k2013);
  EXPECT_EQ(FileVersionForPath("B.KVD"), FileVersion::k30);
  EXPECT_EQ(FileVersionForPath("c.kv5d"), FileVersion::k2015);
  EXPECT_EQ(FileVersionForPath("no-extension"), FileVersion::k2015);
}

}  // namespace
}  // namespace korvex::project::testing
