// Stand-in engine libraries for the run driver's failure paths.
#include <cstdint>

#if defined(KORVEX_STAND_IN_NOT_COMPUTED)
// Refuses every call, as the engine does for a wrong interface code.
extern "C" __attribute__((visibility("default"))) std::int32_t _IKORVEX(std::int32_t) {
  return 1;
}
#else
// Exports something, but not the entry point.
extern "C" __attribute__((visibility("default"))) std::int32_t IKORVEX_MISSING() {
  return 0;
}
#endif
