#include "controls/tabs.h"

#include <commctrl.h>

bool TabStripControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  if (message != WM_ERASEBKGND && message != WM_PAINT) return false;
  const HBRUSH brush = BackgroundBrush();
  if (!brush) return false;
  RECT area;
  GetClientRect(hwnd(), &area);
  switch (message) {
    case WM_ERASEBKGND:
      FillRect(reinterpret_cast<HDC>(wparam), &area, brush);
      *result = 1;
      return true;
    case WM_PAINT: {
      // Visual styles paint the page area over the erased background: the page takes the brush
      // afterwards, inside its frame and around the gadgets placed on it.
      *result = CallBase(message, wparam, lparam);
      SendMessageA(hwnd(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
      HDC dc = GetDCEx(hwnd(), nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
      FillRect(dc, &area, brush);
      ReleaseDC(hwnd(), dc);
      return true;
    }
    default:
      return false;
  }
}
