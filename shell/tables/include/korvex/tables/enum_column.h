#pragma once
// TEnumColumn (type code 0): a choice per row, stored as the 1-based index of
// the chosen item (1 in a new row). The window shows a drop-down list of the
// items whose selection is index - 1; the cell text is the decimal index.
// When it is the first column of a table, a change of a row's choice
// replaces that row's sub-table (see TGridTable).
#include <string>
#include <vector>

#include "korvex/tables/int_storage_column.h"

namespace korvex::tables {

class TEnumColumn : public IntStorageColumn {
 public:
  static constexpr int kTypeCode = 0;
  // Drop-down count of the window's lists.
  static constexpr int kDropDownCount = 11;

  TEnumColumn() = default;
  static std::unique_ptr<TColumn> Read(DefinitionReader& reader, TGridTable& table);

  int TypeCode() const noexcept override { return kTypeCode; }
  void InsertRows(int at, int count) override;

  // The evaluated value must be integral: "Value must be an integer.".
  void SetText(int row, std::string_view text) override;
  bool HasControls() const noexcept override { return true; }
  std::unique_ptr<TColumn> Clone() const override;

  const std::vector<std::string>& Items() const noexcept { return items_; }
  void SetItems(std::vector<std::string> items) { items_ = std::move(items); }

 protected:
  void WriteOwnDefinition(DefinitionWriter& writer) const override;
  int MinimumWidth(int pixels_per_inch) const noexcept override { return pixels_per_inch * 3 / 2; }

 private:
  std::vector<std::string> items_;
};

}  // namespace korvex::tables
