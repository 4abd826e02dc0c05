#include "controls/lists.h"

#include <string>
#include <vector>

#include "controls/text.h"

namespace {

constexpr int kDroppedItems = 8;  // items the dropped list shows before it scrolls
constexpr DWORD kDropDownTypes = CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST;

}  // namespace

ComboBoxControl::ComboBoxControl(HWND window) : Control(kClass, window) {
  InstallBehaviour();
  const RECT made = Bounds();
  SetBounds(made.left, made.top, made.right - made.left, made.bottom - made.top);
}

void ComboBoxControl::SetBounds(int left, int top, int width, int height) {
  const int itemHeight = static_cast<int>(SendMessageA(hwnd(), CB_GETITEMHEIGHT, 0, 0));
  Control::SetBounds(left, top, width, height + kDroppedItems * itemHeight + 2);
}

bool ComboBoxControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  // The drop-down list is a window of the desktop that asks the combo box for its colours:
  // the combo box answers them itself instead of passing them to its parent.
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return false;
  return OnParentNotify(message, wparam, lparam, result);
}

bool ComboBoxControl::ListOnly() const {
  return (GetWindowLongPtrA(hwnd(), GWL_STYLE) & kDropDownTypes) == CBS_DROPDOWNLIST;
}

DWORD ComboBoxControl::StyleFor(bool listOnly) const {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)) & ~kDropDownTypes;
  return style | (listOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
}

void ComboBoxControl::CopyContentsTo(HWND fresh) {
  KeepDroppedHeight(fresh);
  const HWND old = hwnd();
  const LRESULT count = SendMessageA(old, CB_GETCOUNT, 0, 0);
  std::vector<char> item;
  for (LRESULT i = 0; i < count; ++i) {
    item.assign(static_cast<size_t>(SendMessageA(old, CB_GETLBTEXTLEN, i, 0)) + 1, '\0');
    SendMessageA(old, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()));
    // Inserted at the end, not added: a sorted style must not reorder what the script numbered.
    const LRESULT at = SendMessageA(fresh, CB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.data()));
    SendMessageA(fresh, CB_SETITEMDATA, at, SendMessageA(old, CB_GETITEMDATA, i, 0));
  }
  SendMessageA(fresh, CB_SETCURSEL, SendMessageA(old, CB_GETCURSEL, 0, 0), 0);
  // A drop-down's edit part may hold a text that is no item; a list shows its selection only.
  if ((GetWindowLongPtrA(fresh, GWL_STYLE) & kDropDownTypes) != CBS_DROPDOWNLIST) {
    SetControlText(fresh, ControlText(old).c_str());
  }
}

namespace {

int DroppedHeight(HWND combo) {
  RECT dropped{};
  SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  return dropped.bottom - dropped.top;
}

}  // namespace

RECT ComboBoxControl::CreationBounds() const {
  // A combo box window is made as tall as it is when dropped; its bounds give the closed part,
  // and the list hangs below it.
  RECT bounds = Bounds();
  bounds.bottom += DroppedHeight(hwnd());
  return bounds;
}

void ComboBoxControl::KeepDroppedHeight(HWND fresh) {
  // Systems differ in what the dropped rectangle spans (the list alone, or the closed part
  // too), but each grows it one for one with the window's height: sized once more now that it
  // has its font, then corrected, the new window drops as far as the old one.
  const RECT made = CreationBounds();
  const int width = made.right - made.left;
  const int height = made.bottom - made.top;
  constexpr UINT kSizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(fresh, nullptr, 0, 0, width, height, kSizeOnly);
  const int correction = DroppedHeight(hwnd()) - DroppedHeight(fresh);
  if (correction) SetWindowPos(fresh, nullptr, 0, 0, width, height + correction, kSizeOnly);
}