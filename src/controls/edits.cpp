#include "controls/edits.h"

#include <richedit.h>

DWORD MemoControl::AlignedStyle(TextAlign alignment) const {
  const DWORD side = alignment == TextAlign::Center ? ES_CENTER : alignment == TextAlign::Right ? ES_RIGHT : ES_LEFT;
  return (static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)) & ~(ES_CENTER | ES_RIGHT)) | side;
}

void MemoControl::CopyContentsTo(HWND fresh) {
  SendMessageA(fresh, EM_SETLIMITTEXT, SendMessageA(hwnd(), EM_GETLIMITTEXT, 0, 0), 0);
  SendMessageA(fresh, EM_SETREADONLY, (GetWindowLongPtrA(hwnd(), GWL_STYLE) & ES_READONLY) != 0, 0);
  DWORD start = 0, end = 0;
  SendMessageA(hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  SendMessageA(fresh, EM_SETSEL, start, end);
  SendMessageA(fresh, EM_LINESCROLL, 0, SendMessageA(hwnd(), EM_GETFIRSTVISIBLELINE, 0, 0));
  SendMessageA(fresh, EM_SETMODIFY, SendMessageA(hwnd(), EM_GETMODIFY, 0, 0), 0);
}

void RichEditControl::SetAlignment(TextAlign alignment) {
  if (alignment_ == alignment) return;
  alignment_ = alignment;
  ApplyAlignment();
}

void RichEditControl::SetScriptText(const char* text) {
  Control::SetScriptText(text);
  if (alignment_ != TextAlign::Left) ApplyAlignment();
}

void RichEditControl::ApplyAlignment() {
  PARAFORMAT format{};
  format.cbSize = sizeof format;
  format.dwMask = PFM_ALIGNMENT;
  format.wAlignment = alignment_ == TextAlign::Center ? PFA_CENTER
                      : alignment_ == TextAlign::Right ? PFA_RIGHT
                                                       : PFA_LEFT;
  CHARRANGE selection{};
  SendMessageA(hwnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  CHARRANGE all{0, -1};
  SendMessageA(hwnd(), EM_HIDESELECTION, TRUE, 0);
  SendMessageA(hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  SendMessageA(hwnd(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
  SendMessageA(hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  SendMessageA(hwnd(), EM_HIDESELECTION, FALSE, 0);
}
