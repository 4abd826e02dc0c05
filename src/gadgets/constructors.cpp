// The CREATE GADGET commands: CreateGadget, then the few settings that make each kind.
#include "controls/control.h"
#include "controls/form.h"
#include "controls/kinds.h"
#include "controls/panel.h"
#include "controls/static_text.h"
#include "core/creation.h"
#include "core/registry.h"
#include "gadgets/properties.h"

namespace {

// The settings after CreateGadget apply only when the number then holds a control of the
// constructor's class; the caption step always runs and reports a missing gadget.
template <class T>
T* MadeAs(int n) {
  return ControlAs<T>(GadgetControl(n));
}

// When nothing was made, the caption step still runs: on the gadget the number already holds,
// or as the report of a missing one.
void CreateWithCaption(int n, int kind, const char* caption) {
  if (!MakeGadget(n, kind, caption)) SetGadgetText(n, caption);
}

// A scroll bar takes its direction only when its window is made, so a horizontal one is made
// anew as vertical, turned on its corner: the width it had becomes its height.
void MakeScrollBarVertical(int n) {
  Control* bar = GadgetControl(n);
  if (!IsA(bar, ControlClass::ScrollBar)) return;
  const LONG_PTR style = GetWindowLongPtrA(bar->hwnd(), GWL_STYLE);
  if (style & SBS_VERT) return;
  const RECT bounds = bar->Bounds();
  if (!RemakeGadgetWindow(n, static_cast<DWORD>(style | SBS_VERT),
                          static_cast<DWORD>(GetWindowLongPtrA(bar->hwnd(), GWL_EXSTYLE)))) {
    return;
  }
  bar->SetBounds(bounds.left, bounds.top, bounds.bottom - bounds.top, bounds.right - bounds.left);
}

// Style codes of CREATE GADGET WINDOW; other values keep the frame the form was made with.
bool BorderFromCode(int code, BorderStyle* border) {
  if (code < 0 || code > static_cast<int>(BorderStyle::None)) return false;
  *border = static_cast<BorderStyle>(code);
  return true;
}

}  // namespace

extern "C" {

void __cdecl CreateGadgetButton(int n, const char* caption) { CreateWithCaption(n, 1, caption); }
void __cdecl CreateGadgetEdit(int n) { CreateGadget(n, 2); }
void __cdecl CreateGadgetLabel(int n, const char* caption) { CreateWithCaption(n, 4, caption); }
void __cdecl CreateGadgetListbox(int n) { CreateGadget(n, 5); }
void __cdecl CreateGadgetCheckbox(int n, const char* caption) { CreateWithCaption(n, 7, caption); }
void __cdecl CreateGadgetTabs(int n) { CreateGadget(n, 9); }
void __cdecl CreateGadgetProgress(int n) { CreateGadget(n, 10); }
void __cdecl CreateGadgetStatus(int n) { CreateGadget(n, 11); }
void __cdecl CreateGadgetToolbar(int n) { CreateGadget(n, 12); }
void __cdecl CreateGadgetComboBox(int n) { CreateGadget(n, KindComboBox); }
void __cdecl CreateGadgetTreeView(int n) { CreateGadget(n, 15); }
void __cdecl CreateGadgetMemo(int n) { CreateGadget(n, 16); }
void __cdecl CreateGadgetScrollBar(int n) { CreateGadget(n, KindScrollBar); }
void __cdecl CreateGadgetGroupBox(int n, const char* caption) { CreateWithCaption(n, 23, caption); }
void __cdecl CreateGadgetRadioButton(int n) { CreateGadget(n, 24); }
void __cdecl CreateGadgetRadioButtonT(int n, const char* caption) { CreateWithCaption(n, 24, caption); }
void __cdecl CreateGadgetRichEdit(int n) { CreateGadget(n, 26); }

void __cdecl CreateGadgetPanel(int n, int flat) {
  CreateGadget(n, 3);
  if (auto* panel = MadeAs<PanelControl>(n)) {
    if (flat == 1) {
      panel->SetInnerBevel(Bevel::None);
      panel->SetOuterBevel(Bevel::None);
    } else {
      panel->SetOuterBevel(Bevel::Raised);
    }
  }
}

void __cdecl CreateGadgetLabelWithBorder(int n, const char* caption, int border) {
  CreateWithCaption(n, 4, caption);
  if (border != 1) return;
  if (auto* label = MadeAs<StaticTextControl>(n)) label->SetBorder(true);
}

void __cdecl CreateGadgetScrollBarVertical(int n, int) {
  CreateGadget(n, KindScrollBar);
  MakeScrollBarVertical(n);
}

void __cdecl CreateGadgetWindow(int n, int style, const char* caption, int embed) {
  CreateGadget(n, KindWindow);
  // A form inside a creation parent stays there; any other becomes a window of its own.
  if (MadeAs<FormControl>(n)) PlaceOnWindow(n, nullptr);
  BorderStyle border;
  if (auto* form = MadeAs<FormControl>(n); form && BorderFromCode(style, &border)) form->SetBorder(border);
  if (auto* form = MadeAs<FormControl>(n)) form->SetMinMaxBoxes(true);
  SetGadgetText(n, caption);
  if (embed == 1 && MadeAs<FormControl>(n)) SetParentGadget(n, 0);
}

void __cdecl SetGadget(int n, int left, int top, int width, int height) {
  PositionGadget(n, left, top);
  SizeGadget(n, width, height);
}

}  // extern "C"
