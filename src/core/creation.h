#pragma once
// Making gadgets: the creation switches and the one routine every constructor ends in.
#include <windows.h>

// Deleting the creation parent makes later creations parentless.
void ForgetCreationParent(int n);

// The shared window procedure every gadget window runs through.
extern "C" LRESULT CALLBACK PMsg(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Makes gadget n of the given kind; see the creation rules in creation.cpp.
extern "C" void __cdecl CreateGadget(int n, int kind);

// CreateGadget for the constructors that caption their gadget: the caption, when not null, is
// given before the gadget shows. Returns whether gadget n was made.
bool MakeGadget(int n, int kind, const char* caption);

// SET PARENT GADGET, which the window constructor runs as a step.
extern "C" void __cdecl SetParentGadget(int g, int p);

// Moves a gadget's window onto another window, keeping its handle and its routing.
void PlaceOnWindow(int n, HWND parent);

// Re-creates a gadget's window with other styles (see Control::Remake) and routes, records and
// places the new window where the old one was; the old window is destroyed outside the shared
// procedure. Returns false, with nothing changed, when the new window could not be made.
bool RemakeGadgetWindow(int n, DWORD style, DWORD exStyle);
