#pragma once
// Recording of raw gadget window messages.
#include <windows.h>

extern bool g_recordingMessages;

// Appends a message to gadget n's log while there is room; a full log drops it.
void LogMessage(int n, UINT message, WPARAM wparam, LPARAM lparam);
