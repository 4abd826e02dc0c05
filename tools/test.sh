#!/usr/bin/env bash
# Builds and runs every test under Wine inside Xvfb.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
bash "$ROOT/tools/build.sh"
TEST_BUILD_DIR=$(cat "$BUILD_DIR/test-build-dir")
export DLL32="$BUILD_DIR/bin/Gadgetry.dll"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  source '$ROOT/tools/wine-env.sh'
  prepare_wine_prefix
  start_wine
  cd '$TEST_BUILD_DIR' && ctest --output-on-failure --timeout 600 \"\$@\"
  status=\$?
  stop_wine
  exit \$status
" ctest "$@"
