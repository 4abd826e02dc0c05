#pragma once
// A stand-in for DBP: it owns a host window, loads Gadgetry.dll as DBP does, reads the command
// table from the DLL's resources and calls commands by keyword and argument count.
#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace dbp {

constexpr char kHostTitle[] = "DBP Test Window";

// Exports are looked up as FARPROC; going through a plain function type keeps the compiler
// from warning about the cast to the real type.
template <class F>
F ProcAs(FARPROC proc) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)()>(proc));
}

// The string allocator DBP hands over in its core data block, with books kept: every buffer it
// gives out and every release. A release of an address it never gave out, or a second release,
// is a fault that the test fails on.
class StringBooks {
 public:
  struct Event {
    bool release;
    DWORD_PTR address;
    DWORD size;
  };
  static void __cdecl Allocate(DWORD_PTR* variable, DWORD size);

  static std::vector<Event> TakeEvents();
  static std::vector<std::string> TakeFaults();
  static DWORD SizeOf(DWORD_PTR address);  // 0 for an address never given out
  static bool Released(DWORD_PTR address);
  static void Reset();
};

// A message box or dialog that a command opened, as the test saw it.
struct Box {
  HWND owner = nullptr;
  std::string caption;
  std::string text;
  std::string icon;  // "none", "error", "question", "warning" or "information"
  std::vector<std::string> buttons;
};

// One argument of a command: an integer or a string, as DBP passes them.
struct Arg {
  Arg(int v) : value(static_cast<DWORD_PTR>(static_cast<DWORD>(v))) {}
  Arg(unsigned v) : value(v) {}
  Arg(long v) : value(static_cast<DWORD_PTR>(static_cast<DWORD>(v))) {}
  Arg(unsigned long v) : value(static_cast<DWORD_PTR>(v)) {}
  Arg(HWND h) : value(reinterpret_cast<DWORD_PTR>(h)) {}
  Arg(const char* s) : value(reinterpret_cast<DWORD_PTR>(s)) {}
  Arg(const std::string& s) : value(reinterpret_cast<DWORD_PTR>(s.c_str())) {}
  Arg(std::nullptr_t) : value(0) {}
  DWORD_PTR value;
};

struct Row {
  int id = 0;
  std::string text;
  std::string keyword;
  std::string types;
  std::string entry;
  FARPROC proc = nullptr;
  bool returnsValue() const { return !keyword.empty() && keyword.back() == '['; }
  bool returnsString() const { return returnsValue() && !types.empty() && types[0] == 'S'; }
  size_t argumentCount() const;
};

// Reads rows 1..1000 of a module's string table, as DBP's compiler does.
std::vector<Row> ReadCommandTable(HMODULE module);

class Host {
 public:
  explicit Host(const char* title = kHostTitle);
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  HWND window() const { return window_; }
  HMODULE module() const { return module_; }
  const std::vector<Row>& rows() const { return rows_; }

  // Calls the row with this keyword and argument count; the integer or dword result.
  int Call(const char* keyword, std::vector<Arg> args = {});
  // Calls a string-result row, passing that row's previous result first as DBP does.
  std::string CallS(const char* keyword, std::vector<Arg> args = {});
  // The address of the latest string result of a row, as DBP would hold it.
  DWORD_PTR LastStringAddress(const char* keyword, size_t argumentCount) const;

  // An export that no row names.
  FARPROC Export(const char* name) const;

  // Messages the host window's own procedure received since the last call.
  std::vector<UINT> TakeHostMessages();

  // Boxes opened since the last call. Each is answered with the next planned answer, or its
  // default button.
  std::vector<Box> TakeBoxes();
  void PlanAnswer(int buttonId);

  // Ends the library's life as DBP does: Destructor, then FreeLibrary.
  void Unload();

 private:
  const Row& FindRow(const char* keyword, size_t argumentCount) const;
  DWORD_PTR Invoke(const Row& row, const std::vector<DWORD_PTR>& args);

  HWND window_ = nullptr;
  HMODULE module_ = nullptr;
  std::vector<Row> rows_;
  std::map<int, DWORD_PTR> previousStrings_;  // by row id
};

// Runs the message loop until no message is waiting, then for at least ms milliseconds more.
void Pump(DWORD ms = 0);

// The real cursor, moved and clicked with SendInput, in screen coordinates.
void MoveMouse(int x, int y);
void MouseButton(bool left, bool down);
void ClickAt(int x, int y);

// Runs a query that reads the real cursor while the cursor stands at (x, y): a late echo of an
// earlier move that takes the cursor away during the query makes it move and ask again.
template <class Query>
auto WithCursorAt(int x, int y, Query query) {
  for (int attempt = 1;; ++attempt) {
    MoveMouse(x, y);
    auto answer = query();
    POINT cursor{};
    GetCursorPos(&cursor);
    if ((cursor.x == x && cursor.y == y) || attempt == 3) return answer;
  }
}

// The centre of a window in screen coordinates.
POINT CenterOf(HWND window);

// The colour of a screen pixel, as 0x00BBGGRR.
COLORREF ScreenPixel(int x, int y);
// Saves a window's area of the screen as a 24-bit PNG file.
bool SaveWindowPng(HWND window, const std::string& path);

// Window queries tests ask again and again.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);
LONG_PTR StyleOf(HWND window);
LONG_PTR ExStyleOf(HWND window);
// The window a window lies in; also for a top-level window given a parent after it was made,
// which GetParent does not report.
HWND ParentOf(HWND window);
// A window's outer rectangle in its parent's client coordinates, and its outer size.
RECT PlaceOf(HWND window);
SIZE SizeOf(HWND window);

// The full path of a file next to the running program.
std::string BesideProgram(const char* name);

}  // namespace dbp
