#include "controls/static_text.h"

#include "controls/text.h"

void StaticTextControl::SetScriptText(const char* text) {
  Control::SetScriptText(text);
  FitToText();
}

void StaticTextControl::SetBorder(bool single) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  SetWindowLongPtrA(hwnd(), GWL_STYLE, single ? style | WS_BORDER : style & ~WS_BORDER);
  RefreshFrame();
  FitToText();
}

void StaticTextControl::FitToText() {
  const std::string text = ControlText(hwnd());
  if (text.empty()) return;
  HDC dc = GetDC(hwnd());
  const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0)));
  RECT textRect{};
  DrawTextA(dc, text.c_str(), -1, &textRect, DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dc, oldFont);
  ReleaseDC(hwnd(), dc);

  // The frame, when the label has one, comes on top of the text.
  RECT window{}, client{};
  GetWindowRect(hwnd(), &window);
  GetClientRect(hwnd(), &client);
  const int frameWidth = (window.right - window.left) - client.right;
  const int frameHeight = (window.bottom - window.top) - client.bottom;
  SetWindowPos(hwnd(), nullptr, 0, 0, textRect.right + frameWidth, textRect.bottom + frameHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StaticTextControl::SetAlignment(TextAlign alignment) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  const LONG_PTR type = alignment == TextAlign::Center ? SS_CENTER : alignment == TextAlign::Right ? SS_RIGHT : SS_LEFT;
  if ((style & SS_TYPEMASK) == type) return;
  SetWindowLongPtrA(hwnd(), GWL_STYLE, (style & ~SS_TYPEMASK) | type);
  InvalidateRect(hwnd(), nullptr, TRUE);
}
