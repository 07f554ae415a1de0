#pragma once
// Registry of column kinds by type code, used to read the "Col" stream. A
// new one holds the five kinds (codes 0 to 4); more may be registered.
#include <functional>
#include <map>
#include <memory>

namespace korvex::tables {

class DefinitionReader;
class TColumn;
class TGridTable;

class ColumnTypes {
 public:
  // Reads one column definition of a kind for `table` (the column is not
  // yet added to it).
  using Factory = std::function<std::unique_ptr<TColumn>(DefinitionReader&, TGridTable&)>;

  ColumnTypes();
  void Register(int code, Factory factory) { factories_[code] = std::move(factory); }
  // nullptr when the code is not registered.
  const Factory* Find(int code) const;

 private:
  std::map<int, Factory> factories_;
};

}  // namespace korvex::tables
