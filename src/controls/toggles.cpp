#include "controls/toggles.h"

bool ToggleControl::Checked() const { return SendMessageA(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ToggleControl::SetChecked(bool checked) {
  SendMessageA(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void ToggleControl::SetCaptionSide(TextAlign alignment) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  const LONG_PTR side = alignment == TextAlign::Left ? BS_LEFTTEXT : 0;
  if ((style & BS_LEFTTEXT) == side) return;
  SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~BS_LEFTTEXT) | side);
  InvalidateRect(hwnd(), nullptr, TRUE);
}

namespace {

bool IsRadioButtonWindow(HWND window) {
  char className[16];
  if (!GetClassNameA(window, className, sizeof className) || lstrcmpiA(className, "BUTTON") != 0) return false;
  const LONG_PTR type = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

void RadioButtonControl::SetChecked(bool checked) {
  if (checked) {
    if (HWND parent = GetParent(hwnd())) {
      for (HWND sibling = GetWindow(parent, GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling != hwnd() && IsRadioButtonWindow(sibling)) {
          SendMessageA(sibling, BM_SETCHECK, BST_UNCHECKED, 0);
        }
      }
    }
  }
  ToggleControl::SetChecked(checked);
}

bool GroupBoxControl::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
  if (message != WM_NCHITTEST) return false;
  *result = HTCLIENT;
  return true;
}
