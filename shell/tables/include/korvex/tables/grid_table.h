#pragma once
// TGridTable: one table of input, typed columns over a common row count.
//
// A table has a caption, comments, a help picture, row limits and a row group
// size (rows are added and removed in groups). It is defined in the table
// definition file (definition_file.h) and edited in a window that observes
// it through TableObserver. A column of type 3 gives every row a sub-table
// made from a prototype table; Number is then the 1-based row of the owning
// row (0 for a top-level table).
//
// Change handling: every cell change marks the table changed and reaches
// the observer. When the first column is a choice column, a change of a
// row's choice replaces that row's object in the first sub-table column by a
// fresh sub-table made from the prototype of the new choice (the old
// sub-table and its data are discarded).
//
// A table is owned by its creator (the shell's table set, or the owning row
// of a sub-table column); it registers with a TableRegistry that must
// outlive it.
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "korvex/tables/column.h"
#include "korvex/tables/data.h"
#include "korvex/tables/row_object.h"

namespace korvex::tables {

class DefinitionReader;
class DefinitionWriter;
class TableObserver;
class TableRegistry;
class TTableColumn;

class TGridTable : public RowObject {
 public:
  // A new table takes the unit system of `owner` (else 1) and the next free
  // Identifier of `registry`.
  explicit TGridTable(TableRegistry& registry, TGridTable* owner = nullptr);
  ~TGridTable() override;

  // Component class written in the definition file.
  virtual std::string_view ClassName() const noexcept { return "TGridTable"; }

  // Published properties.
  const std::string& Name() const noexcept { return name_; }  // component name
  void SetName(std::string name) { name_ = std::move(name); }
  const std::string& Comments() const noexcept { return comments_; }
  void SetComments(std::string text) { comments_ = std::move(text); }
  int Identifier() const noexcept { return identifier_; }
  // Swaps identifiers with the table that already has `identifier`.
  void SetIdentifier(int identifier);
  const std::string& Caption() const noexcept { return caption_; }
  void SetCaption(std::string text) { caption_ = std::move(text); }
  int MaxRows() const noexcept { return max_rows_; }  // 0: no limit
  void SetMaxRows(int n) noexcept { max_rows_ = n; }
  int MinRows() const noexcept { return min_rows_; }
  // n <= 0 raises TableError "Value must be greater than 0", except while
  // loading a definition, where it is stored as 1.
  void SetMinRows(int n);
  // Name of the picture shown beside the grid (empty: none).
  const std::string& HelpPicture() const noexcept { return help_picture_; }
  void SetHelpPicture(std::string name) { help_picture_ = std::move(name); }
  // Carried for the window; no behaviour here.
  bool HardwiredButton() const noexcept { return hardwired_button_; }
  void SetHardwiredButton(bool on) noexcept { hardwired_button_ = on; }
  int RowGroup() const noexcept { return row_group_; }
  void SetRowGroup(int n) noexcept { row_group_ = n < 1 ? 1 : n; }
  // Text of the grid's top-left header cell.
  const std::string& TopLeft() const noexcept { return top_left_; }
  void SetTopLeft(std::string text) { top_left_ = std::move(text); }
  // Old definitions only: a sub-table column stored as one table index gets
  // that table for every row (set) or one prototype per choice (clear).
  bool SharedPrototypes() const noexcept { return shared_prototypes_; }
  void SetSharedPrototypes(bool on) noexcept { shared_prototypes_ = on; }

  // Events for sub-table columns whose row objects are not tables, and the
  // button caption of sub-table cells. All optional.
  std::function<std::unique_ptr<RowObject>(TGridTable&, int column, int row)> on_init_row;
  std::function<void(RowObject&, int system)> on_set_units;
  std::function<bool(const RowObject&)> on_get_changed;
  std::function<void(RowObject&)> on_reset_changed;
  std::function<std::string(const TGridTable&, int column, int row)> on_get_button_caption;

  // Columns, in order. A column added to a table with rows gets its rows.
  int ColumnCount() const noexcept { return static_cast<int>(columns_.size()); }
  TColumn& Column(int i) const { return *columns_.at(static_cast<std::size_t>(i)); }
  void AddColumn(std::unique_ptr<TColumn> column);
  // The first sub-table column, or nullptr.
  TTableColumn* FirstTableColumn() const noexcept;
  bool HasVisibleColumn() const noexcept;

  // Rows. SetRowCount does not apply MaxRows (file readers rely on this).
  int RowCount() const noexcept { return row_count_; }
  void SetRowCount(int n);
  // Editing operations of the window; they mark the table changed.
  void AppendGroup();
  // Inserts RowGroup rows at the start of the group holding `row`
  // (`row` == RowCount appends).
  void InsertGroup(int row);
  void DeleteGroup(int row);
  // Window rules: row buttons shown when MinRows != MaxRows; adding allowed
  // below MaxRows (always with MaxRows 0); deleting above MinRows.
  bool RowButtonsVisible() const noexcept { return min_rows_ != max_rows_; }
  bool CanAddRows() const noexcept { return max_rows_ == 0 || row_count_ < max_rows_; }
  bool CanDeleteRows() const noexcept { return row_count_ > min_rows_; }

  TData Cell(int column, int row) const;

  // Unit system 1 English, 2 SI, 3 symbolic. SetUnits converts every column
  // when the system changes (values out of 1..3 are clamped).
  int UnitSystem() const noexcept { return unit_system_; }
  void SetUnits(int system);

  TGridTable* Owner() const noexcept { return owner_; }
  int Number() const noexcept { return number_; }
  void SetNumber(int number) noexcept { number_ = number; }
  // Caption, then the Numbers of this sub-table and of its owning sub-tables,
  // outermost first, each after a blank ("Clay 3").
  std::string WindowCaption() const;

  // The changed mark or any column's changes; ResetChanged clears both.
  bool IsChanged() const;
  void ResetChanged();

  // The window (or model adapter) that shows the table; not owned.
  void SetObserver(TableObserver* observer) noexcept { observer_ = observer; }
  TableObserver* Observer() const noexcept { return observer_; }
  // Set by the window while it is open: integer entry is checked only then.
  bool WindowOpen() const noexcept { return window_open_; }
  void SetWindowOpen(bool open) noexcept { window_open_ = open; }

  // A new table owned by `owner` with this table's caption, comments, top
  // left, help picture, row limits and row group, clones of its columns,
  // Number `number` and MinRows rows. It registers where this table is.
  std::unique_ptr<TGridTable> CreateFromPrototype(TGridTable& owner, int number) const;

  // The "Col" stream: column count, then per column its type code and
  // definition. Reading raises DefinitionError with "Error reading column
  // count", "Error Column Class not defined" or "Error occured when creating
  // column %d: %s" (0-based column index).
  void ReadColumns(DefinitionReader& reader);
  void WriteColumns(DefinitionWriter& writer) const;
  // Sets a published property read from a definition; false when the name
  // is not a property of this class.
  virtual bool ReadProperty(std::string_view name, DefinitionReader& reader);
  // Writes the published properties that differ from their defaults
  // (Identifier always) and the "Col" property, each on a line of its own.
  void WriteProperties(DefinitionWriter& writer) const;
  // While set, property setters take definition values as they are.
  void SetLoading(bool loading) noexcept { loading_ = loading; }

  TableRegistry& Registry() const noexcept { return *registry_; }

 protected:
  // A blank table of this class (used for sub-tables).
  virtual std::unique_ptr<TGridTable> NewEmpty(TGridTable* owner) const;
  // Copies class-specific properties into a sub-table made from this table.
  virtual void CopyPrototypeProperties(TGridTable& /*to*/) const {}
  // Class-specific published properties, written after HardwiredButton.
  virtual void WriteClassProperties(DefinitionWriter& /*writer*/) const {}
  // Starts a property line: "Name =".
  static void WritePropertyName(DefinitionWriter& writer, std::string_view name);
  // Extra values a class streams after the columns of "Col".
  virtual void ReadColumnsTail(DefinitionReader& /*reader*/) {}
  virtual void WriteColumnsTail(DefinitionWriter& /*writer*/) const {}

 private:
  friend class TColumn;
  friend class TableRegistry;
  void ColumnChanged(int column, int row);
  void InsertRows(int at, int count);
  void DeleteRows(int at, int count);
  // One prototype entry per choice of the first column (else one) in every
  // sub-table column.
  void FitPrototypeLists();

  TableRegistry* registry_;
  TGridTable* owner_;
  std::string name_;
  std::string comments_;
  std::string caption_;
  std::string help_picture_;
  std::string top_left_;
  int identifier_ = 0;
  int max_rows_ = 0;
  int min_rows_ = 1;
  int row_group_ = 1;
  bool hardwired_button_ = false;
  bool shared_prototypes_ = false;
  int row_count_ = 0;
  int unit_system_ = 1;
  int number_ = 0;
  bool changed_ = false;
  bool window_open_ = false;
  bool loading_ = false;
  TableObserver* observer_ = nullptr;
  std::vector<std::unique_ptr<TColumn>> columns_;
};

}  // namespace korvex::tables
