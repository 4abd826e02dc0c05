#include "gadgets/properties.h"

#include <string>

#include "controls/lists.h"
#include "controls/control.h"
#include "controls/toggles.h"
#include "core/creation.h"
#include "core/docking.h"
#include "core/gadget_proc.h"
#include "core/host_window.h"
#include "core/registry.h"
#include "host/handles.h"
#include "host/host_strings.h"
#include "host/reports.h"

namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// A docked control goes back to its side after a script moved or sized it; its place among
// the controls on that side follows where it was put.
void KeepDocked(Control* control) {
  if (control->DockSide() != Dock::None) LayoutDockedChildren(control->ParentWindow());
}

// Moves in two steps, top first, as scripts see the changes arrive.
void MoveTo(Control* control, int left, int top) {
  RECT r = control->Bounds();
  control->SetBounds(r.left, top, Width(r), Height(r));
  control->SetBounds(left, top, Width(r), Height(r));
  KeepDocked(control);
}

// The host window's and the gadget's recorded window's outer rectangles; false when either
// window is not there.
bool AbsoluteRects(int n, RECT* host, RECT* gadget) {
  return HostWindow() && GetWindowRect(HostWindow(), host) && GetWindowRect(g_gadgets[n].recordedHandle, gadget);
}

// A control takes the focus only when it and every gadget around it, up to its window gadget,
// is shown and enabled.
bool CanFocus(HWND window) {
  for (HWND w = window; w; w = GetAncestor(w, GA_PARENT)) {
    Control* control = GadgetControl(GadgetFromHandle(w));
    if (!control) break;
    if (!control->Visible() || !IsWindowEnabled(w)) return false;
    if (IsA(control, ControlClass::Form)) break;
  }
  return true;
}

// LOCK and UNLOCK: a combo box becomes a list only or takes typing again, then an edit field
// refuses or takes typing.
void SetLocked(int n, bool locked) {
  Control* control = GadgetControl(n);
  if (auto* combo = ControlAs<ComboBoxControl>(control)) {
    if (combo->ListOnly() != locked) {
      RemakeGadgetWindow(n, combo->StyleFor(locked), static_cast<DWORD>(GetWindowLongPtrA(combo->hwnd(), GWL_EXSTYLE)));
    }
  } else if (IsA(control, ControlClass::MaskEdit)) {
    SendMessageA(control->hwnd(), EM_SETREADONLY, locked, 0);
  }
}

ToggleControl* Toggle(Control* control) {
  if (auto* checkBox = ControlAs<CheckBoxControl>(control)) return checkBox;
  return ControlAs<RadioButtonControl>(control);
}

}  // namespace

extern "C" {

void __cdecl SetGadgetText(int n, const char* text) {
  if (CheckGadget(n)) GadgetControl(n)->SetScriptText(text);
}

HostString __cdecl GetGadgetText(HostString previous, int n) {
  std::string text;
  if (CheckGadget(n)) GadgetControl(n)->ScriptText(&text);
  return StringResult(previous, std::move(text));
}

int __cdecl GetGadgetHandle(int n) { return CheckGadget(n) ? ScriptHandle(GadgetControl(n)->hwnd()) : 0; }

void __cdecl PositionGadget(int n, int left, int top) {
  if (!CheckGadget(n)) return;
  MoveTo(GadgetControl(n), left, top);
  RepaintAllGadgets();
}

void __cdecl PositionGadgetAbs(int n, int left, int top) {
  if (!CheckGadget(n)) return;
  RECT host, gadget;
  if (!AbsoluteRects(n, &host, &gadget)) return;
  Control* control = GadgetControl(n);
  const RECT current = control->Bounds();
  // The offsets between the host window's corner and the origin of the gadget's coordinates.
  const int dx = gadget.left - current.left - host.left;
  const int dy = gadget.top - current.top - host.top;
  MoveTo(control, left - dx, top - dy);
  RepaintAllGadgets();
}

int __cdecl GadgetAbsLeft(int n) {
  RECT host, gadget;
  return CheckGadget(n) && AbsoluteRects(n, &host, &gadget) ? gadget.left - host.left : 0;
}

int __cdecl GadgetAbsTop(int n) {
  RECT host, gadget;
  return CheckGadget(n) && AbsoluteRects(n, &host, &gadget) ? gadget.top - host.top : 0;
}

void __cdecl SizeGadget(int n, int width, int height) {
  if (!CheckGadget(n)) return;
  Control* control = GadgetControl(n);
  const RECT r = control->Bounds();
  control->SetBounds(r.left, r.top, width, Height(r));
  control->SetBounds(r.left, r.top, width, height);
  KeepDocked(control);
  control->Repaint();
  // An image button's inner button takes the same size here, height first, once image
  // buttons carry one.
  RepaintAllGadgets();
}

int __cdecl GadgetWidth(int n) { return CheckGadget(n) ? Width(GadgetControl(n)->Bounds()) : 0; }
int __cdecl GadgetHeight(int n) { return CheckGadget(n) ? Height(GadgetControl(n)->Bounds()) : 0; }
int __cdecl GadgetLeft(int n) { return CheckGadget(n) ? GadgetControl(n)->Bounds().left : 0; }
int __cdecl GadgetTop(int n) { return CheckGadget(n) ? GadgetControl(n)->Bounds().top : 0; }

void __cdecl AlignGadget(int n, int side) {
  if (!CheckGadget(n) || side < static_cast<int>(Dock::None) || side > static_cast<int>(Dock::Right)) return;
  Control* control = GadgetControl(n);
  control->SetDock(static_cast<Dock>(side));
  KeepDocked(control);
}

void __cdecl ScrollGadget(int n, int dx, int dy) {
  Control* control = GadgetControl(n);
  if (!control) return;
  const HWND window = control->hwnd();
  if (IsWindowVisible(window)) {
    ScrollWindowEx(window, dx, dy, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
  } else {
    // Nothing to show moving: the child windows are only put where the scroll takes them.
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      RECT r;
      GetWindowRect(child, &r);
      MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&r), 2);
      SetWindowPos(child, nullptr, r.left + dx, r.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  LayoutDockedChildren(window);
}

void __cdecl ShowGadget(int n) {
  if (CheckGadget(n)) GadgetControl(n)->SetVisible(true);
}

void __cdecl HideGadget(int n) {
  if (CheckGadget(n)) GadgetControl(n)->SetVisible(false);
}

void __cdecl EnableGadget(int n) {
  if (CheckGadget(n)) EnableWindow(GadgetControl(n)->hwnd(), TRUE);
}

void __cdecl DisableGadget(int n) {
  if (CheckGadget(n)) EnableWindow(GadgetControl(n)->hwnd(), FALSE);
}

int __cdecl GadgetVisible(int n) { return CheckGadget(n) && GadgetControl(n)->Visible() ? 1 : 0; }

void __cdecl GadgetToFront(int n) {
  if (CheckGadget(n)) BringGadgetToFront(n);
}

void __cdecl GadgetToBack(int n) {
  if (!CheckGadget(n)) return;
  SetWindowPos(GadgetControl(n)->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RepaintAllGadgets();
}

void __cdecl ActivateGadget(int n) {
  if (!CheckGadget(n)) return;
  Control* control = GadgetControl(n);
  // Focusing a top-level window gadget activates it.
  if (CanFocus(control->hwnd())) SetFocus(control->hwnd());
}

void __cdecl PaintGadget(int n) {
  Control* control = GadgetControl(n);
  if (!control) return;
  control->Repaint();
  UpdateWindow(control->hwnd());
}

void __cdecl LockGadget(int n) {
  if (CheckGadget(n)) SetLocked(n, true);
}

void __cdecl UnlockGadget(int n) {
  if (CheckGadget(n)) SetLocked(n, false);
}

int __cdecl GadgetChecked(int n) {
  if (!CheckGadget(n)) return 0;
  ToggleControl* toggle = Toggle(GadgetControl(n));
  return toggle && toggle->Checked() ? 1 : 0;
}

void __cdecl SetChecked(int n, int state) {
  if (!CheckGadget(n)) return;
  if (ToggleControl* toggle = Toggle(GadgetControl(n))) toggle->SetChecked(state == 1);
}

}  // extern "C"
