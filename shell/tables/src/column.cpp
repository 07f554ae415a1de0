#include "korvex/tables/column.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "korvex/numeric/numeric_error.h"
#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"
#include "korvex/tables/grid_table.h"
#include "korvex/tables/table_error.h"

namespace korvex::tables {

std::string TColumn::GetCaptionLine(int i) const {
  return captions_.at(static_cast<std::size_t>(i));
}

TGridTable* TColumn::GetSubTable(int) const {
  throw InvalidCastError();
}
long double TColumn::GetReal(int) const {
  throw InvalidCastError();
}
void TColumn::SetReal(int, long double) {
  throw InvalidCastError();
}
int TColumn::GetInteger(int) const {
  throw InvalidCastError();
}
void TColumn::SetInteger(int, int) {
  throw InvalidCastError();
}
RowObject* TColumn::GetObject(int) const {
  throw InvalidCastError();
}

std::string TColumn::GetText(int row) const {
  CheckRow(row);
  return {};
}

void TColumn::SetText(int row, std::string_view) {
  CheckRow(row);
}

void TColumn::SetUnits(int, int) {}

int TColumn::ColumnWidth(const std::function<int(std::string_view)>& text_width,
                         int pixels_per_inch) const {
  int width = 0;
  for (int i = 0; i < CaptionLineCount(); ++i) {
    width = std::max(width, text_width(GetCaptionLine(i) + "  "));
  }
  return std::max(width, MinimumWidth(pixels_per_inch));
}

void TColumn::WriteDefinition(DefinitionWriter& writer) const {
  writer.WriteListBegin();
  for (const auto& line : captions_) writer.WriteString(line);
  writer.WriteListEnd();
  writer.WriteBoolean(visible_);
  writer.WriteBoolean(group_shared_);
  WriteOwnDefinition(writer);
}

void TColumn::ReadCommonDefinition(DefinitionReader& reader) {
  reader.ReadListBegin();
  captions_.clear();
  while (!reader.EndOfList()) captions_.push_back(reader.ReadString());
  reader.ReadListEnd();
  visible_ = reader.ReadBoolean();
  group_shared_ = reader.ReadBoolean();
}

void TColumn::CopyCommonDefinition(TColumn& to) const {
  to.captions_ = captions_;
  to.visible_ = visible_;
  to.group_shared_ = group_shared_;
}

int TColumn::RowGroupSize() const noexcept {
  return table_ ? table_->RowGroup() : 1;
}

void TColumn::Notify(int row) {
  if (table_) table_->ColumnChanged(index_, row);
}

std::pair<int, int> TColumn::TargetRows(int row) const {
  CheckRow(row);
  if (!group_shared_) return {row, row};
  const int g = RowGroupSize();
  const int first = row / g * g;
  return {first, std::min(first + g, RowCount()) - 1};
}

void TColumn::CheckRow(int row) const {
  if (row < 0 || row >= RowCount()) throw std::out_of_range("table row out of range");
}

bool TColumn::WindowOpen() const noexcept {
  return table_ && table_->WindowOpen();
}

int TColumn::TableUnits() const noexcept {
  return table_ ? table_->UnitSystem() : 1;
}

int RoundedEntry(std::string_view text, long double x) {
  const long double r = std::nearbyint(x);
  if (!(r >= -2147483648.0L && r <= 2147483647.0L)) {
    throw numeric::EntryError(std::string(text) + " is not a valid number.");
  }
  return static_cast<int>(r);
}

}  // namespace korvex::tables
