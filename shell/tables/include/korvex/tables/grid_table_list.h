#pragma once
// TGridTableList: the prototype references of a sub-table column, in order.
//
// An entry names its table either by position in the registry's list (old
// definitions) or by Identifier (current definitions); both are looked up in
// the registry at the time of use, so a table defined later can be named.
#include <vector>

namespace korvex::tables {

class TGridTable;
class TableRegistry;

class TGridTableList {
 public:
  explicit TGridTableList(const TableRegistry& registry) : registry_(&registry) {}

  void AddByPosition(int position) { entries_.push_back({true, position}); }
  // -1 names no table.
  void AddByIdentifier(int identifier) { entries_.push_back({false, identifier}); }
  // Adds the table's current position.
  void AddTable(const TGridTable& table);

  int Count() const noexcept { return static_cast<int>(entries_.size()); }
  // The Identifier entry i refers to, or -1 when it names no table.
  int GetId(int i) const;
  // The prototype of entry i, or nullptr (also for i out of range).
  TGridTable* Get(int i) const;
  void Delete(int i);
  // Pads with empty entries or drops entries from the end to `count`.
  void Resize(int count);

 private:
  struct Entry {
    bool by_position;
    int value;
  };
  const TableRegistry* registry_;
  std::vector<Entry> entries_;
};

}  // namespace korvex::tables
