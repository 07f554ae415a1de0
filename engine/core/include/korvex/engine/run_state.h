#pragma once
// All state of one engine call: the run scalars and the problem model.
// Created by the entry point for each call; nothing outlives it.
#include <array>
#include <string>

#include "korvex/engine/capacities.h"
#include "korvex/engine/iteration.h"
#include "korvex/engine/problem_model.h"
#include "korvex/engine/unit_labels.h"
#include "korvex/soil/stage_input.h"

namespace korvex::engine {

struct ControlRecord {
  int unit_system = 1;
  int NBC = 0, NSECT = 0, NPYMOD = 0, KEP = 0, KPY = 0, NPYSET = 0, StageCount = 1, NMEI = 0,
      NTIE = 0;
};

struct RunState {
  // Run scalars, kept across the problems of a call.
  int NPROB = 0;
  std::string TITLE;   // 80 columns: the first 70 of the title line, then blanks
  std::string TITLE1;  // title of problem 1
  int NCASES = 1;
  int NextCaseCode = 0;

  // Problem settings.
  ControlRecord control;
  Geometry geo;
  double max_deflection = 0;
  double tolerance = 0;
  double free_height = 0;
  double active_width = 0;  // Wa of record 3
  UnitLabels labels = UnitLabels::for_code(1);
  double sigvh = 0;  // effective overburden at the excavation level (soil stage)

  // Problem model.
  StationArrays st;
  StationReals ymei{};
  std::array<Couple, kMaxTableRows> couples{};
  int couple_count = 0;
  std::array<Tieback, kMaxTiebacks> tiebacks{};
  int tieback_count = 0;
  std::array<PyCurve, kMaxCurves> curves{};
  int curve_count = 0;
  std::array<MeiCurve, kMaxMeiCurves> mei{};
  int mei_count = 0;
  std::array<PressurePoint, kMaxPressurePoints> pressure{};
  int pressure_count = 0;
  soil::StageInput stage;  // records 11 to 14 and the wall values for the soil stage

  // Results of the last solved problem.
  IterationOutcome outcome;
  StationResults results;
  std::array<ProfileRow, kMaxNodes + 2> profile{};
  int profile_rows = 0;  // 0 until a problem is solved
};

}  // namespace korvex::engine
