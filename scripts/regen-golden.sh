#!/usr/bin/env bash
# Rewrites the expected files of every golden case under tests/golden from the
# current engine. Run after an intended change of the output, then review the
# difference with `git diff tests/golden` before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
cmake --build "$build" --target test_golden -j 2
KORVEX_REGENERATE_GOLDEN=1 "$build/bin/test_golden" "$@"
git status --short tests/golden
