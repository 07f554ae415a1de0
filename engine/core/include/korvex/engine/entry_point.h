#pragma once
// The engine's single entry point, as the shell binds it at run time.
#include <cstdint>

#include "korvex/engine/export.h"

extern "C" {
// Runs the analysis named in names.dat (current folder). Returns 1 when
// `interface_code` is not 15 (nothing done), 0 otherwise.
KORVEX_ENGINE_EXPORT std::int32_t IKORVEX(std::int32_t interface_code);
// The same under the decorated name the shell looks up.
KORVEX_ENGINE_EXPORT std::int32_t _IKORVEX(std::int32_t interface_code);
}
