#pragma once
// The gadget registry: fixed tables indexed by the script's gadget numbers.
#include <windows.h>

class Control;

constexpr int MaxGadgets = 4096;
constexpr int MessageLogSlots = 37;    // one more than is ever filled
constexpr int MessageLogCapacity = 36;

// Raw window messages recorded for one gadget number, oldest first.
struct MessageLog {
  UINT messages[MessageLogSlots];
  WPARAM wparams[MessageLogSlots];
  LPARAM lparams[MessageLogSlots];
  int count;
};

// Everything the library knows about one gadget number. Fields marked "kept" survive
// DELETE GADGET until a new gadget under the same number overwrites them.
struct GadgetEntry {
  bool exists;             // the number is in use
  Control* control;        // the gadget's control; null while the number is free
  int kind;                // kept: kind code 1..26 the gadget was made as
  HWND recordedHandle;     // kept: the window the gadget was made with (or re-made as)
  WNDPROC previousProc;    // kept: the window's procedure before the shared one
  int clickState;          // kept: 1 between a left press and its release
  TRACKMOUSEEVENT track;   // kept: mouse-leave request made on every mouse move
  MessageLog log;          // kept: recorded messages, taken out newest first
};

extern GadgetEntry g_gadgets[MaxGadgets + 1];

inline bool ValidGadgetNumber(int n) { return n >= 1 && n <= MaxGadgets; }
inline bool GadgetExists(int n) { return ValidGadgetNumber(n) && g_gadgets[n].exists; }

// The control of a gadget in use, or null.
inline Control* GadgetControl(int n) { return GadgetExists(n) ? g_gadgets[n].control : nullptr; }

// The gadget whose window is h, 0 for none. Constant time: only live gadget windows are indexed.
int GadgetFromHandle(HWND h);

// Keeps the handle index in step with a gadget's window.
void IndexGadgetWindow(HWND h, int n);
void UnindexGadgetWindow(HWND h);

// Deletes a gadget in use; numbers not in use are ignored.
void DeleteGadgetNumber(int n);

// A gadget's window was destroyed under it (its holder went): forget the gadget.
void ForgetDestroyedGadget(int n, HWND h);

// Gives every gadget window back the procedure it was made with.
void UnhookAllGadgetWindows();

// REPAINT: every gadget in use repaints at once, in ascending order.
extern "C" void __cdecl RepaintAllGadgets();
