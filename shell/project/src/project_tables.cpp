#include "korvex/project/project_tables.h"

#include <fstream>
#include <sstream>
#include <string>

#include "korvex/tables/table_error.h"

namespace korvex::project {

ProjectTables::ProjectTables(std::string_view definitions)
    : set_(tables::ReadDefinitions(definitions, tables::StandardTableClasses(plain_, chart_))),
      pile_sect_(Require("PileSect")),
      soillayer_(Require("Soillayer")),
      bound_cond_(Require("BoundCond")),
      soil_strength_(Require("SoilStrength")),
      tieback_(Require("TiebackTable1")),
      py_mod_(Require("PYMod")),
      dist_load_(Require("DistLoad")),
      long_dist_(Require("LongDist")),
      surcharge_(Require("SurchargeTable")),
      new_soil_(Require("NewSoil")),
      long_soil_(Require("LongSoil")),
      py_curves_(Require("PYCurves2")),
      mei_curves_(Require("MEICurves2")),
      project_{pile_sect_, soillayer_, bound_cond_, soil_strength_, tieback_,
               py_mod_,    dist_load_, long_dist_,  surcharge_,     new_soil_,
               long_soil_, py_curves_, mei_curves_} {}

std::unique_ptr<ProjectTables> ProjectTables::FromFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw tables::InputOutputError("Cannot open file " + file.string());
  std::ostringstream text;
  text << in.rdbuf();
  return std::make_unique<ProjectTables>(text.str());
}

std::vector<TGridTable*> ProjectTables::AllTables() const {
  std::vector<TGridTable*> all;
  for (int i = 0; i < set_.Count(); ++i) all.push_back(&set_.At(i));
  return all;
}

TGridTable* ProjectTables::Require(std::string_view name) const {
  TGridTable* table = set_.Find(name);
  if (!table) throw tables::DefinitionError("The table " + std::string(name) + " is not defined");
  return table;
}

}  // namespace korvex::project
