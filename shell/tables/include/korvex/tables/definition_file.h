#pragma once
// The table definition file: the shell's tables, their properties and
// columns, read at start. Layout (see project_tables.ktd):
//
//   object PileSect: TGridTable
//     Identifier = 15
//     Caption = 'Wall Stiffness'
//     MinRows = 1
//     MaxRows = 10
//     Col = {
//       4
//       1 ('Start' 'Node') True False 0 -2147483648 2147483647
//       ...
//     }
//   end
//
// Properties apply in file order (an Identifier another table already has is
// swapped, so the order of the objects matters). "Col" holds the column
// count, then per column its type code and definition.
#include <istream>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "korvex/tables/grid_table.h"

namespace korvex::tables {

class TableRegistry;

// A class of table the file may name, the registry its tables join and how
// to create one.
struct TableClass {
  std::string name;
  TableRegistry* registry;
  std::function<std::unique_ptr<TGridTable>(TableRegistry&)> create;
};

// TGridTable into `plain`, TGridTableChart into `chart`.
std::vector<TableClass> StandardTableClasses(TableRegistry& plain, TableRegistry& chart);

// The tables of a definition file in file order, owned, found by name.
class TableSet {
 public:
  void Add(std::unique_ptr<TGridTable> table) { tables_.push_back(std::move(table)); }
  int Count() const noexcept { return static_cast<int>(tables_.size()); }
  TGridTable& At(int i) const { return *tables_.at(static_cast<std::size_t>(i)); }
  // nullptr when no table has the component name.
  TGridTable* Find(std::string_view name) const noexcept;

 private:
  std::vector<std::unique_ptr<TGridTable>> tables_;
};

// Reads every object of the text. DefinitionError (with the line) for
// anything that cannot be read, including an unknown class or property.
TableSet ReadDefinitions(std::string_view text, std::span<const TableClass> classes);
TableSet ReadDefinitions(std::istream& in, std::span<const TableClass> classes);

// Writes the tables so that ReadDefinitions gives them back.
void WriteDefinitions(std::ostream& out, const TableSet& tables);

}  // namespace korvex::tables
