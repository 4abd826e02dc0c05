#include "core/registry.h"

#include <cstdint>

#include "controls/control.h"
#include "core/creation.h"
#include "core/host_window.h"

GadgetEntry g_gadgets[MaxGadgets + 1];

namespace {

// Open-addressing map from live gadget windows to gadget numbers. It never grows: there are at
// most MaxGadgets live gadget windows, so it stays at most half full. Removal shifts the
// following entries back, so no tombstones pile up and every lookup stays short.
class HandleIndex {
 public:
  int Find(HWND h) const {
    for (unsigned slot = Home(h);; slot = Next(slot)) {
      if (slots_[slot].window == h) return slots_[slot].number;
      if (!slots_[slot].window) return 0;
    }
  }

  void Insert(HWND h, int n) {
    unsigned slot = Home(h);
    while (slots_[slot].window && slots_[slot].window != h) slot = Next(slot);
    slots_[slot] = {h, n};
  }

  void Remove(HWND h) {
    unsigned hole = Home(h);
    while (slots_[hole].window != h) {
      if (!slots_[hole].window) return;
      hole = Next(hole);
    }
    slots_[hole] = {};
    for (unsigned slot = Next(hole); slots_[slot].window; slot = Next(slot)) {
      // An entry may fill the hole only if its home does not lie cyclically in (hole, slot].
      const unsigned home = Home(slots_[slot].window);
      const bool homeBetween = hole < slot ? (home > hole && home <= slot) : (home > hole || home <= slot);
      if (homeBetween) continue;
      slots_[hole] = slots_[slot];
      slots_[slot] = {};
      hole = slot;
    }
  }

 private:
  static constexpr unsigned kSlots = 2 * 4096 * 2;
  struct Slot {
    HWND window;
    int number;
  };
  static unsigned Home(HWND h) {
    const auto bits = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(h));
    return static_cast<unsigned>((bits * 0x9E3779B97F4A7C15ull) >> 40) & (kSlots - 1);
  }
  static unsigned Next(unsigned slot) { return (slot + 1) & (kSlots - 1); }

  Slot slots_[kSlots] = {};
};

HandleIndex g_index;

// Clears what refers to a gadget that is going away, then frees its control.
void ReleaseControl(int n) {
  GadgetEntry& entry = g_gadgets[n];
  Control* control = entry.control;
  entry.control = nullptr;
  delete control;
}

void ForgetReferences(int n, HWND h) {
  ForgetCreationParent(n);
  ForgetDrawingWindow(h);
}

}  // namespace

int GadgetFromHandle(HWND h) { return h ? g_index.Find(h) : 0; }

void IndexGadgetWindow(HWND h, int n) { g_index.Insert(h, n); }

void UnindexGadgetWindow(HWND h) { g_index.Remove(h); }

void DeleteGadgetNumber(int n) {
  if (!GadgetExists(n)) return;
  GadgetEntry& entry = g_gadgets[n];
  Control* control = entry.control;
  const HWND window = control->hwnd();
  ForgetReferences(n, window);
  // Cleared before the window goes: the messages sent while it is destroyed still find the
  // gadget by its handle, but see a number that is no longer in use.
  entry.exists = false;
  DestroyWindow(window);
  // The shared procedure lets go of the control at WM_NCDESTROY; this covers a window whose
  // last messages did not come through it.
  if (entry.control == control) {
    UnindexGadgetWindow(window);
    ReleaseControl(n);
  }
}

void ForgetDestroyedGadget(int n, HWND h) {
  UnindexGadgetWindow(h);
  GadgetEntry& entry = g_gadgets[n];
  if (!entry.control || entry.control->hwnd() != h) return;
  ForgetReferences(n, h);
  entry.exists = false;
  ReleaseControl(n);
}

void UnhookAllGadgetWindows() {
  for (int n = 1; n <= MaxGadgets; ++n) {
    if (Control* control = GadgetControl(n)) control->Unhook();
  }
}

namespace {

template <class Action>
void ForEachGadget(Action action) {
  for (int n = 1; n <= MaxGadgets; ++n) {
    if (Control* control = GadgetControl(n)) action(*control);
  }
}

}  // namespace

extern "C" {

void __cdecl RepaintAllGadgets() {
  ForEachGadget([](Control& control) { control.Repaint(); });
}

int __cdecl GetGadgetExists(int n) { return GadgetExists(n) ? 1 : 0; }

int __cdecl FreeGadget() {
  for (int n = 1; n <= MaxGadgets; ++n) {
    if (!g_gadgets[n].exists) return n;
  }
  return 0;
}

void __cdecl DeleteGadget(int n) { DeleteGadgetNumber(n); }

void __cdecl DeleteAllGadgets() {
  for (int n = 1; n <= MaxGadgets; ++n) DeleteGadgetNumber(n);
}

void __cdecl HideAllGadgets() {
  ForEachGadget([](Control& control) { control.SetVisible(false); });
}

void __cdecl ShowAllGadgets() {
  ForEachGadget([](Control& control) { control.SetVisible(true); });
}

}  // extern "C"
