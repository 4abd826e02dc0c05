#pragma once
// Commands that other commands run as steps of their own.

extern "C" {
void __cdecl SetGadgetText(int n, const char* text);
void __cdecl PositionGadget(int n, int left, int top);
void __cdecl SizeGadget(int n, int width, int height);
}
