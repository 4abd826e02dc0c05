#pragma once
// Script strings are 8-bit in the system's ANSI code page, and our windows are ANSI windows.
// Every text that crosses between a script and a control passes through this pair, so the code
// page is decided here alone.
#include <windows.h>

#include <string>

std::string ScriptToControl(const char* scriptText);
std::string ControlToScript(const char* controlText);

void SetControlText(HWND window, const char* scriptText);
std::string ControlText(HWND window);
