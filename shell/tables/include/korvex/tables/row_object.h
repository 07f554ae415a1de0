#pragma once
// Base of the objects a sub-table column holds per row: normally a sub-table
// (TGridTable), or an object supplied by the owning table's on_init_row.

namespace korvex::tables {

class RowObject {
 public:
  RowObject() = default;
  RowObject(const RowObject&) = delete;
  RowObject& operator=(const RowObject&) = delete;
  virtual ~RowObject() = default;
};

}  // namespace korvex::tables
