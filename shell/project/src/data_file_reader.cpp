#include "korvex/project/data_file_reader.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "korvex/project/soil_parameter_places.h"
#include "korvex/tables/table_error.h"
#include "korvex/tables/word_reader.h"

namespace korvex::project {
namespace {

using tables::InputOutputError;
using tables::TGridTable;
using tables::TWordReader;

constexpr const char* kIncomplete = "This file either invalid or incomplete.";

// 2015 = 1, 2013 = 2, 3.0 = 3, 2.0 = 4; anything else reads like 2.0.
int LayoutNumber(FileVersion version) {
  const int v = static_cast<int>(version);
  return v >= 1 && v <= 4 ? v : 4;
}

std::size_t CountWords(const std::string& text) {
  std::size_t n = 0;
  bool in_word = false;
  for (const char ch : text) {
    const bool blank = static_cast<unsigned char>(ch) <= 32;
    if (!blank && !in_word) ++n;
    in_word = !blank;
  }
  return n;
}

std::string ReadAll(std::istream& in) {
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputOutputError("Cannot open file " + path);
  return ReadAll(in);
}

enum class Problem { kFirst, kLongTerm, kStage };

class ProblemReader {
 public:
  ProblemReader(TWordReader& reader, std::size_t words, TProgramData& project, int layout)
      : r_(reader), words_(words), p_(project), t_(project.Tables()), v_(layout) {}

  // Records 1 to 16 and, except for a 2.0 file, the terminator.
  void Read(Problem problem) {
    const bool first = problem == Problem::kFirst;
    const bool long_term = problem == Problem::kLongTerm;
    const bool stage = problem == Problem::kStage;

    const std::string title = r_.ReadLine();
    // The title is the project's: a stage file holds it (stage 1) or its
    // stage line, and neither replaces the one shown.
    if (!stage) p_.Title = title;

    // Record 2.
    p_.SetUnitSystem(r_.ReadInteger());
    const bool english = p_.UnitSystem() == 1;
    const bool si = p_.UnitSystem() == 2;
    const int nbc = Count(t_.Soillayer());
    Count(t_.PileSect());
    const int npymod = Count(t_.PYMod());
    const int kep = r_.ReadInteger();
    const int kpy = r_.ReadInteger();
    if (!long_term) {
      p_.ApplyRestraints = nbc > 0;
      p_.EarthPressureOption = kep;
      p_.EarthPressureFromFile = kep > 1;
      if (kpy == 2) p_.GeneratePYCurves = true;
      if (kpy < 2 || kep == 0) p_.GeneratePYCurves = false;
      if (kpy == 1) p_.ApplyExternalPYCurves = true;
      if (kpy == 0) p_.ApplyExternalPYCurves = false;
      if (kep != 1) p_.UserEarthPressure = false;
      p_.LongTermAnalysis = false;
    }
    const int npyset = Count(t_.PYCurves2());
    // Each option follows its count, so a stage without tiebacks (say) does
    // not keep the option of the stage shown before.
    if (!long_term) {
      if (npyset > 0) p_.ApplyExternalPYCurves = true;
      p_.ApplyPYModification = npymod > 0;
    }
    if (v_ <= 3) {
      const int stages = r_.ReadInteger();
      if (first) p_.StageCount = std::clamp(stages, 1, kMaxStages);
    }
    int nmei = 0;
    if (v_ <= 2) {
      nmei = Count(t_.MEICurves2());
      if (!long_term) p_.ApplyMEICurves = nmei > 0;
    }
    int ntie = 0;
    if (v_ == 1) {
      ntie = Count(t_.TiebackTable1());
      if (!long_term) p_.ApplyTiebacks = ntie > 0;
    }

    // Record 3. Its sixth value is ActiveWidth, which record 11 repeats; a
    // file without record 11 has it only here.
    p_.NodeCount = r_.ReadInteger();
    p_.IncrementLength = r_.ReadReal();
    p_.MaxDeflection = r_.ReadReal();
    p_.ClosureTolerance = r_.ReadReal();
    p_.FreeHeight = r_.ReadReal();
    if (v_ == 1) p_.ActiveWidth = r_.ReadReal();

    ReadRows(t_.Soillayer(), {kInt, kInt, kReal, kReal}, {0, 1, 2, 3});
    ReadRows(t_.PileSect(), {kInt, kInt, kInt, kReal}, {0, 1, 2, 3});
    const int ncl = Count(t_.BoundCond());
    if (!long_term) p_.ApplyConcentratedLoads = ncl > 0;
    ReadRows(t_.BoundCond(), {kInt, kInt, kInt, kReal, kReal, kReal}, {0, 1, 2, 3, 4, 5});
    const int nspr = Count(t_.SoilStrength());
    if (!long_term) p_.ApplyLateralSprings = nspr > 0;
    ReadRows(t_.SoilStrength(), {kInt, kInt, kInt, kReal, kReal}, {1, 2, 0, 3, 4});

    // Record 8: six or seven values; the area is m^2 in SI files, mm^2 in
    // the table.
    TGridTable& tie = t_.TiebackTable1();
    for (int row = 0; row < ntie; ++row) {
      for (int c = 0; c < 6; ++c) {
        const double x = r_.ReadReal();
        tie.Cell(c, row).SetReal(c == 1 && si ? x * 1000000.0L : x);
      }
      if (r_.WordCount() > 6) tie.Cell(6, row).SetReal(r_.ReadReal());
    }

    // Record 9: inches in English files, feet in the table.
    TGridTable& mod = t_.PYMod();
    for (int row = 0; row < npymod; ++row) {
      const double depth = r_.ReadReal();
      mod.Cell(0, row).SetReal(english ? depth / 12.0L : depth);
      mod.Cell(1, row).SetReal(r_.ReadReal());
      mod.Cell(2, row).SetReal(r_.ReadReal());
    }

    // Record 10.
    if (kep == 1) {
      TGridTable& dist = long_term ? t_.LongDist() : t_.DistLoad();
      const int ndist = Count(dist);
      for (int row = 0; row < ndist; ++row) {
        const double depth = r_.ReadReal();
        const double load = r_.ReadReal();
        dist.Cell(0, row).SetReal(english ? depth / 12.0L : depth);
        dist.Cell(1, row).SetReal(english ? load * 12.0L : load);
      }
      if (!long_term) {
        p_.EarthPressureOption = 1;
        p_.UserEarthPressure = ndist > 0;
      }
    }

    if (kep > 1 || kpy > 1) {
      ReadSoilRecords(long_term, english, si);
    }

    // Record 15.
    TGridTable& sets = t_.PYCurves2();
    for (int row = 0; row < npyset; ++row) {
      sets.Cell(0, row).SetInteger(r_.ReadInteger());
      const int points = ReadCountValue();
      if (v_ <= 2) {
        sets.Cell(2, row).SetReal(r_.ReadReal());
        sets.Cell(3, row).SetReal(r_.ReadReal());
      } else {
        sets.Cell(2, row).SetReal(1.0);
        sets.Cell(3, row).SetReal(1.0);
      }
      ReadCurve(sets.Cell(1, row).GetSubTable(), points);
    }
    if (!long_term) p_.ApplyExternalPYCurves = npyset > 0;

    // Record 16.
    if (p_.ApplyMEICurves) {
      TGridTable& mei = t_.MEICurves2();
      for (int row = 0; row < nmei; ++row) {
        mei.Cell(0, row).SetInteger(r_.ReadInteger());
        mei.Cell(1, row).SetInteger(r_.ReadInteger());
        ReadCurve(mei.Cell(2, row).GetSubTable(), ReadCountValue());
      }
    }

    // Record 17.
    if (v_ > 3) return;
    p_.NextCaseCode = r_.ReadInteger();
    if (stage) {
      p_.LongTermAnalysis = p_.NextCaseCode == 9;
    } else if (first && p_.NextCaseCode == 9) {
      // The rest of the terminator's line, then the long-term problem.
      r_.ReadLine();
      Read(Problem::kLongTerm);
      p_.LongTermAnalysis = true;
    }
  }

 private:
  enum Kind { kInt, kReal };

  // A row count; one larger than the words left in the file could fill is
  // a file that ends early (and would only cost memory to honour).
  int ReadCountValue() {
    const int n = r_.ReadInteger();
    if (n > 0 && static_cast<std::size_t>(n) > words_) throw InputOutputError(kIncomplete);
    return std::max(n, 0);
  }
  int Count(TGridTable& table) {
    const int n = ReadCountValue();
    table.SetRowCount(n);
    return n;
  }

  void ReadRows(TGridTable& table, std::initializer_list<Kind> kinds,
                std::initializer_list<int> columns) {
    for (int row = 0; row < table.RowCount(); ++row) {
      auto column = columns.begin();
      for (const Kind kind : kinds) {
        const auto cell = table.Cell(*column++, row);
        if (kind == kInt)
          cell.SetInteger(r_.ReadInteger());
        else
          cell.SetReal(r_.ReadReal());
      }
    }
  }

  void ReadCurve(TGridTable* curve, int points) {
    if (curve) curve->SetRowCount(points);
    for (int row = 0; row < points; ++row) {
      for (int c = 0; c < 2; ++c) {
        const double x = r_.ReadReal();
        if (curve) curve->Cell(c, row).SetReal(x);
      }
    }
  }

  // Records 11 to 14.
  void ReadSoilRecords(bool long_term, bool english, bool si) {
    p_.FreeHeight = r_.ReadReal();
    p_.ActiveWidth = r_.ReadReal();
    p_.PYWidth = r_.ReadReal();
    p_.WaterDepthBackfill = r_.ReadReal();
    p_.WaterDepthExcavation = r_.ReadReal();
    p_.ActivePressureFactor = r_.ReadReal();
    // A factor of 0.036 (the unit weight of water) stands for an unset one.
    if (p_.ActivePressureFactor == 0.036) p_.ActivePressureFactor = 1.0;
    p_.PressureSwitch = r_.ReadInteger();
    p_.BackfillSlope = r_.ReadReal();
    p_.SurchargeAtTop = r_.ReadReal();
    for (double& x : p_.LegacySurcharge) x = r_.ReadReal();

    TGridTable& surcharge = t_.SurchargeTable();
    if (v_ <= 2) {
      const int nsur = Count(surcharge);
      if (!long_term) p_.ApplyAdditionalSurcharge = nsur > 0;
      ReadRows(surcharge, {kInt, kReal, kReal, kReal}, {0, 1, 2, 3});
    } else if (p_.LegacySurcharge[0] <= 0) {
      if (!long_term) p_.ApplyAdditionalSurcharge = false;
    } else {
      // One legacy record of point, line and strip load at one distance:
      // three rows. Distance and width are millimetres in the SI table.
      const long double to_table = si ? 1000 : 1;
      surcharge.SetRowCount(3);
      for (int row = 0; row < 3; ++row) {
        surcharge.Cell(0, row).SetInteger(row + 1);
        surcharge.Cell(1, row).SetReal(p_.LegacySurcharge[static_cast<std::size_t>(row) + 1]);
        surcharge.Cell(2, row).SetReal(p_.LegacySurcharge[0] * to_table);
        surcharge.Cell(3, row).SetReal(p_.LegacySurcharge[4] * to_table);
      }
      p_.ApplyAdditionalSurcharge = true;
    }

    // Record 14.
    TGridTable& layers = long_term ? t_.LongSoil() : t_.NewSoil();
    const int nlay = Count(layers);
    long double bottom = 0;
    for (int row = 0; row < nlay; ++row) {
      const int type = r_.ReadInteger();
      if (!IsSoilType(type))
        throw InputOutputError("Error on Line " + std::to_string(r_.LineNumber()) +
                               "\nA soil type from 1 to 7 was expected but not found.");
      layers.Cell(kLayerTypeColumn, row).SetInteger(type);
      const double depth = r_.ReadReal();
      if (v_ == 4) {
        bottom += depth;  // 2.0 files hold thicknesses
        layers.Cell(kLayerDepthColumn, row).SetReal(bottom);
      } else {
        layers.Cell(kLayerDepthColumn, row).SetReal(english ? depth / 12.0L : depth);
      }
      TGridTable* params = layers.Cell(kLayerParametersColumn, row).GetSubTable();
      const SoilParameterPlaces& places = PlacesOfSoilType(type);
      if (v_ == 4) {
        if (type == 7) continue;  // no parameter line for weak rock
        for (int place = 0; place < 5; ++place) {
          const double x = r_.ReadReal();
          for (int prow = 0; prow < 2; ++prow)
            Store(params, places[static_cast<std::size_t>(place)], prow, x, false);
        }
        continue;
      }
      for (int prow = 0; prow < 2; ++prow) {
        for (int place = 0; place < kSoilParameterPlaces; ++place) {
          const double x = r_.ReadReal();
          if (long_term && place == kCoefficientPlace && type <= 5) continue;
          Store(params, places[static_cast<std::size_t>(place)], prow, x, english);
        }
      }
    }
  }

  static void Store(TGridTable* params, const SoilPlace& place, int row, double x, bool english) {
    if (!params || place.column < 0 || place.column >= params->ColumnCount()) return;
    if (row >= params->RowCount()) params->SetRowCount(row + 1);
    params->Cell(place.column, row).SetReal(english ? x * EnglishTableFactor(place.quantity) : x);
  }

  TWordReader& r_;
  std::size_t words_;
  TProgramData& p_;
  ProjectTables& t_;
  int v_;
};

// Empty tables get their minimum rows. A table the file filled keeps its
// rows: padding a p-y set, modification or load table with rows of defaults
// would add loads and curves the file did not have.
void GiveMinimumRows(ProjectTables& tables) {
  for (TGridTable* t : tables.ProjectTableList())
    if (t->RowCount() == 0) t->SetRowCount(t->MinRows());
}

// Runs `read`, showing a token error; true when none occurred.
template <class F>
bool ShowingTokenErrors(UserDialogs& dialogs, F read) {
  try {
    read();
    return true;
  } catch (const InputOutputError& e) {
    dialogs.Information(e.what());
    return false;
  }
}

bool ReadWholeText(TProgramData& p, const std::string& text, FileVersion version,
                   UserDialogs& dialogs) {
  const int v = LayoutNumber(version);
  const std::string name = p.DataFileName;
  p.NewProject();
  p.DataFileName = name;
  for (TGridTable* t : p.Tables().ProjectTableList()) t->SetRowCount(0);
  std::istringstream in(text);
  TWordReader reader(in);
  const bool ok = ShowingTokenErrors(
      dialogs, [&] { ProblemReader(reader, CountWords(text), p, v).Read(Problem::kFirst); });
  GiveMinimumRows(p.Tables());
  p.SetModified(false);
  p.IsVersion3 = v == 3;
  p.HasMEICount = true;
  p.HasTiebackCount = v == 1;
  return ok;
}

bool ReadStageText(TProgramData& p, const std::string& text, UserDialogs& dialogs) {
  const int v = p.HasTiebackCount ? 1 : p.HasMEICount ? 2 : 3;
  std::istringstream in(text);
  TWordReader reader(in);
  const bool ok = ShowingTokenErrors(
      dialogs, [&] { ProblemReader(reader, CountWords(text), p, v).Read(Problem::kStage); });
  GiveMinimumRows(p.Tables());
  return ok;
}

}  // namespace

bool ReadWholeFile(TProgramData& project, const std::string& path, FileVersion version,
                   UserDialogs& dialogs) {
  const std::string text = ReadAll(path);
  project.DataFileName = path;
  return ReadWholeText(project, text, version, dialogs);
}

bool ReadWholeFile(TProgramData& project, std::istream& in, FileVersion version,
                   UserDialogs& dialogs) {
  return ReadWholeText(project, ReadAll(in), version, dialogs);
}

bool ReadStageFile(TProgramData& project, const std::string& path, UserDialogs& dialogs) {
  return ReadStageText(project, ReadAll(path), dialogs);
}

bool ReadStageFile(TProgramData& project, std::istream& in, UserDialogs& dialogs) {
  return ReadStageText(project, ReadAll(in), dialogs);
}

}  // namespace korvex::project
