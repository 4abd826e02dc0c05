// Colours and styles: background colour, text alignment, window frames, transparency, bevels.
#include "gadgets/colors.h"

#include "controls/control.h"
#include "controls/edits.h"
#include "controls/form.h"
#include "controls/panel.h"
#include "controls/static_text.h"
#include "controls/toggles.h"
#include "core/creation.h"
#include "core/registry.h"
#include "host/reports.h"

DWORD SwapColorOrder(DWORD color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

namespace {

// The classes that take a background colour; buttons and bars keep the system's.
constexpr ControlClass kColoredClasses[] = {
    ControlClass::Panel,      ControlClass::MaskEdit, ControlClass::StaticText, ControlClass::ListBox,
    ControlClass::ComboBox,   ControlClass::Form,     ControlClass::Memo,       ControlClass::TabControl,
    ControlClass::GroupBox,   ControlClass::TreeView, ControlClass::ListView,   ControlClass::CheckBox,
    ControlClass::RadioButton, ControlClass::RichEdit,
};

bool TakesColor(const Control* control) {
  for (ControlClass cls : kColoredClasses) {
    if (IsA(control, cls)) return true;
  }
  return false;
}

// Bevel codes: 0 none, 1 raised, 2 lowered; false for any other code.
bool BevelFromCode(int code, Bevel* bevel) {
  switch (code) {
    case 0:
      *bevel = Bevel::None;
      return true;
    case 1:
      *bevel = Bevel::Raised;
      return true;
    case 2:
      *bevel = Bevel::Lowered;
      return true;
    default:
      return false;
  }
}

void AlignMemo(int n, MemoControl* memo, TextAlign alignment) {
  const DWORD style = memo->AlignedStyle(alignment);
  if (style == static_cast<DWORD>(GetWindowLongPtrA(memo->hwnd(), GWL_STYLE))) return;
  RemakeGadgetWindow(n, style, static_cast<DWORD>(GetWindowLongPtrA(memo->hwnd(), GWL_EXSTYLE)));
}

}  // namespace

extern "C" {

void __cdecl SetGadgetColor(int n, DWORD color) {
  if (!CheckGadget(n)) return;
  Control* control = GadgetControl(n);
  if (TakesColor(control)) control->SetColor(SwapColorOrder(color));
}

void __cdecl AlignGadgetText(int n, int alignment) {
  if (!CheckGadget(n) || alignment < 0 || alignment > 2) return;
  const auto align = static_cast<TextAlign>(alignment);
  Control* control = GadgetControl(n);
  if (auto* label = ControlAs<StaticTextControl>(control)) {
    label->SetAlignment(align);
  } else if (auto* panel = ControlAs<PanelControl>(control)) {
    panel->SetCaptionAlignment(align);
  } else if (auto* check = ControlAs<CheckBoxControl>(control)) {
    check->SetCaptionSide(align);
  } else if (auto* radio = ControlAs<RadioButtonControl>(control)) {
    radio->SetCaptionSide(align);
  } else if (auto* memo = ControlAs<MemoControl>(control)) {
    AlignMemo(n, memo, align);
  } else if (auto* rich = ControlAs<RichEditControl>(control)) {
    rich->SetAlignment(align);
  }
}

void __cdecl SetWinStyle(int n, int style) {
  if (!CheckGadget(n)) return;
  auto* form = ControlAs<FormControl>(GadgetControl(n));
  if (form && style >= 0 && style <= static_cast<int>(BorderStyle::None)) {
    form->SetBorder(static_cast<BorderStyle>(style));
  }
}

void __cdecl SetWindowAlpha(int n, int alpha) {
  if (!CheckGadget(n)) return;
  if (auto* form = ControlAs<FormControl>(GadgetControl(n))) form->SetAlpha(static_cast<BYTE>(alpha & 0xFF));
}

void __cdecl SetPanelBorder(int n, int inner, int outer) {
  if (!CheckGadget(n)) return;
  auto* panel = ControlAs<PanelControl>(GadgetControl(n));
  if (!panel) return;
  Bevel bevel;
  if (BevelFromCode(inner, &bevel)) panel->SetInnerBevel(bevel);
  if (BevelFromCode(outer, &bevel)) panel->SetOuterBevel(bevel);
}

}  // extern "C"
