#pragma once
// TIntColumn (type code 1): an integer per row. Typed entry while the table's
// window is open must lie within 1e-10 of an integer ("Entry must be an
// integer.") and within [Min, Max] ("Entry must be between %d and %d.");
// values set by program code (file reading) are only rounded.
#include <climits>

#include "korvex/tables/int_storage_column.h"

namespace korvex::tables {

class TIntColumn : public IntStorageColumn {
 public:
  static constexpr int kTypeCode = 1;

  TIntColumn() = default;
  static std::unique_ptr<TColumn> Read(DefinitionReader& reader, TGridTable& table);

  int TypeCode() const noexcept override { return kTypeCode; }
  void InsertRows(int at, int count) override;

  void SetText(int row, std::string_view text) override;
  std::unique_ptr<TColumn> Clone() const override;

  int Default() const noexcept { return default_; }
  void SetDefault(int n) noexcept { default_ = n; }
  int Min() const noexcept { return min_; }
  int Max() const noexcept { return max_; }
  void SetLimits(int min, int max) noexcept {
    min_ = min;
    max_ = max;
  }

 protected:
  void WriteOwnDefinition(DefinitionWriter& writer) const override;

 private:
  int default_ = 0;
  int min_ = INT_MIN;
  int max_ = INT_MAX;
};

}  // namespace korvex::tables
