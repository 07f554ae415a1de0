#pragma once
// TColumn: one typed column of a data-entry table.
//
// A column owns the storage of its cells (one per row of its table), shows a
// cell as text, parses typed text, converts its values when the table's unit
// system changes and writes its definition into the table's "Col" stream.
// The five kinds are TEnumColumn (code 0), TIntColumn (1), TFloatColumn (2),
// TTableColumn (3) and TStringColumn (4). Accessing a cell as a type the
// column does not hold raises InvalidCastError ("Data of wrong type").
//
// Every change of a stored value notifies the owning table, which marks
// itself changed and informs its observer. Rows are 0-based.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvex::tables {

class DefinitionReader;
class DefinitionWriter;
class RowObject;
class TGridTable;

class TColumn {
 public:
  TColumn() = default;
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;
  virtual ~TColumn() = default;

  // The registered type code of the column's class.
  virtual int TypeCode() const noexcept = 0;
  virtual int RowCount() const noexcept = 0;

  // Row storage, driven by the table: `count` new cells at `at`, or one cell
  // removed. Defaults per kind; see the derived classes.
  virtual void InsertRows(int at, int count) = 0;
  virtual void DeleteRow(int row) = 0;

  // Header lines, one grid row each. GetCaptionLine may add a unit label.
  int CaptionLineCount() const noexcept { return static_cast<int>(captions_.size()); }
  virtual std::string GetCaptionLine(int i) const;
  const std::vector<std::string>& Captions() const noexcept { return captions_; }
  void SetCaptions(std::vector<std::string> captions) { captions_ = std::move(captions); }

  // Typed access; InvalidCastError where the kind does not hold the type.
  virtual TGridTable* GetSubTable(int row) const;
  virtual long double GetReal(int row) const;
  virtual void SetReal(int row, long double x);
  virtual int GetInteger(int row) const;
  virtual void SetInteger(int row, int n);
  virtual RowObject* GetObject(int row) const;

  // The cell as shown in the grid and written to data files ("" by default).
  virtual std::string GetText(int row) const;
  // Typed entry: numbers go through the expression evaluator. Entry errors
  // are korvex::numeric::EntryError; the cell keeps its value. The base
  // ignores the text.
  virtual void SetText(int row, std::string_view text);

  virtual bool IsChanged() const { return false; }
  virtual void ResetChanged() {}

  // Whether the window covers the cells with controls (drop-down lists for
  // choices, buttons for sub-tables); such cells are not typed into.
  virtual bool HasControls() const noexcept { return false; }

  // Width in pixels: the widest caption line plus two blanks, measured by
  // `text_width`, at least the kind's minimum for the screen's resolution.
  int ColumnWidth(const std::function<int(std::string_view)>& text_width,
                  int pixels_per_inch) const;

  // Converts the stored values from one unit system to another.
  virtual void SetUnits(int from, int to);

  // Writes the definition (captions, flags, then the kind's own fields).
  void WriteDefinition(DefinitionWriter& writer) const;
  // A new column of the same kind and definition, without cells.
  virtual std::unique_ptr<TColumn> Clone() const = 0;

  bool Visible() const noexcept { return visible_; }
  void SetVisible(bool on) noexcept { visible_ = on; }
  // With GroupShared set a value set in one row is set in every row of that
  // row's row group.
  bool GroupShared() const noexcept { return group_shared_; }
  void SetGroupShared(bool on) noexcept { group_shared_ = on; }

  // The owning table's row group size (1 without a table).
  int RowGroupSize() const noexcept;
  // The owning table and this column's position in it (nullptr, -1 before
  // the column is added).
  TGridTable* Table() const noexcept { return table_; }
  int Index() const noexcept { return index_; }

 protected:
  // Reads the part common to every kind.
  void ReadCommonDefinition(DefinitionReader& reader);
  virtual void WriteOwnDefinition(DefinitionWriter& writer) const = 0;
  // Copies the common definition into a clone.
  void CopyCommonDefinition(TColumn& to) const;
  virtual int MinimumWidth(int /*pixels_per_inch*/) const noexcept { return 0; }

  // Tells the table that the cell of `row` changed.
  void Notify(int row);
  // Rows that a set of `row` writes: the row, or its whole row group when
  // GroupShared is set (clipped to the rows present).
  std::pair<int, int> TargetRows(int row) const;
  // Throws std::out_of_range for a row outside the column.
  void CheckRow(int row) const;
  // Table window state, for entry checks that apply only while it is open.
  bool WindowOpen() const noexcept;
  int TableUnits() const noexcept;

 private:
  friend class TGridTable;
  void Attach(TGridTable* table, int index) noexcept {
    table_ = table;
    index_ = index;
  }

  std::vector<std::string> captions_;
  bool visible_ = true;
  bool group_shared_ = false;
  TGridTable* table_ = nullptr;
  int index_ = -1;
};

// Storage helpers shared by the kinds.
template <class T>
void InsertCells(std::vector<T>& cells, int at, int count, const T& value) {
  cells.insert(cells.begin() + at, static_cast<std::size_t>(count), value);
}

// x rounded (halves to even) to a 32-bit integer for the integer kinds; an
// EntryError "<text> is not a valid number." when it does not fit.
int RoundedEntry(std::string_view text, long double x);

}  // namespace korvex::tables
