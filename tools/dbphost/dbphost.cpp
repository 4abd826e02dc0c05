#include "dbphost.h"

#include <cstdio>
#include <cstring>
#include <deque>
#include <set>
#include <stdexcept>

namespace dbp {


// ---------------------------------------------------------------------------------------------
// String books

namespace {

struct Books {
  std::map<DWORD_PTR, DWORD> live;      // address -> size
  std::set<DWORD_PTR> released;         // never handed out again: freed buffers are retired
  std::vector<StringBooks::Event> events;
  std::vector<std::string> faults;
};

Books& TheBooks() {
  static Books books;
  return books;
}

}  // namespace

void __cdecl StringBooks::Allocate(DWORD_PTR* variable, DWORD size) {
  Books& books = TheBooks();
  if (size == 0) {
    const DWORD_PTR address = *variable;
    books.events.push_back({true, address, 0});
    if (!address) return;
    if (books.live.erase(address)) {
      books.released.insert(address);
    } else {
      char fault[96];
      std::snprintf(fault, sizeof fault, "%s release of %p", books.released.count(address) ? "second" : "foreign",
                    reinterpret_cast<void*>(address));
      books.faults.push_back(fault);
    }
    return;
  }
  // Retired buffers are leaked on purpose so that an address is never reused within a run.
  char* buffer = static_cast<char*>(std::malloc(size));
  std::memset(buffer, 0xCD, size);
  const DWORD_PTR address = reinterpret_cast<DWORD_PTR>(buffer);
  books.live[address] = size;
  books.events.push_back({false, address, size});
  *variable = address;
}

std::vector<StringBooks::Event> StringBooks::TakeEvents() { return std::move(TheBooks().events); }

std::vector<std::string> StringBooks::TakeFaults() { return std::move(TheBooks().faults); }

DWORD StringBooks::SizeOf(DWORD_PTR address) {
  auto it = TheBooks().live.find(address);
  return it == TheBooks().live.end() ? 0 : it->second;
}

bool StringBooks::Released(DWORD_PTR address) { return TheBooks().released.count(address) != 0; }

void StringBooks::Reset() {
  TheBooks().events.clear();
  TheBooks().faults.clear();
}

// ---------------------------------------------------------------------------------------------
// Command table

size_t Row::argumentCount() const {
  if (types == "0") return 0;
  return types.size() - (returnsValue() ? 1 : 0);
}

std::vector<Row> ReadCommandTable(HMODULE module) {
  std::vector<Row> rows;
  for (int id = 1; id <= 1000; ++id) {
    char buffer[256] = {};
    if (LoadStringA(module, id, buffer, sizeof buffer) <= 0) continue;
    Row row;
    row.id = id;
    row.text = buffer;
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
      const size_t end = row.text.find('%', start);
      fields.push_back(row.text.substr(start, end == std::string::npos ? std::string::npos : end - start));
      if (end == std::string::npos) break;
      start = end + 1;
    }
    if (fields.size() >= 3) {
      row.keyword = fields[0];
      row.types = fields[1];
      row.entry = fields[2];
      row.proc = GetProcAddress(module, row.entry.c_str());
    }
    rows.push_back(row);
  }
  return rows;
}

// ---------------------------------------------------------------------------------------------
// Boxes

namespace {

struct BoxWatch {
  HHOOK hook = nullptr;
  std::vector<Box> seen;
  std::deque<int> answers;
};

BoxWatch& TheWatch() {
  static BoxWatch watch;
  return watch;
}

std::string IconName(HICON icon) {
  if (!icon) return "none";
  if (icon == LoadIcon(nullptr, IDI_HAND)) return "error";
  if (icon == LoadIcon(nullptr, IDI_QUESTION)) return "question";
  if (icon == LoadIcon(nullptr, IDI_EXCLAMATION)) return "warning";
  if (icon == LoadIcon(nullptr, IDI_ASTERISK)) return "information";
  return "other";
}

Box Describe(HWND dialog) {
  Box box;
  box.owner = GetWindow(dialog, GW_OWNER);
  box.caption = TextOf(dialog);
  box.icon = "none";
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const std::string cls = ClassOf(child);
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if (lstrcmpiA(cls.c_str(), "Button") == 0) {
      if (style & WS_VISIBLE) box.buttons.push_back(TextOf(child));
    } else if (lstrcmpiA(cls.c_str(), "Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        if (style & WS_VISIBLE) {
          box.icon = IconName(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
        }
      } else if (box.text.empty()) {
        box.text = TextOf(child);
      }
    }
  }
  return box;
}

LRESULT CALLBACK WatchBoxes(int code, WPARAM wparam, LPARAM lparam) {
  BoxWatch& watch = TheWatch();
  if (code == HCBT_ACTIVATE) {
    HWND window = reinterpret_cast<HWND>(wparam);
    if (ClassOf(window) == "#32770" && !GetPropA(window, "dbphost.seen")) {
      SetPropA(window, "dbphost.seen", reinterpret_cast<HANDLE>(1));
      watch.seen.push_back(Describe(window));
      int answer = IDOK;
      if (!watch.answers.empty()) {
        answer = watch.answers.front();
        watch.answers.pop_front();
      } else {
        const LRESULT def = SendMessageA(window, DM_GETDEFID, 0, 0);
        if (HIWORD(def) == DC_HASDEFID) answer = LOWORD(def);
      }
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, answer)));
    }
  }
  return CallNextHookEx(watch.hook, code, wparam, lparam);
}

// ---------------------------------------------------------------------------------------------
// Host window

std::vector<UINT>& HostLog() {
  static std::vector<UINT> log;
  return log;
}

LRESULT CALLBACK HostWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  HostLog().push_back(message);
  return DefWindowProcA(window, message, wparam, lparam);
}

void RegisterHostClass() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSA wc{};
  wc.lpfnWndProc = HostWindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = "DBPTestHost";
  RegisterClassA(&wc);
}

BOOL CALLBACK DestroyLeftover(HWND window, LPARAM) {
  DestroyWindow(window);
  return TRUE;
}

struct CoreData {
  void(__cdecl* allocate)(DWORD_PTR*, DWORD);
  DWORD_PTR rest[64];
};

CoreData g_coreData{&StringBooks::Allocate, {}};

}  // namespace

std::string ClassOf(HWND window) {
  char buffer[64] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

std::string TextOf(HWND window) {
  const int length = GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

LONG_PTR ExStyleOf(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

HWND ParentOf(HWND window) { return GetAncestor(window, GA_PARENT); }

SIZE SizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

RECT PlaceOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, ParentOf(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

std::string BesideProgram(const char* name) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  dir.resize(dir.find_last_of("\\/") + 1);
  return dir + name;
}

Host::Host(const char* title) {
  RegisterHostClass();
  TheWatch().hook = SetWindowsHookExA(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
  TheWatch().seen.clear();
  TheWatch().answers.clear();
  StringBooks::Reset();

  module_ = LoadLibraryA(BesideProgram("Gadgetry.dll").c_str());
  if (!module_) throw std::runtime_error("cannot load Gadgetry.dll");
  rows_ = ReadCommandTable(module_);
  if (auto constructor = ProcAs<void(__cdecl*)()>(Export("?Constructor@@YAXXZ"))) constructor();

  window_ = CreateWindowExA(0, "DBPTestHost", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 640, 480, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  Pump();
  if (auto receive = ProcAs<void(__cdecl*)(void*)>(Export("?ReceiveCoreDataPtr@@YAXPAX@Z"))) {
    receive(&g_coreData);
  }
  HostLog().clear();
}

void Host::Unload() {
  if (!module_) return;
  if (auto destructor = ProcAs<void(__cdecl*)()>(Export("?Destructor@@YAXXZ"))) destructor();
  FreeLibrary(module_);
  module_ = nullptr;
}

Host::~Host() {
  Unload();
  // What the library leaves behind now runs on procedures outside it.
  EnumThreadWindows(GetCurrentThreadId(), DestroyLeftover, 0);
  Pump();
  UnhookWindowsHookEx(TheWatch().hook);
  TheWatch().hook = nullptr;
  HostLog().clear();
}

FARPROC Host::Export(const char* name) const { return module_ ? GetProcAddress(module_, name) : nullptr; }

const Row& Host::FindRow(const char* keyword, size_t argumentCount) const {
  for (const Row& row : rows_) {
    if (row.keyword == keyword && row.argumentCount() == argumentCount) return row;
  }
  throw std::runtime_error(std::string("no row for ") + keyword + " with " + std::to_string(argumentCount) +
                           " arguments");
}

DWORD_PTR Host::Invoke(const Row& row, const std::vector<DWORD_PTR>& a) {
  if (!row.proc) throw std::runtime_error("entry point not exported: " + row.entry);
  using P = DWORD_PTR;
  switch (a.size()) {
    case 0: return ProcAs<P(__cdecl*)()>(row.proc)();
    case 1: return ProcAs<P(__cdecl*)(P)>(row.proc)(a[0]);
    case 2: return ProcAs<P(__cdecl*)(P, P)>(row.proc)(a[0], a[1]);
    case 3: return ProcAs<P(__cdecl*)(P, P, P)>(row.proc)(a[0], a[1], a[2]);
    case 4: return ProcAs<P(__cdecl*)(P, P, P, P)>(row.proc)(a[0], a[1], a[2], a[3]);
    case 5: return ProcAs<P(__cdecl*)(P, P, P, P, P)>(row.proc)(a[0], a[1], a[2], a[3], a[4]);
    case 6: return ProcAs<P(__cdecl*)(P, P, P, P, P, P)>(row.proc)(a[0], a[1], a[2], a[3], a[4], a[5]);
    default: throw std::runtime_error("too many arguments");
  }
}

int Host::Call(const char* keyword, std::vector<Arg> args) {
  const Row& row = FindRow(keyword, args.size());
  if (row.returnsString()) throw std::runtime_error(std::string(keyword) + " returns a string: use CallS");
  std::vector<DWORD_PTR> values;
  for (const Arg& arg : args) values.push_back(arg.value);
  return static_cast<int>(static_cast<DWORD>(Invoke(row, values)));
}

std::string Host::CallS(const char* keyword, std::vector<Arg> args) {
  const Row& row = FindRow(keyword, args.size());
  if (!row.returnsString()) throw std::runtime_error(std::string(keyword) + " does not return a string");
  std::vector<DWORD_PTR> values{previousStrings_[row.id]};
  for (const Arg& arg : args) values.push_back(arg.value);
  const DWORD_PTR result = Invoke(row, values);
  previousStrings_[row.id] = result;
  return result ? std::string(reinterpret_cast<const char*>(result)) : std::string();
}

DWORD_PTR Host::LastStringAddress(const char* keyword, size_t argumentCount) const {
  const Row& row = FindRow(keyword, argumentCount);
  auto it = previousStrings_.find(row.id);
  return it == previousStrings_.end() ? 0 : it->second;
}

std::vector<UINT> Host::TakeHostMessages() { return std::move(HostLog()); }

std::vector<Box> Host::TakeBoxes() { return std::move(TheWatch().seen); }

void Host::PlanAnswer(int buttonId) { TheWatch().answers.push_back(buttonId); }

// ---------------------------------------------------------------------------------------------
// Messages, mouse and screen

void Pump(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

namespace {

bool CursorIsAt(int x, int y) {
  POINT cursor{};
  return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y;
}

// Waits, pumping, until the cursor reports the position; input under Xvfb arrives late.
bool WaitForCursor(int x, int y, DWORD ms) {
  const DWORD start = GetTickCount();
  while (!CursorIsAt(x, y)) {
    if (GetTickCount() - start >= ms) return false;
    Pump(10);
  }
  return true;
}

bool CursorStaysAt(int x, int y, DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    Pump(10);
    if (!CursorIsAt(x, y)) return false;
  }
  return true;
}

void SendCursorMove(int x, int y) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

}  // namespace

// The X server echoes pointer moves back to Wine, and an echo of an earlier move can arrive
// after the cursor reached its new target and put it back. So the cursor must stay at its
// target for a while before the move counts as done.
void MoveMouse(int x, int y) {
  constexpr DWORD kSettleMs = 120;
  for (int attempt = 0; attempt < 5; ++attempt) {
    // Input that never arrives or never stays is sent again; in the end the cursor is put
    // there directly, which moves it as well.
    if (attempt < 3) {
      SendCursorMove(x, y);
    } else {
      SetCursorPos(x, y);
    }
    if (WaitForCursor(x, y, 500) && CursorStaysAt(x, y, kSettleMs)) break;
  }
  Pump(50);
}

void MouseButton(bool left, bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                          : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP);
  SendInput(1, &input, sizeof input);
  Pump(50);
}

void ClickAt(int x, int y) {
  MoveMouse(x, y);
  MouseButton(true, true);
  MouseButton(true, false);
}

POINT CenterOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

COLORREF ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return color;
}

namespace {

uint32_t Crc32(const unsigned char* data, size_t size, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBig32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  PutBig32(out, static_cast<uint32_t>(data.size()));
  std::string body = std::string(type, 4) + data;
  out += body;
  PutBig32(out, Crc32(reinterpret_cast<const unsigned char*>(body.data()), body.size()));
}

// A PNG whose image data is deflate-stored, uncompressed: small code, valid file.
std::string EncodePng(int width, int height, const std::vector<unsigned char>& rgbRows) {
  std::string png("\x89PNG\r\n\x1a\n", 8);
  std::string header;
  PutBig32(header, width);
  PutBig32(header, height);
  header += std::string("\x08\x02\x00\x00\x00", 5);
  PutChunk(png, "IHDR", header);

  std::string zlib("\x78\x01", 2);
  uint32_t a = 1, b = 0;
  for (unsigned char byte : rgbRows) {
    a = (a + byte) % 65521;
    b = (b + a) % 65521;
  }
  for (size_t offset = 0; offset < rgbRows.size() || offset == 0;) {
    const size_t block = std::min<size_t>(65535, rgbRows.size() - offset);
    const bool last = offset + block >= rgbRows.size();
    zlib.push_back(last ? 1 : 0);
    zlib.push_back(static_cast<char>(block & 0xFF));
    zlib.push_back(static_cast<char>(block >> 8));
    zlib.push_back(static_cast<char>(~block & 0xFF));
    zlib.push_back(static_cast<char>((~block >> 8) & 0xFF));
    zlib.append(reinterpret_cast<const char*>(rgbRows.data()) + offset, block);
    offset += block;
    if (last) break;
  }
  PutBig32(zlib, (b << 16) | a);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", "");
  return png;
}

}  // namespace

bool SaveWindowPng(HWND window, const std::string& path) {
  RECT r{};
  if (!GetWindowRect(window, &r)) return false;
  const int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const int stride = (width * 3 + 3) & ~3;
  std::vector<unsigned char> rows;
  rows.reserve(static_cast<size_t>(height) * (width * 3 + 1));
  for (int y = 0; y < height; ++y) {
    rows.push_back(0);
    const unsigned char* line = static_cast<const unsigned char*>(bits) + static_cast<size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      rows.push_back(line[x * 3 + 2]);
      rows.push_back(line[x * 3 + 1]);
      rows.push_back(line[x * 3]);
    }
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  const std::string png = EncodePng(width, height, rows);
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace dbp
