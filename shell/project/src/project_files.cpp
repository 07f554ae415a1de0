#include "korvex/project/project_files.h"

#include <filesystem>
#include <fstream>

#include "korvex/project/data_file_reader.h"
#include "korvex/project/data_file_writer.h"
#include "korvex/project/names_file_writer.h"
#include "korvex/project/project_stages.h"
#include "korvex/project/replacing_file.h"
#include "korvex/project/staged_file.h"
#include "korvex/tables/table_error.h"

namespace korvex::project {

bool OpenProject(TProgramData& project, const std::string& path, FileVersion version,
                 UserDialogs& dialogs) {
  bool ok = ReadWholeFile(project, path, version, dialogs);
  if (project.StageCount > 1) ok = SplitStagedFile(project, path, version, dialogs) && ok;
  return ok;
}

bool SplitStagedFile(TProgramData& project, const std::string& source, FileVersion version,
                     UserDialogs& dialogs) {
  std::ifstream in(source, std::ios::binary);
  if (!in) throw tables::InputOutputError("Cannot open file " + source);
  const std::vector<std::string> stages = SplitStages(in);
  DeleteStageFiles(project.DataFileName, 1);
  const int count = project.StageCount;
  const int found = std::min(count, static_cast<int>(stages.size()));
  for (int k = 1; k <= found; ++k)
    WriteFileReplacing(project.StageFilePath(k),
                       [&](std::ostream& out) { out << stages[static_cast<std::size_t>(k - 1)]; });

  bool ok = true;
  if (version != FileVersion::k2015) {
    project.HasTiebackCount = false;
    project.HasMEICount = version == FileVersion::k2013;
    for (int k = 1; k <= found; ++k) {
      project.CurrentStage = k;
      // Reading a stage sets nothing of the layout; writing sets the 2015 one.
      const bool has_mei = project.HasMEICount;
      ok = ReadStageFile(project, project.StageFilePath(k), dialogs) && ok;
      SaveStage(project);
      project.HasMEICount = has_mei;
      project.HasTiebackCount = false;
    }
  }
  project.HasMEICount = project.HasTiebackCount = true;
  if (found < count) {
    dialogs.Information("This file either invalid or incomplete.");
    ok = false;
    for (int k = found + 1; k <= count; ++k) {
      project.CurrentStage = k - 1;
      LoadStage(project, dialogs);
      project.CurrentStage = k;
      SaveStage(project);
    }
  }
  project.CurrentStage = 1;
  LoadStage(project, dialogs);
  project.SetModified(false);
  return ok;
}

bool NeedsSaveAs(const TProgramData& project) {
  return project.DataFileName == kDefaultDataFileName || !HasCurrentExtension(project.DataFileName);
}

namespace {

void WriteDataFile(TProgramData& project, const std::string& stage_source) {
  if (project.StageCount > 1) {
    WriteFileReplacing(project.DataFileName, [&](std::ostream& out) {
      JoinStageFiles(out, stage_source, project.StageCount, project.Title);
    });
  } else {
    WriteFileReplacing(project.DataFileName,
                       [&](std::ostream& out) { WriteWholeFile(out, project); });
  }
  project.SetModified(false);
}

}  // namespace

void SaveProject(TProgramData& project) {
  if (project.StageCount > 1) SaveStage(project);
  project.SaveTargetName = project.DataFileName;
  WriteDataFile(project, project.DataFileName);
}

void SaveProjectAs(TProgramData& project, const std::string& path) {
  if (project.StageCount > 1) {
    SaveStage(project);
    project.StageSourceName = project.DataFileName;
  }
  project.DataFileName = path;
  project.SaveTargetName = path;
  WriteDataFile(project, project.StageSourceName);
  if (project.StageCount > 1 &&
      with_extension(project.StageSourceName, "") != with_extension(path, "")) {
    MoveStageFiles(project.StageSourceName, path, project.StageCount);
    project.StageFileName = project.StageFilePath(project.CurrentStage);
  }
}

}  // namespace korvex::project
