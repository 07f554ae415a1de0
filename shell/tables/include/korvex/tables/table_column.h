#pragma once
// TTableColumn (type code 3): an object per row, normally a sub-table made
// from a prototype table.
//
// The prototype of a row is entry (choice - 1) of Prototypes when the table's
// first column is a choice column, else entry 0; without one the table's
// on_init_row may supply the object, or the row has none. Deleting or
// inserting rows renumbers the sub-tables below (Number = row + 1). Changes,
// resets and unit changes pass to the sub-tables (for other row objects to
// the table's on_get_changed, on_reset_changed and on_set_units).
#include <memory>
#include <vector>

#include "korvex/tables/column.h"
#include "korvex/tables/grid_table_list.h"
#include "korvex/tables/row_object.h"

namespace korvex::tables {

class TTableColumn : public TColumn {
 public:
  static constexpr int kTypeCode = 3;

  // Prototypes are looked up in `registry` (the owning table's).
  explicit TTableColumn(const TableRegistry& registry) : prototypes_(registry) {}
  explicit TTableColumn(TGridTableList prototypes) : prototypes_(std::move(prototypes)) {}
  static std::unique_ptr<TColumn> Read(DefinitionReader& reader, TGridTable& table);

  int TypeCode() const noexcept override { return kTypeCode; }
  int RowCount() const noexcept override { return static_cast<int>(cells_.size()); }
  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;

  TGridTable* GetSubTable(int row) const override;
  RowObject* GetObject(int row) const override;
  bool IsChanged() const override;
  void ResetChanged() override;
  bool HasControls() const noexcept override { return true; }
  void SetUnits(int from, int to) override;
  std::unique_ptr<TColumn> Clone() const override;

  // Discards the row's object and creates it anew for the row's current
  // choice (the table calls this when the first column's choice changes).
  void RecreateRowObject(int row);
  // Caption of the button over the cell: the table's on_get_button_caption,
  // else the 1-based row number, ": " and the sub-table's caption.
  std::string ButtonCaption(int row) const;

  TGridTableList& Prototypes() noexcept { return prototypes_; }
  const TGridTableList& Prototypes() const noexcept { return prototypes_; }

 protected:
  void WriteOwnDefinition(DefinitionWriter& writer) const override;

 private:
  std::unique_ptr<RowObject> CreateRowObject(int row);
  void Renumber(int from);

  TGridTableList prototypes_;
  std::vector<std::unique_ptr<RowObject>> cells_;
};

}  // namespace korvex::tables
