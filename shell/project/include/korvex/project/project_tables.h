#pragma once
// ProjectTables: the data-entry tables of a project, made from the table
// definition file, with the registries they live in.
//
// The shell owns one set for its lifetime; every project (new, opened or a
// loaded stage) writes into these same tables. Besides the project's tables
// the set holds the prototypes of the sub-tables (soil parameters, curves).
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "korvex/tables/definition_file.h"
#include "korvex/tables/grid_table.h"
#include "korvex/tables/table_registry.h"

namespace korvex::project {

using tables::TGridTable;

// Column positions of the soil-layer tables (NewSoil, LongSoil).
inline constexpr int kLayerTypeColumn = 0;
inline constexpr int kLayerDepthColumn = 1;
inline constexpr int kLayerParametersColumn = 2;

class ProjectTables {
 public:
  // Raises tables::DefinitionError when the text cannot be read or lacks a
  // table of the project.
  explicit ProjectTables(std::string_view definitions);
  // Reads the definition file; tables::InputOutputError when it cannot be
  // opened.
  static std::unique_ptr<ProjectTables> FromFile(const std::filesystem::path& file);
  ProjectTables(const ProjectTables&) = delete;
  ProjectTables& operator=(const ProjectTables&) = delete;

  TGridTable& PileSect() const { return *pile_sect_; }          // wall stiffness
  TGridTable& Soillayer() const { return *soillayer_; }         // restraints
  TGridTable& BoundCond() const { return *bound_cond_; }        // concentrated loads
  TGridTable& SoilStrength() const { return *soil_strength_; }  // springs
  TGridTable& TiebackTable1() const { return *tieback_; }
  TGridTable& PYMod() const { return *py_mod_; }
  TGridTable& DistLoad() const { return *dist_load_; }
  TGridTable& LongDist() const { return *long_dist_; }
  TGridTable& SurchargeTable() const { return *surcharge_; }
  TGridTable& NewSoil() const { return *new_soil_; }
  TGridTable& LongSoil() const { return *long_soil_; }
  TGridTable& PYCurves2() const { return *py_curves_; }    // chart table
  TGridTable& MEICurves2() const { return *mei_curves_; }  // chart table

  // The tables of the project, without the prototypes.
  const std::vector<TGridTable*>& ProjectTableList() const noexcept { return project_; }
  // Every table of the definition file, prototypes included.
  std::vector<TGridTable*> AllTables() const;

 private:
  TGridTable* Require(std::string_view name) const;

  tables::TableRegistry plain_;
  tables::TableRegistry chart_;
  tables::TableSet set_;
  TGridTable* pile_sect_;
  TGridTable* soillayer_;
  TGridTable* bound_cond_;
  TGridTable* soil_strength_;
  TGridTable* tieback_;
  TGridTable* py_mod_;
  TGridTable* dist_load_;
  TGridTable* long_dist_;
  TGridTable* surcharge_;
  TGridTable* new_soil_;
  TGridTable* long_soil_;
  TGridTable* py_curves_;
  TGridTable* mei_curves_;
  std::vector<TGridTable*> project_;
};

}  // namespace korvex::project
