#include "korvex/project/data_file_writer.h"

#include <string>

#include "korvex/numeric/number_text.h"
#include "korvex/project/soil_parameter_places.h"

namespace korvex::project {
namespace {

using tables::TGridTable;

constexpr char kTab = '\t';
constexpr const char* kEmptyPlace = "0.0  ";

std::string Real(long double x) {
  return numeric::FormatGeneral(x, numeric::kCellDigits);
}

enum class ProblemKind { kSingle, kLongTerm, kStage };

class ProblemWriter {
 public:
  ProblemWriter(std::ostream& out, TProgramData& project, ProblemKind kind)
      : out_(out), p_(project), t_(project.Tables()), kind_(kind) {}

  void Write(int terminator) {
    const bool long_term = kind_ == ProblemKind::kLongTerm;
    NormalizeForWrite(p_);
    const ProblemCodes codes = DeriveProblemCodes(p_, long_term);
    const bool english = p_.UnitSystem() == 1;
    const bool si = p_.UnitSystem() == 2;

    if (kind_ == ProblemKind::kStage && p_.CurrentStage >= 2)
      out_ << " Stage No : " << p_.CurrentStage << '\n';
    else
      out_ << p_.Title << '\n';

    // Record 2.
    out_ << p_.UnitSystem() << ' ' << t_.Soillayer().RowCount() << kTab << t_.PileSect().RowCount()
         << kTab << t_.PYMod().RowCount() << kTab << codes.kep << kTab << codes.kpy << ' '
         << t_.PYCurves2().RowCount() << ' ' << p_.StageCount << ' ' << codes.nmei << ' '
         << codes.ntie << '\n';
    // Record 3.
    out_ << p_.NodeCount << ' ' << Real(p_.IncrementLength) << kTab << Real(p_.MaxDeflection)
         << kTab << Real(p_.ClosureTolerance) << kTab << Real(p_.FreeHeight) << kTab
         << Real(p_.ActiveWidth) << '\n';

    Rows(t_.Soillayer(), {0, 1, 2, 3});  // record 4
    Rows(t_.PileSect(), {0, 1, 2, 3});   // record 5
    out_ << t_.BoundCond().RowCount() << '\n';
    Rows(t_.BoundCond(), {0, 1, 2, 3, 4, 5});  // record 6a
    out_ << t_.SoilStrength().RowCount() << '\n';
    Rows(t_.SoilStrength(), {1, 2, 0, 3, 4});  // record 7a: nodes first

    // Record 8: the area is held in mm^2 in SI, written in m^2.
    const TGridTable& tie = t_.TiebackTable1();
    for (int r = 0; r < codes.ntie && r < tie.RowCount(); ++r) {
      for (int c = 0; c < 7; ++c) {
        if (c) out_ << kTab;
        if (c == 1 && si)
          out_ << Real(tie.Cell(c, r).GetReal() / 1000000);
        else
          out_ << tie.Cell(c, r).GetText();
      }
      out_ << '\n';
    }

    // Record 9: depths in feet in the table, inches in the file.
    const TGridTable& mod = t_.PYMod();
    for (int r = 0; r < mod.RowCount(); ++r)
      out_ << (english ? Real(mod.Cell(0, r).GetReal() * 12) : mod.Cell(0, r).GetText()) << kTab
           << mod.Cell(1, r).GetText() << kTab << mod.Cell(2, r).GetText() << '\n';

    // Record 10: user-specified pressure (feet and lb/ft in the table).
    if (codes.kep == 1) {
      const TGridTable& dist = long_term ? t_.LongDist() : t_.DistLoad();
      out_ << dist.RowCount() << '\n';
      for (int r = 0; r < dist.RowCount(); ++r) {
        if (english)
          out_ << Real(dist.Cell(0, r).GetReal() * 12) << kTab
               << Real(dist.Cell(1, r).GetReal() / 12) << '\n';
        else
          out_ << dist.Cell(0, r).GetText() << kTab << dist.Cell(1, r).GetText() << '\n';
      }
    }

    if (codes.kep == 2 || codes.kep == 3 || codes.kpy == 2) {
      out_ << Real(p_.FreeHeight) << kTab << Real(p_.ActiveWidth) << kTab << Real(p_.PYWidth)
           << kTab << Real(p_.WaterDepthBackfill) << kTab << Real(p_.WaterDepthExcavation) << kTab
           << Real(p_.ActivePressureFactor) << kTab << p_.PressureSwitch << kTab
           << Real(p_.BackfillSlope) << '\n';
      out_ << Real(p_.SurchargeAtTop);
      for (double x : p_.LegacySurcharge) out_ << kTab << Real(x);
      out_ << '\n';
      out_ << t_.SurchargeTable().RowCount() << '\n';
      Rows(t_.SurchargeTable(), {0, 1, 2, 3});  // record 13a
      Layers(long_term ? t_.LongSoil() : t_.NewSoil(), english, long_term);
    }

    // Record 15.
    const TGridTable& sets = t_.PYCurves2();
    if (p_.ApplyExternalPYCurves) {
      for (int r = 0; r < sets.RowCount(); ++r) {
        const TGridTable* curve = sets.Cell(1, r).GetSubTable();
        const int points = curve ? curve->RowCount() : 0;
        out_ << sets.Cell(0, r).GetText() << kTab << points << kTab << sets.Cell(2, r).GetText()
             << kTab << sets.Cell(3, r).GetText() << '\n';
        if (curve) Rows(*curve, {0, 1});
      }
    }
    // Record 16.
    const TGridTable& mei = t_.MEICurves2();
    for (int r = 0; r < codes.nmei; ++r) {
      const TGridTable* curve = mei.Cell(2, r).GetSubTable();
      const int points = curve ? curve->RowCount() : 0;
      out_ << mei.Cell(0, r).GetText() << kTab << mei.Cell(1, r).GetText() << kTab << points
           << '\n';
      if (curve) Rows(*curve, {0, 1});
    }
    out_ << terminator << '\n';
    p_.IsVersion3 = p_.HasMEICount = p_.HasTiebackCount = true;
  }

 private:
  // One line per row: the texts of the listed columns, tab separated.
  void Rows(const TGridTable& table, std::initializer_list<int> columns) {
    for (int r = 0; r < table.RowCount(); ++r) {
      bool first = true;
      for (int c : columns) {
        if (!first) out_ << kTab;
        first = false;
        out_ << table.Cell(c, r).GetText();
      }
      out_ << '\n';
    }
  }

  // Records 14 and 14a.
  void Layers(const TGridTable& layers, bool english, bool long_term) {
    out_ << layers.RowCount() << '\n';
    for (int r = 0; r < layers.RowCount(); ++r) {
      const int type = layers.Cell(kLayerTypeColumn, r).GetInteger();
      const auto depth = layers.Cell(kLayerDepthColumn, r);
      out_ << type << ' ' << (english ? Real(depth.GetReal() * 12) : depth.GetText()) << " \n";
      const TGridTable* params = layers.Cell(kLayerParametersColumn, r).GetSubTable();
      const SoilParameterPlaces& places = PlacesOfSoilType(type);
      for (int row = 0; row < 2; ++row) {
        for (int place = 0; place < kSoilParameterPlaces; ++place) {
          const SoilPlace& sp = places[static_cast<std::size_t>(place)];
          const bool skipped = long_term && place == kCoefficientPlace && type <= 5;
          if (sp.column < 0 || skipped || !params || row >= params->RowCount() ||
              sp.column >= params->ColumnCount()) {
            out_ << kEmptyPlace;
            continue;
          }
          const auto cell = params->Cell(sp.column, row);
          const long double factor = english ? EnglishTableFactor(sp.quantity) : 1;
          out_ << (factor == 1 ? cell.GetText() : Real(cell.GetReal() / factor)) << ' ';
        }
        out_ << '\n';
      }
    }
  }

  std::ostream& out_;
  TProgramData& p_;
  ProjectTables& t_;
  ProblemKind kind_;
};

}  // namespace

ProblemCodes DeriveProblemCodes(TProgramData& p, bool long_term) {
  ProblemCodes codes;
  if (p.UserEarthPressure) {
    p.EarthPressureFromFile = false;
    codes.kep = 1;
  } else if (p.GeneratePYCurves || p.EarthPressureFromFile) {
    codes.kep = long_term ? 2 : p.EarthPressureOption;
  }
  codes.kpy = p.GeneratePYCurves ? 2 : p.ApplyExternalPYCurves ? 1 : 0;
  const ProjectTables& t = p.Tables();
  codes.nmei = p.ApplyMEICurves ? t.MEICurves2().RowCount() : 0;
  codes.ntie = p.ApplyTiebacks ? t.TiebackTable1().RowCount() : 0;
  return codes;
}

void NormalizeForWrite(TProgramData& p) {
  const ProjectTables& t = p.Tables();
  if (!p.ApplyConcentratedLoads) t.BoundCond().SetRowCount(0);
  if (!p.ApplyRestraints) t.Soillayer().SetRowCount(0);
  if (!p.ApplyExternalPYCurves) t.PYCurves2().SetRowCount(0);
  if (!p.ApplyPYModification) t.PYMod().SetRowCount(0);
  if (!p.ApplyLateralSprings) t.SoilStrength().SetRowCount(0);
  if (!p.ApplyTiebacks) t.TiebackTable1().SetRowCount(0);
  if (!p.ApplyAdditionalSurcharge) t.SurchargeTable().SetRowCount(0);
  TGridTable& stiffness = t.PileSect();
  if (stiffness.RowCount() > 0) stiffness.Cell(2, stiffness.RowCount() - 1).SetInteger(1);
}

void WriteWholeFile(std::ostream& out, TProgramData& project) {
  project.NextCaseCode = project.LongTermAnalysis ? 9 : 0;
  ProblemWriter(out, project, ProblemKind::kSingle).Write(project.NextCaseCode);
  if (project.LongTermAnalysis) ProblemWriter(out, project, ProblemKind::kLongTerm).Write(0);
}

void WriteStageFile(std::ostream& out, TProgramData& project) {
  ProblemWriter(out, project, ProblemKind::kStage).Write(project.CurrentStage);
}

}  // namespace korvex::project
