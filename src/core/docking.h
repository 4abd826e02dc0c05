#pragma once
// Docked gadgets follow their parent's client area.
#include <windows.h>

// Lays out the docked gadgets among parent's child windows: top and bottom first, then left and
// right, the client-filling ones last, each side in the order of the gadgets' positions.
void LayoutDockedChildren(HWND parent);
