// How much making and deleting gadgets costs over making and destroying the same windows
// directly: 4096 push buttons through the command table (CREATE GADGET BUTTON, DELETE GADGET)
// against 4096 BUTTON windows made with CreateWindowExA and destroyed with DestroyWindow on the
// same parent. The two alternate round by round, so both see the same machine.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dbphost.h"

namespace {

int g_buttons = 4096;  // a smaller count may be given on the command line for a quick look
constexpr int kRounds = 4;

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / frequency;
}

double ThroughLibrary(dbp::Host& host) {
  const double start = Now();
  for (int n = 1; n <= g_buttons; ++n) host.Call("CREATE GADGET BUTTON", {n, "Button"});
  for (int n = 1; n <= g_buttons; ++n) host.Call("DELETE GADGET", {n});
  return Now() - start;
}

double Directly(HWND parent) {
  std::vector<HWND> windows(g_buttons);
  const double start = Now();
  for (HWND& window : windows) {
    window = CreateWindowExA(0, "BUTTON", "Button", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON,
                             0, 0, 75, 25, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  // A new child window goes to the bottom of its siblings, a new gadget to the front: going
  // from the newest here and from the lowest number there, both destroy the lowest window of
  // the pile each time, which uncovers nothing.
  for (auto window = windows.rbegin(); window != windows.rend(); ++window) DestroyWindow(*window);
  return Now() - start;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) g_buttons = std::max(1, std::min(4096, std::atoi(argv[1])));
  dbp::Host host;
  host.Call("SETUP GUI", {dbp::kHostTitle, "", 0});
  dbp::Pump();
  double library = 0, direct = 0;
  for (int round = 0; round < kRounds; ++round) {
    // Who goes first alternates, so neither always meets a warm or a cold system.
    if (round % 2 == 0) {
      library += ThroughLibrary(host);
      dbp::Pump();
      direct += Directly(host.window());
    } else {
      direct += Directly(host.window());
      dbp::Pump();
      library += ThroughLibrary(host);
    }
    dbp::Pump();
    std::printf("round %d: library %.3f s, direct %.3f s so far\n", round + 1, library, direct);
    std::fflush(stdout);
  }
  if (host.Call("FREE GADGET[") != 1) {
    std::printf("gadgets were left behind\n");
    return 1;
  }
  const int count = g_buttons * kRounds;
  std::printf("create+delete %d buttons: library %.3f s (%.1f us each), direct %.3f s (%.1f us each), ratio %.2f\n",
              count, library, library * 1e6 / count, direct, direct * 1e6 / count, library / direct);
  return 0;
}
