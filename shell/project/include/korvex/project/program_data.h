#pragma once
// TProgramData: the one open project of the shell.
//
// The scalar fields live here; the tables are the shell's ProjectTables,
// which a new project, an opened file and a loaded stage all write into.
// Lengths are held in engine units (inches in English, metres in SI) unless
// noted; the tables hold display units.
#include <array>
#include <functional>
#include <string>

#include "korvex/project/project_tables.h"

namespace korvex::project {

inline constexpr const char* kDefaultDataFileName = "NewWall.kv5d";
inline constexpr int kMaxStages = 5;

class TProgramData {
 public:
  // `tables` must outlive the project. The project starts as NewProject().
  explicit TProgramData(ProjectTables& tables);
  TProgramData(const TProgramData&) = delete;

  ProjectTables& Tables() const noexcept { return *tables_; }

  // Defaults; every project table emptied and given its minimum rows; not
  // modified.
  void NewProject();

  // 1 English, 2 SI, 3 symbolic (clamped). Converts the scalars between 1
  // and 2 with the rounded factors (so 100 in to SI and back is
  // 100 * 0.0254 * 39.3701), switches every table, converts the surcharge
  // magnitudes by load type and calls on_units_changed.
  int UnitSystem() const noexcept { return unit_system_; }
  void SetUnitSystem(int n);

  // The modified flag or a changed cell in any project table.
  bool IsModified() const;
  // false also clears the changed marks of the tables.
  void SetModified(bool modified);

  // Stage file of stage k beside the data file (".st1" .. ".st5").
  std::string StageFilePath(int k) const;

  // Scalar fields.
  std::string DataFileName = kDefaultDataFileName;
  std::string Title = "New Wall";
  int NodeCount = 0;
  double IncrementLength = 0;
  double MaxDeflection = 100;
  double ClosureTolerance = 1.0E-5;
  double FreeHeight = 0;
  double ActiveWidth = 0;  // Wa
  double PYWidth = 0;      // Wp
  double WaterDepthBackfill = 0;
  double WaterDepthExcavation = 0;
  double ActivePressureFactor = 1.0;
  double BackfillSlope = 0;   // degrees
  double SurchargeAtTop = 0;  // psi in English
  int PressureSwitch = 1;     // carried between files
  // Distance, point load, line load, strip load, strip width (3.0 and 2.0
  // files).
  std::array<double, 5> LegacySurcharge{};
  int EarthPressureOption = 2;  // 1 user, 2 triangular, 3 trapezoidal
  bool UserEarthPressure = false;
  bool EarthPressureFromFile = false;
  bool GeneratePYCurves = true;
  bool ApplyExternalPYCurves = false;
  bool ApplyMEICurves = false;
  bool ApplyPYModification = false;
  bool ApplyConcentratedLoads = false;
  bool ApplyLateralSprings = false;
  bool ApplyTiebacks = false;
  bool ApplyAdditionalSurcharge = false;
  bool ApplyRestraints = false;
  bool LongTermAnalysis = false;
  int StageCount = 1;  // 1: not staged
  int CurrentStage = 1;
  int NextCaseCode = 0;  // last terminator read
  std::string StageFileName;
  std::string SaveTargetName;
  std::string StageSourceName;
  // Layout of the stage files to read (all set after every write).
  bool IsVersion3 = true;
  bool HasMEICount = true;
  bool HasTiebackCount = true;

  // Refreshes the open dialogs that show project values after a unit switch.
  std::function<void()> on_units_changed;

 private:
  // Fields at their defaults; the tables untouched.
  TProgramData(ProjectTables& tables, int /*defaults_only*/) : tables_(&tables) {}
  TProgramData& operator=(const TProgramData&) = default;

  ProjectTables* tables_;
  int unit_system_ = 1;
  bool modified_ = false;
};

// Surcharge load types of the SurchargeTable's first column.
enum class SurchargeType { kPoint = 1, kLine = 2, kStrip = 3 };

}  // namespace korvex::project
