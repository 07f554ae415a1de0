#include "korvex/tables/definition_file.h"

#include <iterator>
#include <sstream>

#include "korvex/tables/definition_reader.h"
#include "korvex/tables/definition_writer.h"
#include "korvex/tables/grid_table_chart.h"
#include "korvex/tables/table_error.h"

namespace korvex::tables {

std::vector<TableClass> StandardTableClasses(TableRegistry& plain, TableRegistry& chart) {
  return {
      {"TGridTable", &plain, [](TableRegistry& r) { return std::make_unique<TGridTable>(r); }},
      {"TGridTableChart", &chart,
       [](TableRegistry& r) { return std::make_unique<TGridTableChart>(r); }},
  };
}

TGridTable* TableSet::Find(std::string_view name) const noexcept {
  for (const auto& t : tables_) {
    if (t->Name() == name) return t.get();
  }
  return nullptr;
}

TableSet ReadDefinitions(std::string_view text, std::span<const TableClass> classes) {
  DefinitionReader reader(text);
  TableSet set;
  while (reader.NextValue() != DefinitionReader::Kind::kEnd) {
    if (reader.ReadName() != "object") reader.Fail("\"object\" was expected");
    std::string name = reader.ReadName();
    reader.ReadSymbol(':');
    const int class_line = reader.Line();
    const std::string class_name = reader.ReadName();
    const TableClass* cls = nullptr;
    for (const TableClass& c : classes) {
      if (c.name == class_name) cls = &c;
    }
    if (cls == nullptr) throw DefinitionError("Class " + class_name + " not found", class_line);
    if (set.Find(name) != nullptr) {
      throw DefinitionError("A table named " + name + " already exists", class_line);
    }
    std::unique_ptr<TGridTable> table = cls->create(*cls->registry);
    table->SetName(std::move(name));
    table->SetLoading(true);
    for (;;) {
      if (reader.NextValue() == DefinitionReader::Kind::kEnd) reader.Fail("\"end\" was expected");
      const int line = reader.Line();
      const std::string property = reader.ReadName();
      if (property == "end") break;
      reader.ReadSymbol('=');
      if (!table->ReadProperty(property, reader)) {
        throw DefinitionError("Unknown property " + property, line);
      }
    }
    table->SetLoading(false);
    set.Add(std::move(table));
  }
  return set;
}

TableSet ReadDefinitions(std::istream& in, std::span<const TableClass> classes) {
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return ReadDefinitions(text, classes);
}

void WriteDefinitions(std::ostream& out, const TableSet& tables) {
  DefinitionWriter writer(out);
  for (int i = 0; i < tables.Count(); ++i) {
    const TGridTable& t = tables.At(i);
    if (i > 0) writer.NewLine();
    writer.WriteName("object");
    writer.WriteName(t.Name() + ":");
    writer.WriteName(t.ClassName());
    writer.Indent(1);
    t.WriteProperties(writer);
    writer.Indent(-1);
    writer.NewLine();
    writer.WriteName("end");
    writer.NewLine();
  }
}

}  // namespace korvex::tables
