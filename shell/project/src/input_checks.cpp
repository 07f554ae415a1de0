#include "korvex/project/input_checks.h"

#include <string>

#include "korvex/numeric/number_text.h"

namespace korvex::project {
namespace {

constexpr int kSand = 4;
constexpr int kSilt = 5;
constexpr int kFrictionColumn = 1;  // in the sand and silt parameter tables

// The shortest general form of a real, as in the other messages.
std::string Number(long double x) {
  return numeric::FormatGeneral(x, 15);
}

}  // namespace

bool CheckInput(const TProgramData& project, UserDialogs& dialogs) {
  const TGridTable& stiffness = project.Tables().PileSect();
  for (int r = 0; r < stiffness.RowCount(); ++r) {
    const int start = stiffness.Cell(0, r).GetInteger();
    const int end = stiffness.Cell(1, r).GetInteger();
    const char* prefix = nullptr;
    int node = 0;
    if (start > project.NodeCount) {
      prefix = "Initial Node, ";
      node = start;
    } else if (end > project.NodeCount) {
      prefix = "End Node, ";
      node = end;
    }
    if (prefix) {
      dialogs.Warning(std::string(prefix) + std::to_string(node) + " in row " +
                      std::to_string(r + 1) + " of Wall Stiffness definition\n" +
                      "is greater than number of nodes defined, " +
                      std::to_string(project.NodeCount) + ".\n" +
                      "Please check on Wall Properties Windows and Wall Stiffness Table");
      return false;
    }
  }

  const double slope = project.BackfillSlope;
  if (slope > 0) {
    const TGridTable& layers = project.Tables().NewSoil();
    for (int l = 0; l < layers.RowCount(); ++l) {
      const int type = layers.Cell(kLayerTypeColumn, l).GetInteger();
      if (type != kSand && type != kSilt) continue;
      const TGridTable* params = layers.Cell(kLayerParametersColumn, l).GetSubTable();
      if (!params || params->RowCount() == 0) continue;
      const long double friction = params->Cell(kFrictionColumn, 0).GetReal();
      if (friction >= slope) continue;
      const std::string layer = std::to_string(l + 1);
      if (type == kSand)
        dialogs.Warning("Slope of the Backfill: " + Number(slope) + " deg.\n" +
                        "is greater than friction angle, " + Number(friction) + " deg.,\n" +
                        "in layer " + layer + "\n" +
                        "Please check on Wall Configuration and Soil Layers Windows");
      else
        dialogs.Warning("Slope of the Backfill: " + Number(slope) + "\n" +
                        "is greater than friction angle, " + Number(friction) + ",\n" +
                        "in layer " + layer + "\n" + "Please check Soil Layers");
      return false;
    }
  }
  return true;
}

}  // namespace korvex::project
