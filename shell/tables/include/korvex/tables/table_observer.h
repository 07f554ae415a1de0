#pragma once
// Change notification of a table: the refresh hook of the window (or model
// adapter) that shows it. At most one observer per table; the table does not
// own it.

namespace korvex::tables {

class TGridTable;

class TableObserver {
 public:
  virtual ~TableObserver() = default;
  // A cell's stored value changed (typed, set by code, converted, shared).
  virtual void CellChanged(TGridTable& /*table*/, int /*column*/, int /*row*/) {}
  // Rows are about to be inserted or deleted, and have been.
  virtual void RowsAboutToChange(TGridTable& /*table*/) {}
  virtual void RowsChanged(TGridTable& /*table*/) {}
  // The table is being destroyed (for a sub-table: replaced or deleted).
  virtual void TableDestroyed(TGridTable& /*table*/) {}
};

}  // namespace korvex::tables
