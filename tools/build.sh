#!/usr/bin/env bash
# Builds Gadgetry.dll (32-bit, the DLL DBP loads) with the test programs. Where this machine
# cannot run 32-bit code, a 64-bit build of the same sources is made for the tests as well.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
bash "$ROOT/tools/setup.sh"

configure_and_build() {  # build-dir toolchain
  cmake -S "$ROOT" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$2.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DGADGETRY_WERROR=ON -DGADGETRY_TESTS=ON -DGADGETRY_DLL32="$BUILD_DIR/bin/Gadgetry.dll" >/dev/null
  cmake --build "$1" -j"$(nproc)"
}

configure_and_build "$BUILD_DIR" mingw-i686
TEST_BUILD_DIR="$BUILD_DIR"
if ! can_run_win32 "$BUILD_DIR"; then
  echo "This machine runs no 32-bit code: the tests use a 64-bit build of the same sources."
  TEST_BUILD_DIR="$BUILD_DIR/win64"
  configure_and_build "$TEST_BUILD_DIR" mingw-x86_64
fi
echo "$TEST_BUILD_DIR" > "$BUILD_DIR/test-build-dir"
echo "Built $BUILD_DIR/bin/Gadgetry.dll"
