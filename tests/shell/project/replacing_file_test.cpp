// Saving through a temporary file keeps the previous file on failure.
#include "korvex/project/replacing_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "korvex/project/project_files.h"
#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

using ReplacingFileTest = ProjectTest;

TEST_F(ReplacingFileTest, ReplacesTheFileWhenTheWriteSucceeds) {
  WriteText(Path("a.txt"), "old\n");
  WriteFileReplacing(Path("a.txt"), [](std::ostream& out) { out << "new\n"; });
  EXPECT_EQ(ReadText(Path("a.txt")), "new\n");
  EXPECT_FALSE(fs::exists(Path("a.txt.saving")));
}

TEST_F(ReplacingFileTest, AFailingWriteKeepsTheOldFile) {
  WriteText(Path("a.txt"), "old\n");
  EXPECT_THROW(WriteFileReplacing(Path("a.txt"),
                                  [](std::ostream& out) {
                                    out << "half";
                                    throw std::runtime_error("disk full");
                                  }),
               std::runtime_error);
  EXPECT_EQ(ReadText(Path("a.txt")), "old\n");
  EXPECT_FALSE(fs::exists(Path("a.txt.saving")));
}

TEST_F(ReplacingFileTest, AFolderThatDoesNotExistIsAFileError) {
  EXPECT_THROW(WriteFileReplacing(Path("no/such/a.txt"), [](std::ostream&) {}), ProjectFileError);
}

TEST_F(ReplacingFileTest, AStagedSaveWithAMissingStageFileKeepsTheDataFile) {
  project.DataFileName = Path("wall.kv5d");
  project.StageCount = 2;
  WriteText(project.DataFileName, "previous contents\n");
  // Stage 1 is written by the save; stage 2 has no file.
  EXPECT_THROW(SaveProject(project), ProjectFileError);
  EXPECT_EQ(ReadText(project.DataFileName), "previous contents\n");
}

}  // namespace
}  // namespace korvex::project::testing
