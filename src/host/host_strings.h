#pragma once
// String traffic with DBP: string arguments in, string results out through DBP's allocator.
#include <windows.h>
#include <string>

// A string result: a buffer from DBP's allocator, DBP's from the moment it is handed over.
using HostString = char*;

// Every string result is made here: the text is copied first (a script may hand the previous
// result back in as an argument), then the previous result is released and a buffer of exactly
// length + 1 bytes is obtained for the copy.
HostString StringResult(HostString previous, std::string text);
inline HostString EmptyStringResult(HostString previous) { return StringResult(previous, {}); }

// A string argument as text; DBP may pass null for an empty string.
inline const char* ArgText(const char* text) { return text ? text : ""; }
