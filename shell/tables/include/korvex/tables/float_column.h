#pragma once
// TFloatColumn (type code 2): a real per row (extended precision), shown in
// general format with 8 significant digits in the table's unit system.
//
// UnitsCode labels the last caption line ("Depth (ft)  ") and converts the
// values when the unit system changes (see units_code.h). With TopDepth set
// the column and the float column after it hold the top and bottom depth of
// each row and stay continuous: setting a top sets the bottom of the row
// above, setting a bottom sets the top of the row below; inserted and
// deleted rows keep the chain closed.
#include <string>

#include "korvex/tables/column.h"

namespace korvex::tables {

class TFloatColumn : public TColumn {
 public:
  static constexpr int kTypeCode = 2;

  TFloatColumn() = default;
  static std::unique_ptr<TColumn> Read(DefinitionReader& reader, TGridTable& table);

  int TypeCode() const noexcept override { return kTypeCode; }
  int RowCount() const noexcept override { return static_cast<int>(cells_.size()); }
  // Raises DefinitionError when a top-depth column is not followed by a
  // float column.
  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;

  std::string GetCaptionLine(int i) const override;
  long double GetReal(int row) const override;
  void SetReal(int row, long double x) override;
  std::string GetText(int row) const override;
  void SetText(int row, std::string_view text) override;
  void SetUnits(int from, int to) override;
  std::unique_ptr<TColumn> Clone() const override;

  bool TopDepth() const noexcept { return top_depth_; }
  void SetTopDepth(bool on) noexcept { top_depth_ = on; }
  const std::string& UnitsCode() const noexcept { return units_code_; }
  void SetUnitsCode(std::string code) { units_code_ = std::move(code); }
  long double Default() const noexcept { return default_; }
  void SetDefault(long double x) noexcept { default_ = x; }

 protected:
  void WriteOwnDefinition(DefinitionWriter& writer) const override;
  int MinimumWidth(int pixels_per_inch) const noexcept override { return pixels_per_inch / 2; }

 private:
  // The neighbouring float column of a top-depth pair, or nullptr.
  TFloatColumn* BottomPartner() const noexcept;
  TFloatColumn* TopPartner() const noexcept;
  // Stores without the pair rule; notifies when the value changes.
  void Store(int row, long double x);

  bool top_depth_ = false;
  std::string units_code_;
  long double default_ = 0;
  std::vector<long double> cells_;
};

}  // namespace korvex::tables
