#include "core/creation.h"

#include <string>

#include "controls/control.h"
#include "controls/kinds.h"
#include "core/docking.h"
#include "core/host_window.h"
#include "core/registry.h"
#include "host/reports.h"

namespace {

int g_creationParent = 0;       // gadget that new gadgets are placed inside; 0 = none
bool g_hiddenCreation = false;  // new gadgets stay hidden until shown

void RefuseWithoutParent(int kind) {
  ReportGuiError(kind == KindComboBox ? "Combobox must be created with a parent."
                                      : "ScrollBar must be created with a parent.");
}

void RouteThroughPMsg(int n, HWND window) {
  GadgetEntry& entry = g_gadgets[n];
  entry.recordedHandle = window;
  entry.previousProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
  IndexGadgetWindow(window, n);
  SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PMsg));
}

bool Contains(HWND outer, HWND inner) { return outer == inner || IsChild(outer, inner); }

}  // namespace

void ForgetCreationParent(int n) {
  if (g_creationParent == n) g_creationParent = 0;
}

extern "C" void __cdecl CreateGadget(int n, int kind) { MakeGadget(n, kind, nullptr); }

bool MakeGadget(int n, int kind, const char* caption) {
  if (!ValidGadgetNumber(n) || g_gadgets[n].exists || kind < MinKind || kind > MaxKind) return false;
  Control* parentControl = GadgetControl(g_creationParent);
  if (!parentControl && (kind == KindComboBox || kind == KindScrollBar)) {
    RefuseWithoutParent(kind);
    return false;
  }
  HWND parent = parentControl ? parentControl->hwnd() : DrawingWindow();
  // Without a window to hold it only a window gadget can be made: as a window of its own.
  if (!parent && kind != KindWindow) {
    ReportGuiError(("Gadget " + std::to_string(n) + " cannot be created before SETUP GUI.").c_str());
    return false;
  }
  Control* control = MakeControl(kind, parent);
  if (!control) return false;
  if (parentControl) control->SetParentControl(parentControl);

  GadgetEntry& entry = g_gadgets[n];
  entry.kind = kind;
  entry.control = control;
  const HWND window = control->hwnd();
  RouteThroughPMsg(n, window);
  // Captioned while hidden, the control paints its text once, when it shows.
  if (caption) control->SetScriptText(caption);
  // To the front while still hidden: shown first, at the bottom of a pile of siblings, it would
  // make the system work out what each of them covers, twice.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (!g_hiddenCreation) control->SetVisible(true);
  // Re-entered messages may have deleted the window; only a live one is registered.
  if (!IsWindow(window) || entry.control != control) return false;
  entry.exists = true;
  entry.track = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, window, HOVER_DEFAULT};
  if (control->DockSide() != Dock::None) LayoutDockedChildren(parent);
  return true;
}

void PlaceOnWindow(int n, HWND parent) {
  Control* control = GadgetControl(n);
  const HWND oldParent = control->ParentWindow();
  control->SetParentWindow(parent);
  if (control->DockSide() != Dock::None) {
    LayoutDockedChildren(oldParent);
    LayoutDockedChildren(parent);
  }
}

bool RemakeGadgetWindow(int n, DWORD style, DWORD exStyle) {
  Control* control = GadgetControl(n);
  const bool visible = control->Visible();
  const HWND old = control->Remake(style, exStyle);
  if (!old) return false;
  const HWND fresh = control->hwnd();
  UnindexGadgetWindow(old);
  RouteThroughPMsg(n, fresh);
  g_gadgets[n].track.hwndTrack = fresh;
  SetWindowPos(fresh, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (visible) control->SetVisible(true);
  DestroyWindow(old);
  return true;
}

extern "C" {

void __cdecl CreateWithParent(int n) {
  if (CheckGadget(n)) g_creationParent = n;
}

void __cdecl CreateWithoutParent() { g_creationParent = 0; }

void __cdecl CreateHidden() { g_hiddenCreation = true; }

void __cdecl CreateVisible() { g_hiddenCreation = false; }

void __cdecl SetParentGadget(int g, int p) {
  if (!CheckGadget(g)) return;
  Control* control = GadgetControl(g);
  if (p <= 0) {
    control->SetParentControl(nullptr);
    PlaceOnWindow(g, HostWindow());
    return;
  }
  Control* parent = GadgetControl(p);
  if (!parent) {
    ReportMissing(p, MissingWhat::Gadget);
    return;
  }
  if (Contains(control->hwnd(), parent->hwnd())) {
    ReportGuiError(("Gadget " + std::to_string(g) + " cannot be placed inside itself or a gadget it holds.").c_str());
    return;
  }
  PlaceOnWindow(g, parent->hwnd());
}

}  // extern "C"
