#pragma once
#include <windows.h>

// DBP's string allocator: size 0 releases the string the variable points to; a positive size
// stores the address of a new buffer of that many bytes in the variable.
using HostAllocator = void(__cdecl*)(DWORD_PTR* variable, DWORD size);

// Read afresh from DBP's core data block on every call; null before DBP handed the block over.
HostAllocator CurrentHostAllocator();
