// Stand-in engine libraries for the runner's failure paths: one whose entry
// point refuses to compute, one without an entry point.
#include <cstdint>

#if defined(KORVEX_FAKE_WITH_ENTRY)
extern "C" __attribute__((visibility("default"))) std::int32_t _IKORVEX(std::int32_t) { return 1; }
#else
extern "C" __attribute__((visibility("default"))) std::int32_t something_else() { return 0; }
#endif
