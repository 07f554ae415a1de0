#include "korvex/tables/int_storage_column.h"

namespace korvex::tables {

void IntStorageColumn::DeleteRow(int row) {
  CheckRow(row);
  cells_.erase(cells_.begin() + row);
}

int IntStorageColumn::GetInteger(int row) const {
  CheckRow(row);
  return cells_[static_cast<std::size_t>(row)];
}

void IntStorageColumn::SetInteger(int row, int n) {
  const auto [first, last] = TargetRows(row);
  for (int r = first; r <= last; ++r) {
    int& cell = cells_[static_cast<std::size_t>(r)];
    if (cell == n) continue;
    cell = n;
    Notify(r);
  }
}

}  // namespace korvex::tables
