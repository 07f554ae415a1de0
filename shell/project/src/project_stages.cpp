#include "korvex/project/project_stages.h"

#include <algorithm>
#include <filesystem>

#include "korvex/project/data_file_reader.h"
#include "korvex/project/data_file_writer.h"
#include "korvex/project/replacing_file.h"
#include "korvex/project/staged_file.h"

namespace korvex::project {

std::string StageStatusText(int stage) {
  return "Construction Stage Number: " + std::to_string(stage);
}

void SaveStage(TProgramData& project) {
  project.StageFileName = project.StageFilePath(project.CurrentStage);
  WriteFileReplacing(project.StageFileName,
                     [&](std::ostream& out) { WriteStageFile(out, project); });
}

void LoadStage(TProgramData& project, UserDialogs& dialogs) {
  project.StageFileName = project.StageFilePath(project.CurrentStage);
  std::error_code ec;
  if (std::filesystem::exists(project.StageFileName, ec))
    ReadStageFile(project, project.StageFileName, dialogs);
}

void SwitchStage(TProgramData& project, int k, UserDialogs& dialogs) {
  if (k == project.CurrentStage) return;
  const bool modified = project.IsModified();
  SaveStage(project);
  project.CurrentStage = k;
  LoadStage(project, dialogs);
  project.SetModified(modified);
}

void CopyStageFromPrevious(TProgramData& project, UserDialogs& dialogs) {
  const int k = project.CurrentStage;
  if (k < 2) return;
  if (!dialogs.YesNo("Do you want to copy all information from Stage " + std::to_string(k - 1) +
                     " to Stage " + std::to_string(k)))
    return;
  project.CurrentStage = k - 1;
  LoadStage(project, dialogs);
  project.CurrentStage = k;
  SaveStage(project);
}

void ChangeStageCount(TProgramData& project, int n, UserDialogs& dialogs) {
  n = std::clamp(n, 1, kMaxStages);
  const int old = project.StageCount;
  // The stage shown keeps its edits before other stages are loaded.
  if (old > 1 && n != old) SaveStage(project);
  project.StageCount = n;
  if (n == 1 || old == 1 || n < old) project.CurrentStage = 1;
  if (n == 1) {
    DeleteStageFiles(project.DataFileName, 1);
    return;
  }
  if (n != old) {
    const int current = project.CurrentStage;
    for (int k = 1; k <= n; ++k) {
      project.CurrentStage = k;
      LoadStage(project, dialogs);
      SaveStage(project);
    }
    project.CurrentStage = current;
    LoadStage(project, dialogs);
    project.SetModified(true);
  }
  DeleteStageFiles(project.DataFileName, n + 1);
}

}  // namespace korvex::project
