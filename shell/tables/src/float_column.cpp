#include "korvex/tables/float_column.h"

#include "korvex/numeric/evaluator.h"
#include "korvex/numeric/number_text.h"
#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"
#include "korvex/tables/grid_table.h"
#include "korvex/tables/table_error.h"
#include "korvex/tables/units_code.h"

namespace korvex::tables {
namespace {

constexpr std::string_view kMarker = "FLOATCOLUMN2";

}  // namespace

std::unique_ptr<TColumn> TFloatColumn::Read(DefinitionReader& reader, TGridTable&) {
  auto column = std::make_unique<TFloatColumn>();
  column->ReadCommonDefinition(reader);
  column->top_depth_ = reader.ReadBoolean();
  std::string code = reader.ReadString();
  if (code == kMarker) {
    column->units_code_ = reader.ReadString();
    column->default_ = reader.ReadFloat();
  } else {
    column->units_code_ = std::move(code);  // old form: the code, no default
  }
  return column;
}

void TFloatColumn::WriteOwnDefinition(DefinitionWriter& writer) const {
  writer.WriteBoolean(top_depth_);
  writer.WriteString(kMarker);
  writer.WriteString(units_code_);
  writer.WriteFloat(default_);
}

TFloatColumn* TFloatColumn::BottomPartner() const noexcept {
  if (!top_depth_ || Table() == nullptr || Index() + 1 >= Table()->ColumnCount()) return nullptr;
  return dynamic_cast<TFloatColumn*>(&Table()->Column(Index() + 1));
}

TFloatColumn* TFloatColumn::TopPartner() const noexcept {
  if (Table() == nullptr || Index() < 1) return nullptr;
  auto* above = dynamic_cast<TFloatColumn*>(&Table()->Column(Index() - 1));
  return above != nullptr && above->top_depth_ ? above : nullptr;
}

void TFloatColumn::InsertRows(int at, int count) {
  long double value = default_;
  if (top_depth_) {
    const TFloatColumn* bottom = BottomPartner();
    if (bottom == nullptr) {
      throw DefinitionError("If column if a topdepth then the next column must be a float column");
    }
    // The bottom column has not got the new rows yet.
    if (at > 0) value = bottom->cells_[static_cast<std::size_t>(at - 1)];
  } else if (const TFloatColumn* top = TopPartner()) {
    const auto below = static_cast<std::size_t>(at + count);
    if (below < top->cells_.size()) value = top->cells_[below];
  }
  InsertCells(cells_, at, count, value);
}

void TFloatColumn::DeleteRow(int row) {
  CheckRow(row);
  if (const TFloatColumn* bottom = BottomPartner();
      bottom != nullptr && row > 0 && row < RowCount() - 1) {
    // Close the chain: the row that follows starts where the one above ends.
    cells_[static_cast<std::size_t>(row + 1)] = bottom->cells_[static_cast<std::size_t>(row - 1)];
  }
  cells_.erase(cells_.begin() + row);
}

std::string TFloatColumn::GetCaptionLine(int i) const {
  std::string line = TColumn::GetCaptionLine(i);
  if (i == CaptionLineCount() - 1 && !units_code_.empty()) {
    line += " (" + UnitsLabel(units_code_, TableUnits()) + ")  ";
  }
  return line;
}

long double TFloatColumn::GetReal(int row) const {
  CheckRow(row);
  return cells_[static_cast<std::size_t>(row)];
}

void TFloatColumn::Store(int row, long double x) {
  long double& cell = cells_[static_cast<std::size_t>(row)];
  if (cell == x) return;
  cell = x;
  Notify(row);
}

void TFloatColumn::SetReal(int row, long double x) {
  const auto [first, last] = TargetRows(row);
  TFloatColumn* bottom = BottomPartner();
  TFloatColumn* top = TopPartner();
  for (int r = first; r <= last; ++r) {
    Store(r, x);
    if (bottom != nullptr && r > 0 && r - 1 < bottom->RowCount()) bottom->Store(r - 1, x);
    if (top != nullptr && r + 1 < top->RowCount()) top->Store(r + 1, x);
  }
}

std::string TFloatColumn::GetText(int row) const {
  return numeric::FormatGeneral(GetReal(row), numeric::kCellDigits);
}

void TFloatColumn::SetText(int row, std::string_view text) {
  CheckRow(row);
  SetReal(row, numeric::Evaluate(text));
}

void TFloatColumn::SetUnits(int from, int to) {
  const long double factor = ConversionFactor(units_code_, from, to);
  if (factor == 1) return;
  for (int r = 0; r < RowCount(); ++r) Store(r, cells_[static_cast<std::size_t>(r)] * factor);
}

std::unique_ptr<TColumn> TFloatColumn::Clone() const {
  auto column = std::make_unique<TFloatColumn>();
  CopyCommonDefinition(*column);
  column->top_depth_ = top_depth_;
  column->units_code_ = units_code_;
  column->default_ = default_;
  return column;
}

}  // namespace korvex::tables
