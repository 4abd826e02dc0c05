#include "host/reports.h"

#include <windows.h>

#include <string>

#include "core/host_window.h"
#include "core/registry.h"
#include "host/host_strings.h"

void ShowMessageBox(const char* caption, const char* text) {
  MessageBoxA(HostWindow(), ArgText(text), caption ? caption : " ", 0);
}

void ReportGuiError(const char* text) { ShowMessageBox("GUI Error", text); }

void ReportMissing(int number, MissingWhat what) {
  const std::string digits = std::to_string(number);
  const std::string text = what == MissingWhat::Gadget
                               ? "Gadget " + digits + " does not exist."
                               : "Item " + digits + " does not exist in the table/list.";
  ReportGuiError(text.c_str());
}

bool CheckGadget(int number) {
  if (GadgetExists(number)) return true;
  ReportMissing(number, MissingWhat::Gadget);
  return false;
}

extern "C" void __cdecl MessageD(const char* caption, const char* text) {
  ShowMessageBox(caption, text);
}
