// The shell's data-file readers on arbitrary text: the whole-file reader in
// each layout (2015, 2013, 3.0, 2.0) and the stage-file reader. A reader
// either fills the project or shows one information box; nothing escapes.
// A file that reads without a box must survive a save: writing it, reading
// that back and writing again gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>

#include "korvex/project/data_file_reader.h"
#include "korvex/project/data_file_writer.h"
#include "korvex/project/program_data.h"
#include "korvex/project/project_tables.h"
#include "korvex/project/user_dialogs.h"

namespace project = korvex::project;

namespace {

// Counts the boxes; every question is answered No.
class CountingDialogs : public project::UserDialogs {
 public:
  int shown = 0;
  void Information(const std::string&) override { ++shown; }
  void Warning(const std::string&) override { ++shown; }
  bool YesNo(const std::string&) override {
    ++shown;
    return false;
  }
  project::Answer YesNoCancel(const std::string&) override {
    ++shown;
    return project::Answer::kNo;
  }
};

// The shell's one set of tables, made once from the definition file.
project::ProjectTables& Tables() {
  static const std::unique_ptr<project::ProjectTables> tables =
      project::ProjectTables::FromFile(KORVEX_TABLE_DEFINITIONS);
  return *tables;
}

std::string Saved(project::TProgramData& p) {
  std::ostringstream out;
  project::WriteWholeFile(out, p);
  return out.str();
}

bool ReadWhole(project::TProgramData& p, const std::string& text, project::FileVersion version,
               CountingDialogs& dialogs) {
  std::istringstream in(text);
  const bool ok = project::ReadWholeFile(p, in, version, dialogs);
  // False exactly when a box told the user.
  if (ok != (dialogs.shown == 0)) std::abort();
  return ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  project::TProgramData p(Tables());
  for (const auto version : {project::FileVersion::k2015, project::FileVersion::k2013,
                             project::FileVersion::k30, project::FileVersion::k20}) {
    CountingDialogs dialogs;
    if (!ReadWhole(p, text, version, dialogs)) continue;
    const std::string first = Saved(p);
    CountingDialogs again;
    if (!ReadWhole(p, first, project::FileVersion::k2015, again)) std::abort();
    if (Saved(p) != first) std::abort();
  }

  // A stage file read into a project of each layout.
  for (int layout = 0; layout < 3; ++layout) {
    p.NewProject();
    p.HasTiebackCount = layout == 0;
    p.HasMEICount = layout <= 1;
    CountingDialogs dialogs;
    std::istringstream in(text);
    if (project::ReadStageFile(p, in, dialogs) != (dialogs.shown == 0)) std::abort();
  }
  return 0;
}
