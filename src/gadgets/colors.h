#pragma once
// Colour order: scripts write 0xRRGGBB, controls take 0x00BBGGRR.
#include <windows.h>

// Exchanges the first and third bytes and clears the top byte; the same step serves both
// directions. A system colour code (top byte set) does not survive it.
DWORD SwapColorOrder(DWORD color);
