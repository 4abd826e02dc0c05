#include "core/host_window.h"

#include "controls/control.h"
#include "controls/form.h"
#include "controls/panel.h"
#include "core/docking.h"
#include "core/reflect.h"
#include "core/registry.h"
#include "host/handles.h"
#include "host/host_strings.h"
#include "host/reports.h"

namespace {

HWND g_host = nullptr;
HWND g_drawing = nullptr;
WNDPROC g_previousHostProc = nullptr;
WNDPROC g_installedHostProc = nullptr;  // ours, while it sits on the host window
int g_guiMode = 0;
LONG_PTR g_guiStyle = 0;

constexpr int kModeKeepHostProc = 1;
constexpr int kModeReplaceHostProc = 2;

LRESULT PassOn(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (g_guiMode == kModeReplaceHostProc) return DefWindowProcA(window, message, wparam, lparam);
  return CallWindowProcA(g_previousHostProc, window, message, wparam, lparam);
}

// DBP's window is gone: the library is unbound again, and nothing is placed on a dead window.
void ForgetDestroyedHost(UINT message) {
  if (message != WM_NCDESTROY) return;
  g_host = nullptr;
  g_drawing = nullptr;
  g_installedHostProc = nullptr;
}

LRESULT CALLBACK HostWndProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (ReflectToSender(message, wparam, lparam, &result)) return result;
  switch (message) {
    case WM_SIZE:
      LayoutDockedChildren(window);
      RepaintAllGadgets();
      break;
    case WM_SIZING:
      RepaintAllGadgets();
      break;
    case WM_CLOSE:
      ExitProcess(0);
  }
  result = PassOn(window, message, wparam, lparam);
  ForgetDestroyedHost(message);
  return result;
}

// In the mode that keeps DBP's procedure, gadgets on the host window still need their parent
// notifications and docking; nothing else of the host window is touched.
LRESULT CALLBACK HostRelayProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (ReflectToSender(message, wparam, lparam, &result)) return result;
  result = CallWindowProcA(g_previousHostProc, window, message, wparam, lparam);
  if (message == WM_SIZE) LayoutDockedChildren(window);
  ForgetDestroyedHost(message);
  return result;
}

bool OurProcIsOnTop() {
  return g_host && g_installedHostProc &&
         reinterpret_cast<WNDPROC>(GetWindowLongPtrA(g_host, GWLP_WNDPROC)) == g_installedHostProc;
}

void InstallHostProc(WNDPROC proc) {
  g_installedHostProc = proc;
  SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

}  // namespace

HWND HostWindow() { return g_host; }
HWND DrawingWindow() { return g_drawing; }

void ForgetDrawingWindow(HWND gone) {
  if (gone && g_drawing == gone) g_drawing = g_host;
}

void UnhookHostWindow() {
  if (OurProcIsOnTop()) SetWindowLongPtrA(g_host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previousHostProc));
  g_installedHostProc = nullptr;
}

namespace {

void SetupGui(const char* title, int mode) {
  HWND window = FindWindowA(nullptr, ArgText(title));
  if (!window) ShowMessageBox("Error", "Unable to setup GUI component.   DBP window not found");
  // A second SETUP GUI first unhooks the first, so our procedure is never saved as the one
  // to pass messages on to. Where someone else hooked the window after us, their chain stays.
  if (OurProcIsOnTop()) UnhookHostWindow();
  g_host = window;
  g_drawing = window;
  g_guiMode = mode;
  if (!window) return;
  if (!g_installedHostProc) {
    g_previousHostProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    InstallHostProc(mode == kModeKeepHostProc ? HostRelayProc : HostWndProc);
  }
  g_guiStyle = GetWindowLongPtrA(window, GWL_STYLE) | WS_CLIPCHILDREN;
  SetWindowLongPtrA(window, GWL_STYLE, g_guiStyle);
}

HWND WindowAtCursor() {
  POINT cursor{};
  GetCursorPos(&cursor);
  return WindowFromPoint(cursor);
}

RECT HostRect() {
  RECT r{};
  if (g_host) GetWindowRect(g_host, &r);
  return r;
}

}  // namespace

extern "C" {

void __cdecl InitGUI(const char* title, const char*, int mode) { SetupGui(title, mode); }

void __cdecl InitGUIDefault(const char* title, const char*) { SetupGui(title, 0); }

void __cdecl ResetStyle() {
  if (g_host) SetWindowLongPtrA(g_host, GWL_STYLE, g_guiStyle);
}

void __cdecl SetDrawingWindow(int n) {
  if (n == 0) {
    g_drawing = g_host;
    return;
  }
  if (!CheckGadget(n)) return;
  Control* control = GadgetControl(n);
  if (IsA(control, ControlClass::Form) || IsA(control, ControlClass::Panel)) g_drawing = control->hwnd();
}

void __cdecl CaptureDBPWindow(int n) {
  if (!CheckGadget(n) || !g_host) return;
  HWND holder = GadgetControl(n)->hwnd();
  if (holder == g_host || IsChild(g_host, holder)) {
    ReportGuiError("The DBP window cannot be placed inside a gadget that lies inside it.");
    return;
  }
  SetParent(g_host, holder);
}

void __cdecl ReleaseDBPWindow() {
  if (g_host) SetParent(g_host, nullptr);
}

void __cdecl ActivateDBPWin() {
  if (g_host) SetFocus(g_host);
}

int __cdecl GetWindowWidth() {
  const RECT r = HostRect();
  return r.right - r.left;
}

int __cdecl GetWindowHeight() {
  const RECT r = HostRect();
  return r.bottom - r.top;
}

int __cdecl MouseLeft() {
  if (!g_host) return 0;
  POINT cursor{};
  GetCursorPos(&cursor);
  return cursor.x - HostRect().left;
}

int __cdecl MouseTop() {
  if (!g_host) return 0;
  POINT cursor{};
  GetCursorPos(&cursor);
  return cursor.y - HostRect().top;
}

int __cdecl WindowUnderMouse() { return ScriptHandle(WindowAtCursor()); }

int __cdecl GadgetUnderMouse2() { return GadgetFromHandle(WindowAtCursor()); }

int __cdecl ActiveGadget() { return GadgetFromHandle(GetFocus()); }

}  // extern "C"
