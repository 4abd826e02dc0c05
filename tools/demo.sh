#!/usr/bin/env bash
# The main job: builds the DLL and runs the demo script against it under Wine and Xvfb; the
# demo's window is saved as build/demo.png.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
bash "$ROOT/tools/build.sh"
TEST_BUILD_DIR=$(cat "$BUILD_DIR/test-build-dir")
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  source '$ROOT/tools/wine-env.sh'
  prepare_wine_prefix
  start_wine
  wine '$TEST_BUILD_DIR/bin/demo.exe' 'Z:$BUILD_DIR/demo.png'
  status=\$?
  stop_wine
  exit \$status
"
