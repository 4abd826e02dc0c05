#pragma once
// The gadget kinds: which control each kind code makes, with its usual size and settings.
#include <windows.h>

class Control;

constexpr int MinKind = 1;
constexpr int MaxKind = 26;

// Kind codes that commands test directly.
constexpr int KindComboBox = 14;
constexpr int KindScrollBar = 17;
constexpr int KindFlatButton = 18;
constexpr int KindPopupHolder = 19;
constexpr int KindWindow = 6;

// Makes a hidden control of the kind as a child of parent (top-level when parent is null),
// with the kind's settings and the default GUI font. Null when the kind's component is not
// available here or the system refused the window.
Control* MakeControl(int kind, HWND parent);
