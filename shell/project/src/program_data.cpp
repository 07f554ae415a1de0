#include "korvex/project/program_data.h"

#include <algorithm>

#include "korvex/project/data_file_names.h"

namespace korvex::project {
namespace {

// Length and force factors of a switch; the SI-to-English pair is rounded,
// not the exact reciprocal of the other.
struct UnitFactors {
  double b;  // length
  double c;  // force
};

bool SwitchFactors(int from, int to, UnitFactors& f) {
  if (from == 1 && to == 2) {
    f = {0.0254, 0.004448222468060650624};
    return true;
  }
  if (from == 2 && to == 1) {
    f = {39.3701, 224.8089};
    return true;
  }
  return false;
}

}  // namespace

TProgramData::TProgramData(ProjectTables& tables) : tables_(&tables) {
  NewProject();
}

void TProgramData::NewProject() {
  const auto on_units = std::move(on_units_changed);
  *this = TProgramData(*tables_, 0);
  on_units_changed = on_units;
  const auto& list = tables_->ProjectTableList();
  for (TGridTable* t : list) t->SetRowCount(0);
  for (TGridTable* t : tables_->AllTables()) t->SetUnits(1);
  for (TGridTable* t : list) t->SetRowCount(t->MinRows());
  SetModified(false);
}

void TProgramData::SetUnitSystem(int n) {
  n = std::clamp(n, 1, 3);
  UnitFactors f{};
  if (SwitchFactors(unit_system_, n, f)) {
    const double b = f.b, c = f.c;
    for (double* x :
         {&IncrementLength, &MaxDeflection, &ClosureTolerance, &FreeHeight, &WaterDepthBackfill,
          &WaterDepthExcavation, &ActiveWidth, &PYWidth, &LegacySurcharge[0], &LegacySurcharge[4]})
      *x *= b;
    SurchargeAtTop *= c / (b * b);
    LegacySurcharge[3] *= c / (b * b);
    LegacySurcharge[1] *= c;
    LegacySurcharge[2] *= c / b;

    TGridTable& surcharge = tables_->SurchargeTable();
    for (int r = 0; r < surcharge.RowCount(); ++r) {
      const auto magnitude = surcharge.Cell(1, r);
      switch (static_cast<SurchargeType>(surcharge.Cell(0, r).GetInteger())) {
        case SurchargeType::kPoint:
          magnitude.SetReal(magnitude.GetReal() * c);
          break;
        case SurchargeType::kLine:
          magnitude.SetReal(magnitude.GetReal() * c / b);
          break;
        case SurchargeType::kStrip:
          magnitude.SetReal(magnitude.GetReal() * c / (b * b));
          break;
      }
    }
  }
  unit_system_ = n;
  for (TGridTable* t : tables_->AllTables()) t->SetUnits(n);
  if (on_units_changed) on_units_changed();
}

bool TProgramData::IsModified() const {
  if (modified_) return true;
  return std::any_of(tables_->ProjectTableList().begin(), tables_->ProjectTableList().end(),
                     [](const TGridTable* t) { return t->IsChanged(); });
}

void TProgramData::SetModified(bool modified) {
  modified_ = modified;
  if (!modified)
    for (TGridTable* t : tables_->ProjectTableList()) t->ResetChanged();
}

std::string TProgramData::StageFilePath(int k) const {
  return project::StageFilePath(DataFileName, k);
}

}  // namespace korvex::project
