#pragma once
// Controls tell their parent window about themselves (commands, notifications, colours,
// scrolling, owner drawing). Whoever the parent is, such a message goes back to the gadget that
// sent it; messages from anything that is not one of our gadgets pass on untouched.
#include <windows.h>

// True when the sender's control handled the message; its answer is in *result.
bool ReflectToSender(UINT message, WPARAM wparam, LPARAM lparam, LRESULT* result);
