# Sourced by the scripts: picks the build width this machine can run and prepares Wine.
# BUILD_DIR may be set by the caller to keep several builds apart.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Some kernels run no 32-bit code at all; there the tests run a 64-bit build of the same
# sources, and the 32-bit DLL is still built and checked as a file.
can_run_win32() {
  local probe="$1/probe32.exe"
  [ -x "$probe" ] || printf 'int main(void){return 42;}\n' | i686-w64-mingw32-gcc -x c - -o "$probe" 2>/dev/null || return 1
  local status=0
  timeout 120 wine "$probe" </dev/null >/dev/null 2>&1 || status=$?
  # The probe ran without a display: its server must not be the one the tests join.
  wineserver -k >/dev/null 2>&1 || true
  [ "$status" -eq 42 ]
}

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export BUILD_DIR=${BUILD_DIR:-$ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$BUILD_DIR/wineprefix}

# Wine's own background processes (server, services, the desktop) start with the first Wine
# program and outlive it. Started here, with no terminal or pipe of ours, they cannot hold the
# output pipes of the programs CTest runs open, which would make CTest wait on them for ever.
start_wine() {
  wineserver -p </dev/null >/dev/null 2>&1
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}

prepare_wine_prefix() {
  mkdir -p "$BUILD_DIR"
  if [ ! -f "$WINEPREFIX/.gadgetry-ready" ]; then
    wineboot -i </dev/null >/dev/null 2>&1 || true
    # A virtual desktop: without a window manager every top-level window change waits for one.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.gadgetry-ready"
  fi
}

# Builds everything, then runs a script in a Wine session inside Xvfb, with TEST_BUILD_DIR set
# to the build that this machine can run. Arguments after the script reach it as "$@".
build_and_run_in_wine() {
  local script="$1"
  shift
  bash "$ROOT/tools/build.sh"
  TEST_BUILD_DIR=$(cat "$BUILD_DIR/test-build-dir")
  export TEST_BUILD_DIR
  xvfb-run -a -s "-screen 0 1280x1024x24" bash -c "
    source '$ROOT/tools/wine-env.sh'
    prepare_wine_prefix
    start_wine
    status=0
    { $script
    } || status=\$?
    stop_wine
    exit \$status
  " wine-session "$@"
}
