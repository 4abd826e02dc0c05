#!/usr/bin/env bash
# The main job: builds the DLL and runs the demo script against it under Wine and Xvfb; the
# demo's window is saved as build/demo.png.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
build_and_run_in_wine 'wine "$TEST_BUILD_DIR/bin/demo.exe" "Z:$BUILD_DIR/demo.png"'
