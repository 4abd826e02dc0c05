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

void CreateWithCaption(int n, int kind, const char* caption) {
  CreateGadget(n, kind);
  SetGadgetText(n, caption);
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

}  // extern "C"
