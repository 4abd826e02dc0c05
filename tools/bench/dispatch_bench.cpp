// What the shared gadget procedure costs on every message a gadget window receives. The same
// harmless message goes to a gadget button while all 4096 gadget numbers are in use, and to an
// identical button whose procedure only forwards to the button's own; rounds alternate between
// the two so that drift of the machine falls on both alike.
#include <windows.h>

#include <cstdio>

#include "dbphost.h"

namespace {

constexpr int kMeasured = 2048;
constexpr int kRounds = 20;
constexpr int kPerRound = 50000;  // a million messages to each window in all

WNDPROC g_buttonProc = nullptr;

LRESULT CALLBACK Forward(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(g_buttonProc, window, message, wparam, lparam);
}

LONGLONG Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

LONGLONG TimeSends(HWND window, int count) {
  const LONGLONG start = Now();
  for (int i = 0; i < count; ++i) SendMessageA(window, WM_USER, static_cast<WPARAM>(i), 0);
  return Now() - start;
}

}  // namespace

int main() {
  dbp::Host host;
  host.Call("SETUP GUI", {dbp::kHostTitle, "", 0});
  auto createGadget = dbp::ProcAs<void(__cdecl*)(int, int)>(host.Export("CreateGadget"));
  host.Call("CREATE GADGET BUTTON", {kMeasured, "Measured"});
  for (int n = 1; n <= 4096; ++n) {
    if (n != kMeasured) createGadget(n, 19);  // holders of popup menus: the cheapest gadgets
  }
  if (host.Call("FREE GADGET[") != 0) {
    std::printf("gadget %d could not be made\n", host.Call("FREE GADGET["));
    return 1;
  }
  HWND gadget = reinterpret_cast<HWND>(static_cast<DWORD_PTR>(static_cast<DWORD>(host.Call("GADGET HANDLE[", {kMeasured}))));
  HWND bare = CreateWindowExA(static_cast<DWORD>(GetWindowLongPtrA(gadget, GWL_EXSTYLE)), "BUTTON", "Measured",
                              static_cast<DWORD>(GetWindowLongPtrA(gadget, GWL_STYLE)), 0, 0, 75, 25,
                              GetParent(gadget), nullptr, GetModuleHandleA(nullptr), nullptr);
  g_buttonProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(bare, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Forward)));

  TimeSends(gadget, kPerRound);  // warm both paths up
  TimeSends(bare, kPerRound);
  LONGLONG throughGadget = 0;
  LONGLONG throughForward = 0;
  for (int round = 0; round < kRounds; ++round) {
    if (round % 2 == 0) {
      throughGadget += TimeSends(gadget, kPerRound);
      throughForward += TimeSends(bare, kPerRound);
    } else {
      throughForward += TimeSends(bare, kPerRound);
      throughGadget += TimeSends(gadget, kPerRound);
    }
  }

  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  const double messages = static_cast<double>(kRounds) * kPerRound;
  const auto nsPerMessage = [&](LONGLONG ticks) { return 1e9 * static_cast<double>(ticks) / frequency.QuadPart / messages; };
  std::printf("messages to each window:       %.0f\n", messages);
  std::printf("gadget button (4096 gadgets):  %.1f ms, %.1f ns per message\n",
              1e3 * static_cast<double>(throughGadget) / frequency.QuadPart, nsPerMessage(throughGadget));
  std::printf("button with a forwarding proc: %.1f ms, %.1f ns per message\n",
              1e3 * static_cast<double>(throughForward) / frequency.QuadPart, nsPerMessage(throughForward));
  std::printf("ratio gadget / forwarding:     %.3f (target: at most 1.10)\n",
              static_cast<double>(throughGadget) / static_cast<double>(throughForward));
  DestroyWindow(bare);
  return 0;
}
