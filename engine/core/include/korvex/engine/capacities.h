#pragma once
// Fixed capacities of the engine's problem model. Counts in a data file beyond
// these end the run with "TOO MUCH DATA FOR AVAILABLE STORAGE".

namespace korvex::engine {

inline constexpr int kMaxNodes = 407;              // increments of the wall
inline constexpr int kStationSlots = kMaxNodes + 7;  // stations -3 .. N+3
inline constexpr int kMaxConditions = 20;          // specified deflections and slopes
inline constexpr int kMaxCurves = 63;              // p-y curves used by the solver
inline constexpr int kMaxCurvePoints = 34;         // points per p-y curve
inline constexpr int kMaxPyModRows = 51;           // p-y modification factors
inline constexpr int kMaxMeiCurves = 20;           // moment-EI curves
inline constexpr int kMaxMeiPoints = 100;          // points per moment-EI curve
inline constexpr int kMaxTiebacks = 20;
inline constexpr int kMaxPressurePoints = 2000;    // earth-pressure points
inline constexpr int kMaxTableRows = 400;          // rows of the stiffness, load and spring tables
inline constexpr int kMaxSurcharges = 20;          // additional surcharges
inline constexpr int kMaxSoilLayers = 20;          // input soil layers
inline constexpr int kMaxWorkingLayers = 20;       // layers after subdivision (21 slots)
inline constexpr int kMaxPyLayers = 20;            // layers below the excavation level

}  // namespace korvex::engine
