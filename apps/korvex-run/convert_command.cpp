#include "convert_command.h"

#include <exception>
#include <optional>

#include "korvex/project/data_file_reader.h"
#include "korvex/project/project_files.h"
#include "korvex/project/staged_file.h"
#include "korvex/project/user_dialogs.h"

namespace korvex::run {
namespace {

using namespace korvex::project;

// Messages go to the error stream; questions are answered No.
class ConsoleDialogs : public UserDialogs {
 public:
  explicit ConsoleDialogs(std::ostream& err) : err_(err) {}
  void Information(const std::string& text) override { err_ << text << '\n'; }
  void Warning(const std::string& text) override { err_ << text << '\n'; }
  bool YesNo(const std::string&) override { return false; }
  Answer YesNoCancel(const std::string&) override { return Answer::kCancel; }

 private:
  std::ostream& err_;
};

std::optional<FileVersion> LayoutByName(const std::string& name) {
  if (name == "2015") return FileVersion::k2015;
  if (name == "2013") return FileVersion::k2013;
  if (name == "3.0") return FileVersion::k30;
  if (name == "2.0") return FileVersion::k20;
  return std::nullopt;
}

}  // namespace

int run_convert(const std::vector<std::string>& args, const std::filesystem::path& definitions,
                std::ostream& out, std::ostream& err) {
  std::optional<FileVersion> layout;
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--layout" && i + 1 < args.size()) {
      layout = LayoutByName(args[++i]);
      if (!layout) {
        err << "korvex-run: unknown layout " << args[i] << " (2015, 2013, 3.0 or 2.0)\n";
        return 2;
      }
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) {
    err << "usage:" << kConvertUsage + 6;
    return 2;
  }
  const std::string& in = files[0];
  const std::string& target = files[1];
  const FileVersion version = layout.value_or(FileVersionForPath(in));

  try {
    auto tables = ProjectTables::FromFile(definitions);
    TProgramData project(*tables);
    ConsoleDialogs dialogs(err);
    if (!ReadWholeFile(project, in, version, dialogs)) {
      err << "korvex-run: " << in << " not converted\n";
      return 1;
    }
    project.DataFileName = target;
    if (project.StageCount > 1 && !SplitStagedFile(project, in, version, dialogs)) {
      DeleteStageFiles(target, 1);
      err << "korvex-run: " << in << " not converted\n";
      return 1;
    }
    SaveProject(project);
  } catch (const std::exception& e) {
    err << "korvex-run: " << e.what() << '\n';
    return 1;
  }
  out << in << " -> " << target << '\n';
  return 0;
}

}  // namespace korvex::run
