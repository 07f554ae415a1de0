// Construction stages: switching, copying, changing the count, saving a
// staged project and splitting a staged file.
#include "korvex/project/project_stages.h"

#include <gtest/gtest.h>

#include <sstream>

#include "korvex/project/data_file_reader.h"
#include "korvex/project/project_files.h"
#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

class ProjectStagesTest : public ProjectTest {
 protected:
  ProjectStagesTest() { project.DataFileName = Path("wall.kv5d"); }
  bool StageFileExists(int k) const { return fs::exists(project.StageFilePath(k)); }
};

TEST_F(ProjectStagesTest, ANewStageStartsAsACopyOfTheStageShown) {
  project.StageCount = 2;  // stage 2 has no file yet
  project.NodeCount = 40;
  SwitchStage(project, 2, dialogs);
  EXPECT_EQ(project.NodeCount, 40);
  project.NodeCount = 50;
  SwitchStage(project, 1, dialogs);
  EXPECT_EQ(project.NodeCount, 40);
  SwitchStage(project, 2, dialogs);
  EXPECT_EQ(project.NodeCount, 50);
  EXPECT_EQ(project.StageFileName, project.StageFilePath(2));
  EXPECT_EQ(StageStatusText(2), "Construction Stage Number: 2");
}

TEST_F(ProjectStagesTest, SwitchingKeepsTheModifiedState) {
  ChangeStageCount(project, 2, dialogs);
  project.SetModified(false);
  SwitchStage(project, 2, dialogs);
  EXPECT_FALSE(project.IsModified());
  tables().PileSect().Cell(3, 0).SetReal(1e9);
  SwitchStage(project, 1, dialogs);
  EXPECT_TRUE(project.IsModified());
}

TEST_F(ProjectStagesTest, CopyFromThePreviousStageAsksFirst) {
  ChangeStageCount(project, 2, dialogs);
  project.NodeCount = 40;
  SwitchStage(project, 2, dialogs);
  project.NodeCount = 60;
  SaveStage(project);

  dialogs.answers = {Answer::kNo};
  CopyStageFromPrevious(project, dialogs);
  EXPECT_EQ(project.NodeCount, 60);
  dialogs.answers = {Answer::kYes};
  CopyStageFromPrevious(project, dialogs);
  EXPECT_EQ(project.NodeCount, 40);
  EXPECT_EQ(project.CurrentStage, 2);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text, "Do you want to copy all information from Stage 1 to Stage 2");
  // The copy was saved as stage 2, with its own stage line.
  EXPECT_EQ(ReadText(project.StageFilePath(2)).rfind(" Stage No : 2\n", 0), 0u);
}

TEST_F(ProjectStagesTest, ChangingTheCountCreatesAndDeletesStageFiles) {
  ChangeStageCount(project, 4, dialogs);
  for (int k = 1; k <= 4; ++k) EXPECT_TRUE(StageFileExists(k)) << k;
  EXPECT_FALSE(StageFileExists(5));
  EXPECT_TRUE(project.IsModified());
  SwitchStage(project, 3, dialogs);

  ChangeStageCount(project, 2, dialogs);
  EXPECT_EQ(project.StageCount, 2);
  EXPECT_EQ(project.CurrentStage, 1);
  EXPECT_TRUE(StageFileExists(2));
  EXPECT_FALSE(StageFileExists(3));
  EXPECT_FALSE(StageFileExists(4));
  // The stage files carry the new count.
  EXPECT_NE(ReadText(project.StageFilePath(2)).find("\t2 0 2 0 0\n"), std::string::npos);

  ChangeStageCount(project, 1, dialogs);
  EXPECT_FALSE(StageFileExists(1));
  EXPECT_FALSE(StageFileExists(2));
}

TEST_F(ProjectStagesTest, ChangingTheCountKeepsTheEditsOfTheStageShown) {
  ChangeStageCount(project, 3, dialogs);
  SwitchStage(project, 2, dialogs);
  project.NodeCount = 77;
  ChangeStageCount(project, 4, dialogs);
  EXPECT_EQ(project.CurrentStage, 2);
  EXPECT_EQ(project.NodeCount, 77);
}

TEST_F(ProjectStagesTest, ASavedStagedProjectJoinsItsStages) {
  ChangeStageCount(project, 3, dialogs);
  SaveProject(project);
  const std::string text = ReadText(project.DataFileName);
  std::istringstream in(text);
  int markers = 0;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
    if (line.find(" Stage No :") != std::string::npos) ++markers;
  }
  EXPECT_EQ(markers, 2);
  EXPECT_EQ(lines.front(), "New Wall");
  EXPECT_EQ(lines.back(), "3");
  EXPECT_FALSE(project.IsModified());
  // Opened again, the file splits into the same stage files.
  const std::string stage2 = ReadText(project.StageFilePath(2));
  ASSERT_TRUE(OpenProject(project, project.DataFileName, FileVersion::k2015, dialogs));
  EXPECT_EQ(project.StageCount, 3);
  EXPECT_EQ(project.CurrentStage, 1);
  EXPECT_EQ(ReadText(project.StageFilePath(2)), stage2);
  SaveProject(project);
  EXPECT_EQ(ReadText(project.DataFileName), text);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(ProjectStagesTest, ATitleEditedOnALaterStageIsSaved) {
  ChangeStageCount(project, 2, dialogs);
  SwitchStage(project, 2, dialogs);
  project.Title = "Renamed wall";
  SaveProject(project);
  EXPECT_EQ(ReadText(project.DataFileName).rfind("Renamed wall\n", 0), 0u);
  SwitchStage(project, 1, dialogs);
  EXPECT_EQ(project.Title, "Renamed wall");
}

TEST_F(ProjectStagesTest, SaveAsMovesTheStageFiles) {
  ChangeStageCount(project, 2, dialogs);
  SaveProject(project);
  const std::string old_name = project.DataFileName;
  const std::string stage2 = ReadText(project.StageFilePath(2));
  SaveProjectAs(project, Path("renamed.kv5d"));
  EXPECT_EQ(project.DataFileName, Path("renamed.kv5d"));
  EXPECT_EQ(project.StageSourceName, old_name);
  EXPECT_FALSE(fs::exists(StageFilePath(old_name, 1)));
  EXPECT_FALSE(fs::exists(StageFilePath(old_name, 2)));
  EXPECT_EQ(ReadText(Path("renamed.st2")), stage2);
  EXPECT_EQ(ReadText(Path("renamed.kv5d")), ReadText(old_name));
}

TEST_F(ProjectStagesTest, SaveNeedsANameForTheDefaultOrAnOldExtension) {
  EXPECT_FALSE(NeedsSaveAs(project));
  project.DataFileName = "NewWall.kv5d";
  EXPECT_TRUE(NeedsSaveAs(project));
  project.DataFileName = Path("old.kv4d");
  EXPECT_TRUE(NeedsSaveAs(project));
  project.DataFileName = Path("upper.KV5D");
  EXPECT_FALSE(NeedsSaveAs(project));
}

TEST_F(ProjectStagesTest, AStagedFileWithTooFewStagesGetsCopiesOfItsLast) {
  project.StageCount = 3;
  std::ostringstream out;
  WriteStageFile(out, project);  // stage 1 only, announcing 3 stages
  WriteText(Path("short.kv5d"), out.str());
  project.DataFileName = Path("short.kv5d");
  EXPECT_FALSE(OpenProject(project, Path("short.kv5d"), FileVersion::k2015, dialogs));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "This file either invalid or incomplete.");
  EXPECT_EQ(ReadText(Path("short.st3")).rfind(" Stage No : 3\n", 0), 0u);
  SaveProject(project);
  EXPECT_NE(ReadText(Path("short.kv5d")).find(" Stage No : 2\n"), std::string::npos);
}

TEST_F(ProjectStagesTest, AnOlderStagedFileIsConvertedStageByStage) {
  const std::string source = (kDataDir / "staged-2013.kv4d").string();
  fs::copy_file(source, Path("cut.kv4d"));
  ASSERT_TRUE(OpenProject(project, Path("cut.kv4d"), FileVersion::k2013, dialogs));
  EXPECT_EQ(project.StageCount, 2);
  EXPECT_TRUE(project.HasTiebackCount && project.HasMEICount);
  EXPECT_EQ(project.FreeHeight, 72);
  const std::string expected = ReadText(kDataDir / "staged-2013.expected.kv5d");
  EXPECT_EQ(ReadText(Path("cut.st1")) + ReadText(Path("cut.st2")), expected);
  SaveProjectAs(project, Path("cut.kv5d"));
  EXPECT_EQ(ReadText(Path("cut.kv5d")), expected);
}

}  // namespace
}  // namespace korvex::project::testing
