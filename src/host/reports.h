#pragma once
// Error reports: the only way the library tells a script that something went wrong.

// Shows a modal OK box with no icon, owned by the host window (none before SETUP GUI).
void ShowMessageBox(const char* caption, const char* text);

enum class MissingWhat { Gadget, Item };

// "Gadget N does not exist." or "Item N does not exist in the table/list." under "GUI Error".
void ReportMissing(int number, MissingWhat what);

// Reports a GUI error of the library's own under "GUI Error".
void ReportGuiError(const char* text);

// True when the gadget exists; otherwise reports it missing.
bool CheckGadget(int number);
