#include "korvex/engine/entry_point.h"

#include <exception>

#include "korvex/engine/run_sequence.h"

extern "C" std::int32_t IKORVEX(std::int32_t interface_code) {
  try {
    return korvex::engine::run_engine(interface_code, {});
  } catch (...) {
    // Nothing may cross the C boundary; the run is over either way.
    return interface_code == korvex::engine::kInterfaceCode ? 0 : 1;
  }
}

extern "C" std::int32_t _IKORVEX(std::int32_t interface_code) { return IKORVEX(interface_code); }
