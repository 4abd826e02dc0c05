#!/usr/bin/env bash
# Builds and runs every test under Wine inside Xvfb. Arguments go to ctest.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
build_and_run_in_wine 'cd "$TEST_BUILD_DIR" && ctest --output-on-failure --timeout 600 "$@"' "$@"
