#include "controls/kinds.h"

#include <commctrl.h>
#include <richedit.h>

#include "controls/buttons.h"
#include "controls/edits.h"
#include "controls/form.h"
#include "controls/lists.h"
#include "controls/panel.h"
#include "controls/static_text.h"
#include "controls/tabs.h"
#include "controls/toggles.h"

namespace {

constexpr char kPanelClass[] = "GadgetryPanel";
constexpr char kFormClass[] = "GadgetryForm";
constexpr char kPlainClass[] = "GadgetryControl";

template <class T>
Control* Make(HWND window) {
  return new T(window);
}

Control* MakePlain(ControlClass cls, HWND window) { return new Control(cls, window); }

// What a kind is made of. Sizes are the ones scripts get when they never resize.
struct KindSpec {
  ControlClass cls;
  const char* windowClass;
  DWORD style;
  DWORD exStyle;
  SIZE size;
  Dock dock;
  Control* (*make)(HWND window);  // null: a control of the plain class
};

constexpr DWORD kEdge = WS_EX_CLIENTEDGE;

// Indexed by kind code; kinds whose component is not available here have no window class.
const KindSpec kKinds[MaxKind + 1] = {
    {},
    /*1*/ {ControlClass::Button, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, {75, 25}, Dock::None, Make<ButtonControl>},
    /*2*/ {ControlClass::MaskEdit, "EDIT", ES_AUTOHSCROLL | WS_TABSTOP, kEdge, {121, 21}, Dock::None, nullptr},
    /*3*/ {ControlClass::Panel, kPanelClass, 0, 0, {185, 41}, Dock::None, Make<PanelControl>},
    /*4*/ {ControlClass::StaticText, "STATIC", SS_NOTIFY, 0, {65, 17}, Dock::None, Make<StaticTextControl>},
    /*5*/ {ControlClass::ListBox, "LISTBOX", LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
           kEdge, {121, 97}, Dock::None, nullptr},
    /*6*/ {ControlClass::Form, kFormClass, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN, 0, {320, 240},
           Dock::None, Make<FormControl>},
    /*7*/ {ControlClass::CheckBox, "BUTTON", BS_CHECKBOX | WS_TABSTOP, 0, {97, 17}, Dock::None, Make<CheckBoxControl>},
    /*8*/ {ControlClass::BitBtn, "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, {75, 25}, Dock::None, Make<BitBtnControl>},
    /*9*/ {ControlClass::TabControl, WC_TABCONTROLA, WS_TABSTOP, 0, {289, 193}, Dock::None, Make<TabStripControl>},
    /*10*/ {ControlClass::ProgressBar, PROGRESS_CLASSA, 0, 0, {150, 16}, Dock::None, nullptr},
    /*11*/ {ControlClass::StatusBar, STATUSCLASSNAMEA, CCS_NORESIZE | CCS_NOPARENTALIGN, 0, {0, 19}, Dock::Bottom, nullptr},
    /*12*/ {ControlClass::ToolBar, TOOLBARCLASSNAMEA, CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 0, {150, 29},
            Dock::Top, nullptr},
    /*13*/ {ControlClass::ListView, WC_LISTVIEWA, LVS_SHAREIMAGELISTS | WS_TABSTOP, kEdge, {250, 150}, Dock::None, nullptr},
    /*14*/ {ControlClass::ComboBox, "COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, {145, 21},
            Dock::None, Make<ComboBoxControl>},
    /*15*/ {ControlClass::TreeView, WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | WS_TABSTOP, kEdge,
            {121, 97}, Dock::None, nullptr},
    /*16*/ {ControlClass::Memo, "EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP, kEdge, {185, 89},
            Dock::None, Make<MemoControl>},
    /*17*/ {ControlClass::ScrollBar, "SCROLLBAR", SBS_HORZ | WS_TABSTOP, 0, {121, 0}, Dock::None, nullptr},
    /*18*/ {ControlClass::Panel, kPanelClass, 0, 0, {185, 41}, Dock::None, Make<PanelControl>},
    /*19*/ {ControlClass::WinControl, kPlainClass, 0, 0, {0, 0}, Dock::None, Make<PlainWindowControl>},
    /*20*/ {},
    /*21*/ {},
    /*22*/ {},
    /*23*/ {ControlClass::GroupBox, "BUTTON", BS_GROUPBOX, 0, {185, 105}, Dock::None, Make<GroupBoxControl>},
    /*24*/ {ControlClass::RadioButton, "BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, {113, 17}, Dock::None,
            Make<RadioButtonControl>},
    /*25*/ {},
    /*26*/ {ControlClass::RichEdit, RICHEDIT_CLASSA, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_TABSTOP, kEdge,
            {185, 89}, Dock::None, Make<RichEditControl>},
};

// Our own classes run the system's default procedure; their behaviour is added to each window
// as a subclass, so no class is left pointing into the library once it is unloaded.
void RegisterOwnClass(const char* name, UINT classStyle) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = classStyle | CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = LibraryInstance();
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  RegisterClassExA(&wc);
}

// Loaded on first use, never from DllMain.
void PrepareWindowClasses() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&icc);
  // Gadget windows outlive this library and run on the code of the libraries that made their
  // classes: those stay loaded for the life of the process (riched20 is never freed).
  HMODULE commonControls = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_PIN, "comctl32.dll", &commonControls);
  LoadLibraryA("riched20.dll");
  RegisterOwnClass(kPanelClass, CS_HREDRAW | CS_VREDRAW);
  RegisterOwnClass(kFormClass, 0);
  RegisterOwnClass(kPlainClass, 0);
}

HWND CreateKindWindow(const KindSpec& spec, HWND parent) {
  DWORD style = spec.style;
  if (parent) style |= WS_CHILD | WS_CLIPSIBLINGS;
  SIZE size = spec.size;
  if (spec.cls == ControlClass::ScrollBar) size.cy = GetSystemMetrics(SM_CYHSCROLL);
  return CreateWindowExA(spec.exStyle, spec.windowClass, "", style, 0, 0, size.cx, size.cy, parent, nullptr,
                         LibraryInstance(), nullptr);
}

// The settings a kind gets at creation beyond its window class.
void ApplyKindSettings(int kind, Control* control) {
  if (kind == KindFlatButton) {
    auto* panel = static_cast<PanelControl*>(control);
    panel->SetInnerBevel(Bevel::None);
    panel->SetOuterBevel(Bevel::None);
  }
  control->SetDock(kKinds[kind].dock);
}

}  // namespace

Control* MakeControl(int kind, HWND parent) {
  if (kind < MinKind || kind > MaxKind || !kKinds[kind].windowClass) return nullptr;
  PrepareWindowClasses();
  const KindSpec& spec = kKinds[kind];
  HWND window = CreateKindWindow(spec, parent);
  if (!window) return nullptr;
  Control* control = spec.make ? spec.make(window) : MakePlain(spec.cls, window);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  ApplyKindSettings(kind, control);
  return control;
}
