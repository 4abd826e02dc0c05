#!/usr/bin/env bash
# Builds the DLL and runs every benchmark program under Wine and Xvfb. Each prints its own
# figures, measured side by side in one run.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
bash "$ROOT/tools/build.sh"
TEST_BUILD_DIR=$(cat "$BUILD_DIR/test-build-dir")
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
  source '$ROOT/tools/wine-env.sh'
  prepare_wine_prefix
  start_wine
  status=0
  for bench in '$TEST_BUILD_DIR'/bin/*_bench.exe; do
    echo \"== \$(basename \"\$bench\" .exe)\"
    wine \"\$bench\" || status=1
  done
  stop_wine
  exit \$status
"
