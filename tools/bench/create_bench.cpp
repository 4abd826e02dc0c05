// How much making and deleting gadgets costs over making and destroying the same windows
// directly: 4096 push buttons through the command table (CREATE GADGET BUTTON, DELETE GADGET)
// against 4096 BUTTON windows made with CreateWindowExA and destroyed with DestroyWindow on the
// same parent, and against the same windows captioned once shown.
// The three take turns round by round, so all see the same machine.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "dbphost.h"

namespace {

int g_buttons = 4096;  // a smaller count may be given on the command line for a quick look
constexpr int kRounds = 5;

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

// captionAfter: the text is set once the button shows instead of being given at creation, which
// makes a shown button paint at once.
double Directly(HWND parent, bool captionAfter) {
  std::vector<HWND> windows(g_buttons);
  const double start = Now();
  for (HWND& window : windows) {
    window = CreateWindowExA(0, "BUTTON", captionAfter ? "" : "Button",
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 75, 25, parent,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    if (captionAfter) SetWindowTextA(window, "Button");
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
  // Totals, and each series' best round: other work on the machine only ever adds time, so the
  // best rounds compare the costs themselves.
  double total[3] = {}, best[3] = {1e30, 1e30, 1e30};
  for (int round = 0; round < kRounds; ++round) {
    // The order turns round by round, so none always meets a warm or a cold system.
    for (int turn = 0; turn < 3; ++turn) {
      const int series = (round + turn) % 3;
      const double t = series == 0 ? ThroughLibrary(host) : Directly(host.window(), series == 2);
      total[series] += t;
      best[series] = std::min(best[series], t);
      dbp::Pump();
    }
    std::printf("round %d: library %.3f s, direct %.3f s, direct with the caption set after %.3f s so far\n", round + 1,
                total[0], total[1], total[2]);
    std::fflush(stdout);
  }
  if (host.Call("FREE GADGET[") != 1) {
    std::printf("gadgets were left behind\n");
    return 1;
  }
  const int count = g_buttons * kRounds;
  std::printf("create+delete %d buttons: library %.3f s (%.1f us each), direct %.3f s (%.1f us each), ratio %.2f\n",
              count, total[0], total[0] * 1e6 / count, total[1], total[1] * 1e6 / count, total[0] / total[1]);
  std::printf("best rounds of %d: library %.3f s, direct %.3f s, ratio %.2f\n", g_buttons, best[0], best[1],
              best[0] / best[1]);
  std::printf("against direct buttons captioned once shown: ratio %.2f, best rounds %.2f\n", total[0] / total[2],
              best[0] / best[2]);
  return 0;
}
