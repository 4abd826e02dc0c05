#include "controls/combo_box.h"

#include <string>
#include <vector>

#include "controls/text.h"

namespace {

constexpr DWORD kDropDownTypes = CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST;

}  // namespace

bool ComboBoxControl::ListOnly() const {
  return (GetWindowLongPtrA(hwnd(), GWL_STYLE) & kDropDownTypes) == CBS_DROPDOWNLIST;
}

DWORD ComboBoxControl::StyleFor(bool listOnly) const {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)) & ~kDropDownTypes;
  return style | (listOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
}

void ComboBoxControl::CopyContentsTo(HWND fresh) {
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

RECT ComboBoxControl::CreationBounds() const {
  // A combo box window is made as tall as it is when dropped; its bounds give the closed part.
  RECT bounds = Bounds();
  RECT dropped{}, window{};
  SendMessageA(hwnd(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  GetWindowRect(hwnd(), &window);
  if (dropped.bottom > window.bottom) bounds.bottom = bounds.top + (dropped.bottom - window.top);
  return bounds;
}
