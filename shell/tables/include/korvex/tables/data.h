#pragma once
// TData: the accessor of one cell, a (column, row) handle whose operations
// delegate to the column. It stays valid while the column exists and the row
// is present; it does not follow a row when rows above it change.
#include <string>
#include <string_view>

#include "korvex/tables/column.h"

namespace korvex::tables {

class TData {
 public:
  TData(TColumn& column, int row) : column_(&column), row_(row) {}

  TGridTable* GetSubTable() const { return column_->GetSubTable(row_); }
  long double GetReal() const { return column_->GetReal(row_); }
  int GetInteger() const { return column_->GetInteger(row_); }
  std::string GetText() const { return column_->GetText(row_); }
  void SetReal(long double x) const { column_->SetReal(row_, x); }
  void SetInteger(int n) const { column_->SetInteger(row_, n); }
  void SetText(std::string_view text) const { column_->SetText(row_, text); }

  TColumn& Column() const noexcept { return *column_; }
  int Row() const noexcept { return row_; }

 private:
  TColumn* column_;
  int row_;
};

}  // namespace korvex::tables
