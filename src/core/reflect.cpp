#include "core/reflect.h"

#include "controls/control.h"
#include "core/registry.h"

namespace {

// The window that sent a parent notification, or null for any other message.
HWND SenderOf(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<HWND>(lparam);
    case WM_NOTIFY:
      return lparam ? reinterpret_cast<const NMHDR*>(lparam)->hwndFrom : nullptr;
    case WM_DRAWITEM:
      return wparam && lparam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->hwndItem : nullptr;
    default:
      return nullptr;
  }
}

bool IsColorMessage(UINT message) { return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC; }

// The control behind a window, also while its gadget is being deleted.
Control* ControlOfWindow(HWND window) {
  const int n = GadgetFromHandle(window);
  return n ? g_gadgets[n].control : nullptr;
}

}  // namespace

bool ReflectToSender(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  HWND sender = SenderOf(message, wparam, lparam);
  if (!sender) return false;
  Control* control = ControlOfWindow(sender);
  // The inner windows of a control (a combo box's edit field) colour themselves through it.
  if (!control && IsColorMessage(message)) control = ControlOfWindow(GetParent(sender));
  return control && control->OnParentNotify(message, wparam, lparam, result);
}
