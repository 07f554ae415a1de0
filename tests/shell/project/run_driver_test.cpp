// The Run Analysis command with the engine, stand-in engines and none.
#include "korvex/project/run_driver.h"

#include <gtest/gtest.h>

#include "korvex/project/project_files.h"
#include "korvex/project/replacing_file.h"
#include "project_fixture.h"

namespace korvex::project::testing {
namespace {

const fs::path kEngineFolder = KORVEX_ENGINE_FOLDER;
const fs::path kStandIns = KORVEX_STAND_IN_FOLDER;
constexpr const char* kCompleted =
    "Computations are completed. Please, check output file for results or error messages.";

class RunDriverTest : public ProjectTest {
 protected:
  RunDriverTest() {
    settings.program_folder = kEngineFolder;
    settings.run_folder = dir / "run";
    fs::create_directories(settings.run_folder);
    data_file = Path("cantilever.kv5d");
    fs::copy_file(kSourceDir / "examples" / "cantilever-sheet-pile" / "cantilever.kv5d", data_file);
    EXPECT_TRUE(OpenProject(project, data_file, FileVersion::k2015, dialogs));
    hooks.save = [](TProgramData& p) { SaveProject(p); };
    hooks.read_plot_data = [this](const std::string& plot) {
      plots_read.push_back(plot);
      return true;
    };
    hooks.after_run = [this] { ++after_runs; };
  }

  bool NamesFileExists() const { return fs::exists(settings.run_folder / "names.dat"); }
  std::string Result(const std::string& ext) const { return with_extension(data_file, ext); }

  RunSettings settings;
  RunHooks hooks;
  TRunDriver driver;
  std::string data_file;
  std::vector<std::string> plots_read;
  int after_runs = 0;
};

TEST_F(RunDriverTest, ASuccessfulRunLeavesTheResultsAndNoFileList) {
  const fs::path cwd = fs::current_path();
  EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kCompleted);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "information");
  EXPECT_EQ(dialogs.shown[0].text, kCompleted);
  for (const char* ext : {".kv5o", ".kv5p", ".kv5r"}) EXPECT_TRUE(fs::exists(Result(ext))) << ext;
  EXPECT_FALSE(NamesFileExists());
  EXPECT_EQ(plots_read, std::vector<std::string>{Result(".kv5p")});
  EXPECT_TRUE(driver.ResultsAvailable());
  EXPECT_EQ(after_runs, 1);
  EXPECT_EQ(fs::current_path(), cwd);
  EXPECT_NE(ReadText(Result(".kv5o")).find("END OF ANALYSIS"), std::string::npos);
}

TEST_F(RunDriverTest, AProjectLeftWithTheDefaultNameIsNotRun) {
  project.NewProject();
  hooks.save = [](TProgramData&) {};  // the Save As dialog was cancelled
  EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kNotSaved);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(NamesFileExists());
}

TEST_F(RunDriverTest, AFailedCheckEndsTheRunAfterItsWarning) {
  project.NodeCount = 50;  // the stiffness row ends at node 60
  EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kCheckFailed);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, "warning");
  EXPECT_FALSE(NamesFileExists());
  EXPECT_FALSE(fs::exists(Result(".kv5o")));
}

TEST_F(RunDriverTest, EnginesThatCannotBeUsedFailToInitialize) {
  for (const fs::path& folder : {dir / "no-engine-here", kStandIns / "no_entry"}) {
    dialogs.shown.clear();
    settings.program_folder = folder;
    EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kEngineNotLoaded);
    ASSERT_EQ(dialogs.shown.size(), 1u) << folder;
    EXPECT_EQ(dialogs.shown[0].text, "Attempt to initialize DLL failed");
    EXPECT_TRUE(NamesFileExists());  // left for the next successful run
    EXPECT_FALSE(fs::exists(Result(".kv5o")));
  }
  EXPECT_EQ(after_runs, 0);
  settings.program_folder = kEngineFolder;
  EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kCompleted);
  EXPECT_FALSE(NamesFileExists());
}

TEST_F(RunDriverTest, AnEngineThatDoesNotComputeIsNotConsistent) {
  settings.program_folder = kStandIns / "not_computed";
  EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kNotComputed);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  const std::string& text = dialogs.shown[0].text;
  EXPECT_EQ(text.rfind("Computations can not be performed. Executable files are not consistent.\n"
                       "You may need to reinstall the program.\n",
                       0),
            0u);
  EXPECT_TRUE(plots_read.empty());
  EXPECT_FALSE(NamesFileExists());
  EXPECT_EQ(after_runs, 1);
}

TEST_F(RunDriverTest, TheFileListLinesNameTheDataAndResultFiles) {
  settings.program_folder = kStandIns / "no_entry";
  settings.user = {"A. Engineer", " Firm ", " Town ", 7};
  driver.Run(project, dialogs, settings, hooks);
  EXPECT_EQ(ReadText(settings.run_folder / "names.dat"),
            "2015.5.15\nA. Engineer\nFirm, Town\n7\n" + data_file + "\n" + Result(".kv5o") + "\n" +
                Result(".kv5p") + "\n" + Result(".kv5r") + "\n");
}

TEST_F(RunDriverTest, AFileListThatCannotBeWrittenStopsBeforeTheEngine) {
  settings.run_folder = dir / "run";
  fs::remove_all(settings.run_folder);
  fs::create_directories(settings.run_folder / "names.dat");  // a folder in the way
  EXPECT_THROW(driver.Run(project, dialogs, settings, hooks), ProjectFileError);
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(fs::exists(Result(".kv5o")));
}

TEST_F(RunDriverTest, ARunStartedWhileTheEngineIsLoadedIsRefused) {
  RunOutcome inner = RunOutcome::kCompleted;
  hooks.read_plot_data = [&](const std::string&) {
    inner = driver.Run(project, dialogs, settings, RunHooks{});
    return true;
  };
  EXPECT_EQ(driver.Run(project, dialogs, settings, hooks), RunOutcome::kCompleted);
  EXPECT_EQ(inner, RunOutcome::kAlreadyLoaded);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[1].text, "Attempt to reinitialize DLL");
}

}  // namespace
}  // namespace korvex::project::testing
