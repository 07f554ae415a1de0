#include "korvex/tables/grid_table_chart.h"

#include <array>
#include <utility>

#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"

namespace korvex::tables {

bool TGridTableChart::ReadProperty(std::string_view name, DefinitionReader& reader) {
  const std::array<std::pair<std::string_view, bool*>, 4> flags{{
      {"GetDataFromFile", &GetDataFromFile},
      {"OKCancelButtons", &OKCancelButtons},
      {"InvertedXAxis", &InvertedXAxis},
      {"InvertedYAxis", &InvertedYAxis},
  }};
  for (const auto& [flag, field] : flags) {
    if (name == flag) {
      *field = reader.ReadBoolean();
      return true;
    }
  }
  return TGridTable::ReadProperty(name, reader);
}

void TGridTableChart::WriteClassProperties(DefinitionWriter& writer) const {
  const std::array<std::pair<std::string_view, bool>, 4> flags{{
      {"GetDataFromFile", GetDataFromFile},
      {"OKCancelButtons", OKCancelButtons},
      {"InvertedXAxis", InvertedXAxis},
      {"InvertedYAxis", InvertedYAxis},
  }};
  for (const auto& [flag, on] : flags) {
    if (!on) continue;
    WritePropertyName(writer, flag);
    writer.WriteBoolean(true);
  }
}

std::unique_ptr<TGridTable> TGridTableChart::NewEmpty(TGridTable* owner) const {
  return std::make_unique<TGridTableChart>(Registry(), owner);
}

void TGridTableChart::CopyPrototypeProperties(TGridTable& to) const {
  auto& chart = static_cast<TGridTableChart&>(to);  // made by NewEmpty above
  chart.GetDataFromFile = GetDataFromFile;
  chart.OKCancelButtons = OKCancelButtons;
  chart.InvertedXAxis = InvertedXAxis;
  chart.InvertedYAxis = InvertedYAxis;
  chart.ShowChart = ShowChart;
  chart.SegmentView = SegmentView;
  chart.XColumn = XColumn;
  chart.YColumn = YColumn;
  chart.X2Column = X2Column;
  chart.Y2Column = Y2Column;
}

void TGridTableChart::ReadColumnsTail(DefinitionReader& reader) {
  ShowChart = reader.ReadBoolean();
  SegmentView = reader.ReadBoolean();
  XColumn = reader.ReadInteger();
  YColumn = reader.ReadInteger();
  X2Column = reader.ReadInteger();
  Y2Column = reader.ReadInteger();
}

void TGridTableChart::WriteColumnsTail(DefinitionWriter& writer) const {
  writer.NewLine();
  writer.WriteBoolean(ShowChart);
  writer.WriteBoolean(SegmentView);
  writer.WriteInteger(XColumn);
  writer.WriteInteger(YColumn);
  writer.WriteInteger(X2Column);
  writer.WriteInteger(Y2Column);
}

}  // namespace korvex::tables
