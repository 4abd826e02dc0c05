#!/usr/bin/env bash
# Builds the DLL and runs every benchmark program under Wine and Xvfb. Each prints its own
# figures, measured side by side in one run.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
build_and_run_in_wine '
  for bench in "$TEST_BUILD_DIR"/bin/*_bench.exe; do
    echo "== $(basename "$bench" .exe)"
    wine "$bench" || exit 1
  done'
