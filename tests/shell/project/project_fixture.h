#pragma once
// A project over the real table definitions, a folder of its own for files,
// and message boxes answered from a script.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "korvex/project/data_file_writer.h"
#include "korvex/project/program_data.h"
#include "korvex/project/project_tables.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::project::testing {

namespace fs = std::filesystem;

// Records every box; questions take the next scripted answer (No when the
// script is used up).
class ScriptedDialogs : public UserDialogs {
 public:
  struct Shown {
    std::string kind;  // "information", "warning", "question"
    std::string text;
  };
  std::vector<Shown> shown;
  std::deque<Answer> answers;

  void Information(const std::string& text) override { shown.push_back({"information", text}); }
  void Warning(const std::string& text) override { shown.push_back({"warning", text}); }
  bool YesNo(const std::string& text) override { return Ask(text) == Answer::kYes; }
  Answer YesNoCancel(const std::string& text) override { return Ask(text); }

 private:
  Answer Ask(const std::string& text) {
    shown.push_back({"question", text});
    if (answers.empty()) return Answer::kNo;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
};

inline std::string ReadText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

inline void WriteText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary);
  out << text;
}

inline const fs::path kSourceDir = KORVEX_SOURCE_DIR;
inline const fs::path kDataDir = kSourceDir / "tests" / "shell" / "project" / "data";

class ProjectTest : public ::testing::Test {
 protected:
  ProjectTest()
      : tables_(ProjectTables::FromFile(kSourceDir / "shell" / "tables" / "definitions" /
                                        "project_tables.ktd")),
        project(*tables_) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& ch : name)
      if (ch == '/') ch = '_';
    dir = fs::temp_directory_path() /
          ("korvex-project-" + name + "-" + std::to_string(std::random_device{}()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~ProjectTest() override { fs::remove_all(dir); }

  ProjectTables& tables() const { return *tables_; }
  std::string WholeFileText() {
    std::ostringstream out;
    WriteWholeFile(out, project);
    return out.str();
  }
  std::string Path(const std::string& name) const { return (dir / name).string(); }

 private:
  std::unique_ptr<ProjectTables> tables_;

 protected:
  TProgramData project;
  ScriptedDialogs dialogs;
  fs::path dir;
};

}  // namespace korvex::project::testing
