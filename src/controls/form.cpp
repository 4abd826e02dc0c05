#include "controls/form.h"

FormControl::FormControl(HWND window) : OwnWindowControl(kClass, window) {}

void FormControl::SetParentWindow(HWND parent) {
  if (ParentControl()) return;
  LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  // The child style goes before a window leaves its parent and comes after it gets one, so the
  // window is never a child without a parent.
  if (!parent) SetWindowLongPtrA(hwnd(), GWL_STYLE, style & ~WS_CHILD);
  SetParent(hwnd(), parent);
  if (parent) SetWindowLongPtrA(hwnd(), GWL_STYLE, style | WS_CHILD);
  RefreshFrame();
}

void FormControl::SetVisible(bool visible) {
  if (visible && TopLevel()) {
    ShowWindow(hwnd(), SW_SHOW);
  } else {
    Control::SetVisible(visible);
  }
}

void FormControl::SetAlpha(BYTE alpha) {
  // Layered child windows need Windows 8; before that the system leaves a child form opaque.
  SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
  SetLayeredWindowAttributes(hwnd(), 0, alpha, LWA_ALPHA);
}

bool FormControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_CLOSE:  // the close box hides a window gadget; only DELETE GADGET ends it
      ShowWindow(hwnd(), SW_HIDE);
      return true;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, BackgroundBrush());
      *result = 1;
      return true;
    }
    default:
      return OwnWindowControl::HandleMessage(message, wparam, lparam, result);
  }
}

void FormControl::SetBorder(BorderStyle border) {
  border_ = border;
  ApplyFrame();
}

void FormControl::SetMinMaxBoxes(bool shown) {
  minMaxBoxes_ = shown;
  ApplyFrame();
}

void FormControl::ApplyFrame() {
  constexpr LONG_PTR kFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_DLGFRAME | WS_BORDER | WS_SYSMENU |
                                    WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  constexpr LONG_PTR kFrameExStyles = WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  LONG_PTR style = 0, exStyle = 0;
  bool boxesAllowed = false;
  switch (border_) {
    case BorderStyle::Single:
      style = WS_CAPTION;
      boxesAllowed = true;
      break;
    case BorderStyle::Sizeable:
      style = WS_CAPTION | WS_THICKFRAME;
      boxesAllowed = true;
      break;
    case BorderStyle::Dialog:
      style = WS_CAPTION;
      exStyle = WS_EX_DLGMODALFRAME;
      break;
    case BorderStyle::ToolWindow:
      style = WS_CAPTION;
      exStyle = WS_EX_TOOLWINDOW;
      break;
    case BorderStyle::SizeToolWin:
      style = WS_CAPTION | WS_THICKFRAME;
      exStyle = WS_EX_TOOLWINDOW;
      break;
    case BorderStyle::None:
      break;
  }
  if (border_ != BorderStyle::None) style |= WS_SYSMENU;
  if (boxesAllowed && minMaxBoxes_) style |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  SetWindowLongPtrA(hwnd(), GWL_STYLE, (GetWindowLongPtrA(hwnd(), GWL_STYLE) & ~kFrameStyles) | style);
  SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, (GetWindowLongPtrA(hwnd(), GWL_EXSTYLE) & ~kFrameExStyles) | exStyle);
  RefreshFrame();
}
