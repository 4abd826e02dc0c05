#pragma once
// Making gadgets: the creation switches and the one routine every constructor ends in.
#include <windows.h>

// Deleting the creation parent makes later creations parentless.
void ForgetCreationParent(int n);

// The shared window procedure every gadget window runs through.
extern "C" LRESULT CALLBACK PMsg(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Makes gadget n of the given kind; see the creation rules in creation.cpp.
extern "C" void __cdecl CreateGadget(int n, int kind);

// Moves a gadget's window onto another window, keeping its handle and its routing.
void PlaceOnWindow(int n, HWND parent);
