#include "korvex/tables/table_registry.h"

#include <algorithm>

#include "korvex/tables/grid_table.h"

namespace korvex::tables {

TGridTable* TableRegistry::At(int position) const noexcept {
  if (position < 0 || position >= Count()) return nullptr;
  return tables_[static_cast<std::size_t>(position)];
}

int TableRegistry::PositionOf(const TGridTable& table) const noexcept {
  const auto it = std::find(tables_.begin(), tables_.end(), &table);
  return it == tables_.end() ? -1 : static_cast<int>(it - tables_.begin());
}

TGridTable* TableRegistry::FindByIdentifier(int identifier) const noexcept {
  for (TGridTable* t : tables_) {
    if (t->Identifier() == identifier) return t;
  }
  return nullptr;
}

int TableRegistry::Register(TGridTable& table) {
  while (FindByIdentifier(counter_) != nullptr) ++counter_;
  tables_.push_back(&table);
  return counter_++;
}

void TableRegistry::Unregister(const TGridTable& table) noexcept {
  std::erase(tables_, &table);
}

void TableRegistry::Reassign(TGridTable& table, int identifier) {
  TGridTable* other = FindByIdentifier(identifier);
  if (other != nullptr && other != &table) other->identifier_ = table.identifier_;
}

}  // namespace korvex::tables
