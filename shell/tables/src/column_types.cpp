#include "korvex/tables/column_types.h"

#include "korvex/tables/enum_column.h"
#include "korvex/tables/float_column.h"
#include "korvex/tables/int_column.h"
#include "korvex/tables/string_column.h"
#include "korvex/tables/table_column.h"

namespace korvex::tables {

ColumnTypes::ColumnTypes() {
  Register(TEnumColumn::kTypeCode, &TEnumColumn::Read);
  Register(TIntColumn::kTypeCode, &TIntColumn::Read);
  Register(TFloatColumn::kTypeCode, &TFloatColumn::Read);
  Register(TTableColumn::kTypeCode, &TTableColumn::Read);
  Register(TStringColumn::kTypeCode, &TStringColumn::Read);
}

const ColumnTypes::Factory* ColumnTypes::Find(int code) const {
  const auto it = factories_.find(code);
  return it == factories_.end() ? nullptr : &it->second;
}

}  // namespace korvex::tables
