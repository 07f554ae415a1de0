// The table definition stream on arbitrary text. A text that loads must
// write back to a text that loads again and writes the same: what the shell
// saves it can read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "korvex/tables/definition_file.h"
#include "korvex/tables/table_error.h"
#include "korvex/tables/table_registry.h"

namespace tables = korvex::tables;

namespace {

std::string Written(const tables::TableSet& set) {
  std::ostringstream out;
  tables::WriteDefinitions(out, set);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string first;
  {
    tables::TableRegistry plain;
    tables::TableRegistry chart;
    try {
      const tables::TableSet set =
          tables::ReadDefinitions(text, tables::StandardTableClasses(plain, chart));
      first = Written(set);
    } catch (const tables::DefinitionError&) {
      return 0;
    }
  }
  tables::TableRegistry plain;
  tables::TableRegistry chart;
  try {
    const tables::TableSet again =
        tables::ReadDefinitions(first, tables::StandardTableClasses(plain, chart));
    if (Written(again) != first) std::abort();
  } catch (const tables::DefinitionError&) {
    std::abort();  // a written definition that does not read back
  }
  return 0;
}
