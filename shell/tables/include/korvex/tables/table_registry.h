#pragma once
// TableRegistry: the list of live tables of one kind and their identifiers.
//
// Every table registers itself with the registry it is created with and
// leaves it when destroyed; the registry must outlive its tables. A new
// table's Identifier is the next value of a running counter (0, 1, 2, ...)
// that no live table carries; setting an Identifier that another table has
// gives that table the old Identifier of this one (the two swap), so
// identifiers stay unique and prototype look-ups unambiguous. The shell owns
// one registry for plain tables and one for chart tables.
#include <vector>

#include "korvex/tables/column_types.h"

namespace korvex::tables {

class TGridTable;

class TableRegistry {
 public:
  TableRegistry() = default;
  TableRegistry(const TableRegistry&) = delete;
  TableRegistry& operator=(const TableRegistry&) = delete;

  int Count() const noexcept { return static_cast<int>(tables_.size()); }
  // Tables in creation order; nullptr for a position out of range.
  TGridTable* At(int position) const noexcept;
  int PositionOf(const TGridTable& table) const noexcept;
  // nullptr when no live table carries the identifier.
  TGridTable* FindByIdentifier(int identifier) const noexcept;

  ColumnTypes& Columns() noexcept { return column_types_; }
  const ColumnTypes& Columns() const noexcept { return column_types_; }

 private:
  friend class TGridTable;
  // Adds the table and returns its first Identifier.
  int Register(TGridTable& table);
  void Unregister(const TGridTable& table) noexcept;
  // Applies the swap rule before `table` takes `identifier`.
  void Reassign(TGridTable& table, int identifier);

  std::vector<TGridTable*> tables_;
  int counter_ = 0;
  ColumnTypes column_types_;
};

}  // namespace korvex::tables
