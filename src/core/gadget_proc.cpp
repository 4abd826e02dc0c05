#include "core/gadget_proc.h"

#include "controls/control.h"
#include "controls/form.h"
#include "controls/kinds.h"
#include "controls/panel.h"
#include "controls/toggles.h"
#include "core/creation.h"
#include "core/docking.h"
#include "core/host_window.h"
#include "core/message_log.h"
#include "core/reflect.h"
#include "core/registry.h"
#include "host/reports.h"

int g_lastClicked = 0;
int g_underMouse = 0;

void BringGadgetToFront(int n) {
  // A window gadget pressed while it is being made or deleted is not in use.
  Control* control = GadgetControl(n);
  if (!control) return;
  SetWindowPos(control->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  RepaintAllGadgets();
}

namespace {

// The control that still belongs to the window, after a call that may have re-entered and
// deleted it.
Control* LiveControl(int n, HWND window) {
  Control* control = g_gadgets[n].control;
  return control && control->hwnd() == window && IsWindow(window) ? control : nullptr;
}

PanelControl* FlatButtonPanel(int n, Control* control) {
  return g_gadgets[n].kind == KindFlatButton ? ControlAs<PanelControl>(control) : nullptr;
}

void OnMouseMove(int n, Control* control) {
  TrackMouseEvent(&g_gadgets[n].track);
  if (PanelControl* flat = FlatButtonPanel(n, control)) flat->SetOuterBevel(Bevel::Raised);
  g_underMouse = n;
}

void OnMouseLeave(Control* control) {
  g_underMouse = 0;
  if (auto* panel = ControlAs<PanelControl>(control)) panel->SetOuterBevel(Bevel::None);
}

// The actions on a press and a release return false when a message they sent deleted the
// gadget: its window is gone, and so is the message's destination.
bool OnLeftButtonDown(int n, HWND window, Control* control) {
  if (IsA(control, ControlClass::ComboBox)) {
    control->Repaint();
    if (!(control = LiveControl(n, window))) return false;
  }
  if (PanelControl* flat = FlatButtonPanel(n, control)) flat->SetOuterBevel(Bevel::Lowered);
  if (IsA(control, ControlClass::Form)) {
    BringGadgetToFront(n);
    if (!LiveControl(n, window)) return false;
    BringWindowToTop(window);
    SetForegroundWindow(window);
    if (!LiveControl(n, window)) return false;
  }
  g_gadgets[n].clickState = 1;
  return true;
}

// A click in an edit field or text area of a framed window gadget that sits on the host
// window gives the field the focus.
bool FocusesOnClick(const Control* control) {
  if (!IsA(control, ControlClass::MaskEdit) && !IsA(control, ControlClass::Memo)) return false;
  auto* form = ControlAs<FormControl>(control->ParentControl());
  return form && form->Border() != BorderStyle::None && form->ParentWindow() &&
         form->ParentWindow() == HostWindow();
}

bool OnLeftButtonUp(int n, HWND window, Control* control) {
  if (FocusesOnClick(control)) {
    SetFocus(window);
    if (!(control = LiveControl(n, window))) return false;
  }
  g_lastClicked = n;
  if (auto* checkBox = ControlAs<CheckBoxControl>(control)) {
    // A check box inside a parent control has no parent window; focusing none leaves the
    // thread without a focus.
    SetFocus(checkBox->ParentControl() ? nullptr : checkBox->ParentWindow());
    if (!(control = LiveControl(n, window))) return false;
    ControlAs<CheckBoxControl>(control)->Toggle();
  } else if (auto* radio = ControlAs<RadioButtonControl>(control)) {
    radio->Toggle();
  }
  if (!(control = LiveControl(n, window))) return false;
  if (PanelControl* flat = FlatButtonPanel(n, control)) flat->SetOuterBevel(Bevel::None);
  g_gadgets[n].clickState = 0;
  return true;
}

}  // namespace

extern "C" LRESULT CALLBACK PMsg(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const int n = GadgetFromHandle(window);
  if (!n) return DefWindowProcA(window, message, wparam, lparam);
  if (g_recordingMessages) LogMessage(n, message, wparam, lparam);

  Control* control = g_gadgets[n].control;
  LRESULT result = 0;
  switch (message) {
    case WM_NCACTIVATE:
      return 1;
    case WM_NCMOUSEMOVE:
      g_underMouse = n;
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(n, control);
      break;
    case WM_LBUTTONDOWN:
      if (!OnLeftButtonDown(n, window, control)) return 0;
      break;
    case WM_LBUTTONUP:
      if (!OnLeftButtonUp(n, window, control)) return 0;
      break;
    case WM_RBUTTONDOWN:  // the control sees a right press as a left one
      message = WM_LBUTTONDOWN;
      break;
    case WM_NCMOUSELEAVE:
      g_underMouse = 0;
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave(control);
      break;
    default:
      if (ReflectToSender(message, wparam, lparam, &result)) return result;
      break;
  }
  result = CallWindowProcA(g_gadgets[n].previousProc, window, message, wparam, lparam);
  switch (message) {
    case WM_SIZE:
      LayoutDockedChildren(window);
      break;
    case WM_NCDESTROY:
      ForgetDestroyedGadget(n, window);
      break;
  }
  return result;
}

extern "C" {

int __cdecl GetLastGadget() {
  const int n = g_lastClicked;
  g_lastClicked = 0;
  return n;
}

int __cdecl RGadgetState(int n) { return CheckGadget(n) ? g_gadgets[n].clickState : 0; }

int __cdecl GadgetUnderMouse() { return g_underMouse; }

}  // extern "C"
