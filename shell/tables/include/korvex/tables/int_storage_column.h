#pragma once
// Common base of the columns that store one integer per row (choices and
// integers): storage, typed access, group sharing and the decimal cell text.
#include <string>
#include <vector>

#include "korvex/tables/column.h"

namespace korvex::tables {

class IntStorageColumn : public TColumn {
 public:
  int RowCount() const noexcept override { return static_cast<int>(cells_.size()); }
  void DeleteRow(int row) override;
  int GetInteger(int row) const override;
  // Writes the row (or its row group) and notifies each changed cell.
  void SetInteger(int row, int n) override;
  std::string GetText(int row) const override { return std::to_string(GetInteger(row)); }

 protected:
  void InsertValues(int at, int count, int value) { InsertCells(cells_, at, count, value); }

 private:
  std::vector<int> cells_;
};

}  // namespace korvex::tables
