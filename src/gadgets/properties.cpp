#include "gadgets/properties.h"

#include <string>

#include "controls/control.h"
#include "core/registry.h"
#include "host/handles.h"
#include "host/host_strings.h"
#include "host/reports.h"

extern "C" {

void __cdecl SetGadgetText(int n, const char* text) {
  if (CheckGadget(n)) GadgetControl(n)->SetScriptText(text);
}

HostString __cdecl GetGadgetText(HostString previous, int n) {
  std::string text;
  if (CheckGadget(n)) GadgetControl(n)->ScriptText(&text);
  return StringResult(previous, std::move(text));
}

int __cdecl GetGadgetHandle(int n) { return CheckGadget(n) ? ScriptHandle(GadgetControl(n)->hwnd()) : 0; }

}  // extern "C"
