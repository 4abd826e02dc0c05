#pragma once
// The binding to DBP's main window (the host window) and the drawing window.
#include <windows.h>

HWND HostWindow();
// Where gadgets made without a creation parent go: the host window, a form or a panel.
HWND DrawingWindow();

// A gadget window is going away: if it was the drawing window, the host window takes over.
void ForgetDrawingWindow(HWND gone);

// Gives the host window back the procedure it had before SETUP GUI.
void UnhookHostWindow();
