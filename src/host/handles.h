#pragma once
// Window handles cross to scripts as 32-bit integers.
#include <windows.h>

inline HWND ScriptWindow(int handle) {
  return reinterpret_cast<HWND>(static_cast<DWORD_PTR>(static_cast<DWORD>(handle)));
}

inline int ScriptHandle(HWND window) { return static_cast<int>(reinterpret_cast<DWORD_PTR>(window)); }
