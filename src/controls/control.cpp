#include "controls/control.h"

#include <commctrl.h>
#include <richedit.h>

#include "controls/text.h"

namespace {

// The class each class derives from; everything ends at the windowed control.
ControlClass BaseOf(ControlClass cls) {
  return cls == ControlClass::BitBtn ? ControlClass::Button : ControlClass::WinControl;
}

bool ClassTakesText(ControlClass cls) {
  switch (cls) {
    case ControlClass::MaskEdit:
    case ControlClass::Button:
    case ControlClass::BitBtn:
    case ControlClass::Panel:
    case ControlClass::Form:
    case ControlClass::StaticText:
    case ControlClass::CheckBox:
    case ControlClass::Memo:
    case ControlClass::RichEdit:
    case ControlClass::GroupBox:
    case ControlClass::RadioButton:
    case ControlClass::ComboBox:
      return true;
    default:
      return false;
  }
}

bool ClassGivesText(ControlClass cls) {
  switch (cls) {
    case ControlClass::MaskEdit:
    case ControlClass::Form:
    case ControlClass::Button:
    case ControlClass::BitBtn:
    case ControlClass::Memo:
    case ControlClass::RichEdit:
    case ControlClass::ComboBox:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool ClassDerivesFrom(ControlClass actual, ControlClass tested) {
  for (;;) {
    if (actual == tested) return true;
    if (actual == ControlClass::WinControl) return false;
    actual = BaseOf(actual);
  }
}

extern "C" IMAGE_DOS_HEADER __ImageBase;

HINSTANCE LibraryInstance() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

Control::Control(ControlClass cls, HWND window)
    : class_(cls), window_(window), baseProc_(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC))) {}

void Control::InstallBehaviour() {
  hasBehaviour_ = true;
  SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::BehaviourProc));
}

LRESULT CALLBACK Control::BehaviourProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  LRESULT result = 0;
  if (control->HandleMessage(message, wparam, lparam, &result)) return result;
  return CallWindowProcA(control->baseProc_, window, message, wparam, lparam);
}

LRESULT Control::CallBase(UINT message, WPARAM wparam, LPARAM lparam) {
  return CallWindowProcA(baseProc_, window_, message, wparam, lparam);
}

void Control::Unhook() { SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_)); }

HWND Control::Remake(DWORD style, DWORD exStyle) {
  char className[64] = {};
  GetClassNameA(window_, className, sizeof className);
  const RECT bounds = CreationBounds();
  HWND parent = GetParent(window_);
  const std::string text = ControlText(window_);
  HWND fresh = CreateWindowExA(exStyle, className, text.c_str(), style & ~WS_VISIBLE, bounds.left, bounds.top,
                               bounds.right - bounds.left, bounds.bottom - bounds.top,
                               (style & WS_CHILD) ? parent : nullptr, nullptr, LibraryInstance(), nullptr);
  if (!fresh) return nullptr;
  SendMessageA(fresh, WM_SETFONT, SendMessageA(window_, WM_GETFONT, 0, 0), FALSE);
  EnableWindow(fresh, IsWindowEnabled(window_));
  CopyContentsTo(fresh);

  const HWND old = window_;
  Unhook();
  window_ = fresh;
  baseProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(fresh, GWLP_WNDPROC));
  if (hasBehaviour_) InstallBehaviour();
  return old;
}

void Control::SetParentControl(Control* parent) {
  parentControl_ = parent;
  if (parent) SetParent(window_, parent->hwnd());
}

void Control::SetParentWindow(HWND parent) {
  if (parentControl_ || !parent) return;
  SetParent(window_, parent);
}

HWND Control::ParentWindow() const {
  return (GetWindowLongPtrA(window_, GWL_STYLE) & WS_CHILD) ? GetParent(window_) : nullptr;
}

RECT Control::Bounds() const {
  RECT r{};
  GetWindowRect(window_, &r);
  if (HWND parent = ParentWindow()) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void Control::SetBounds(int left, int top, int width, int height) {
  SetWindowPos(window_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::RefreshFrame() {
  SetWindowPos(window_, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool Control::Visible() const { return (GetWindowLongPtrA(window_, GWL_STYLE) & WS_VISIBLE) != 0; }

void Control::SetVisible(bool visible) { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }

void Control::Repaint() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void Control::SetDock(Dock side) { dock_ = side; }

void Control::SetScriptText(const char* text) {
  if (ClassTakesText(class_)) SetControlText(window_, text);
}

bool Control::ScriptText(std::string* text) const {
  if (!ClassGivesText(class_)) return false;
  *text = ControlText(window_);
  return true;
}

void Control::SetColor(COLORREF color) {
  switch (class_) {
    case ControlClass::TreeView:
      SendMessageA(window_, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
      break;
    case ControlClass::ListView:
      SendMessageA(window_, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(color));
      SendMessageA(window_, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color));
      break;
    case ControlClass::RichEdit:
      SendMessageA(window_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(color));
      break;
    default:
      background_.SetColor(color);
      break;
  }
  // Inner windows (a combo box's edit field) ask for the colour too.
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HBRUSH Control::BackgroundBrush() const {
  if (background_.IsSet()) return background_.Handle();
  return ButtonFaceBackground() ? GetSysColorBrush(COLOR_BTNFACE) : nullptr;
}

COLORREF Control::BackgroundColor() const {
  return background_.IsSet() ? background_.Color() : GetSysColor(COLOR_BTNFACE);
}

bool Control::OnParentNotify(UINT message, WPARAM wparam, LPARAM, LRESULT* result) {
  if (message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC) return false;
  const HBRUSH brush = BackgroundBrush();
  if (!brush) return false;
  SetBkColor(reinterpret_cast<HDC>(wparam), BackgroundColor());
  *result = reinterpret_cast<LRESULT>(brush);
  return true;
}

bool OwnWindowControl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (message) {
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wparam);
      if (LOWORD(lparam)) InvalidateRect(hwnd(), nullptr, TRUE);
      return true;
    case WM_GETFONT:
      *result = reinterpret_cast<LRESULT>(font_);
      return true;
    default:
      return false;
  }
}
