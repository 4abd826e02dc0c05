#pragma once
// Commands that other commands run as steps of their own.

extern "C" {
void __cdecl SetGadgetText(int n, const char* text);
}
