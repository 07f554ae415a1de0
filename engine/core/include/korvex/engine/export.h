#pragma once
// Export macro of the engine library: only the entry point is exported.
#if defined(_WIN32)
#  if defined(KORVEX_ENGINE_BUILDING)
#    define KORVEX_ENGINE_EXPORT __declspec(dllexport)
#  else
#    define KORVEX_ENGINE_EXPORT __declspec(dllimport)
#  endif
#else
#  define KORVEX_ENGINE_EXPORT __attribute__((visibility("default")))
#endif
