#pragma once
// TStringColumn (type code 4): a text per row, new rows take Default. The
// definition also carries one real that no behaviour uses; it is kept so a
// definition reads back as it was written.
#include <string>

#include "korvex/tables/column.h"

namespace korvex::tables {

class TStringColumn : public TColumn {
 public:
  static constexpr int kTypeCode = 4;

  TStringColumn() = default;
  static std::unique_ptr<TColumn> Read(DefinitionReader& reader, TGridTable& table);

  int TypeCode() const noexcept override { return kTypeCode; }
  int RowCount() const noexcept override { return static_cast<int>(cells_.size()); }
  void InsertRows(int at, int count) override;
  void DeleteRow(int row) override;

  std::string GetText(int row) const override;
  void SetText(int row, std::string_view text) override;
  std::unique_ptr<TColumn> Clone() const override;

  const std::string& Default() const noexcept { return default_; }
  void SetDefault(std::string text) { default_ = std::move(text); }
  long double ExtraReal() const noexcept { return extra_real_; }
  void SetExtraReal(long double x) noexcept { extra_real_ = x; }

 protected:
  void WriteOwnDefinition(DefinitionWriter& writer) const override;

 private:
  std::string default_;
  long double extra_real_ = 0;
  std::vector<std::string> cells_;
};

}  // namespace korvex::tables
