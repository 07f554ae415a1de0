#pragma once
// TGridTableChart: a table whose window adds a chart preview of two columns
// and controls that fill the table from a text file or the clipboard. This
// class holds the data those need: the published flags and the graphic
// parameters streamed after the columns of "Col" (ShowChart, SegmentView,
// XColumn, YColumn, X2Column, Y2Column). Chart tables register in a registry
// of their own, so their identifiers and prototype look-ups are separate from
// plain tables. Sub-tables made from a chart table are chart tables.
#include "korvex/tables/grid_table.h"

namespace korvex::tables {

class TGridTableChart : public TGridTable {
 public:
  using TGridTable::TGridTable;

  std::string_view ClassName() const noexcept override { return "TGridTableChart"; }

  bool GetDataFromFile = false;  // the window shows the file and clipboard controls
  bool OKCancelButtons = false;
  bool InvertedXAxis = false;
  bool InvertedYAxis = false;
  bool ShowChart = false;
  bool SegmentView = false;
  int XColumn = 0;  // 0-based column positions
  int YColumn = 1;
  int X2Column = 0;
  int Y2Column = 0;

  bool ReadProperty(std::string_view name, DefinitionReader& reader) override;

 protected:
  std::unique_ptr<TGridTable> NewEmpty(TGridTable* owner) const override;
  void CopyPrototypeProperties(TGridTable& to) const override;
  void WriteClassProperties(DefinitionWriter& writer) const override;
  void ReadColumnsTail(DefinitionReader& reader) override;
  void WriteColumnsTail(DefinitionWriter& writer) const override;
};

}  // namespace korvex::tables
