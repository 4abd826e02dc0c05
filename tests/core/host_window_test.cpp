// The binding to DBP's window: SETUP GUI and its modes, the drawing window, capturing the DBP
// window, and the queries about the host window, the mouse and the focus.
#include <cstdlib>
#include <string>
#include <utility>

#include "gadget_test.h"

namespace {

constexpr UINT kProbe = WM_USER + 41;

size_t CountOf(const std::vector<UINT>& messages, UINT message) {
  size_t count = 0;
  for (UINT m : messages) count += m == message;
  return count;
}

class HostWindow : public GadgetTest {
 protected:
  WNDPROC HostProc() { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(host().window(), GWLP_WNDPROC)); }
  bool Exists(int n) { return Call("GADGET EXISTS[", {n}) == 1; }
  // Leaves the gadget's window painted, then marks all of it for painting again.
  void MarkForPainting(HWND window) {
    dbp::Pump();
    ValidateRect(window, nullptr);
    InvalidateRect(window, nullptr, TRUE);
  }
  void ResizeHost(int width, int height) {
    SetWindowPos(host().window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

TEST_F(HostWindow, BothRowsFindTheWindowByItsTitleAndHookIt) {
  const WNDPROC dbpProc = HostProc();
  for (bool withMode : {false, true}) {
    SCOPED_TRACE(withMode ? "three arguments" : "two arguments");
    if (withMode) {
      Call("SETUP GUI", {dbp::kHostTitle, "ignored", 0});
    } else {
      Call("SETUP GUI", {dbp::kHostTitle, "ignored"});
    }
    ExpectNoBoxes();
    EXPECT_NE(HostProc(), dbpProc);
    host().TakeHostMessages();
    EXPECT_EQ(SendMessageA(host().window(), kProbe, 1, 2), 0);
    EXPECT_EQ(CountOf(host().TakeHostMessages(), kProbe), 1u);  // mode 0 passes it on to DBP
    Call("CREATE GADGET BUTTON", {1, "b"});
    EXPECT_EQ(ParentOf(Handle(1)), host().window());
    Call("DELETE GADGET", {1});
  }
}

TEST_F(HostWindow, TitleThatMatchesNoWindowLeavesTheLibraryUnbound) {
  for (const char* title : {"DBP Test", "DBP Test Window ", "Another program"}) {
    SCOPED_TRACE(title);
    Call("SETUP GUI", {title, "", 0});
    const std::vector<dbp::Box> boxes = host().TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "Unable to setup GUI component.   DBP window not found");
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(Call("DBP WINDOW WIDTH["), 0);
    EXPECT_EQ(Call("DBP WINDOW HEIGHT["), 0);
  }
  Call("CREATE GADGET EDIT", {3});
  ExpectGuiErrors({"Gadget 3 cannot be created before SETUP GUI."});
  EXPECT_FALSE(Exists(3));
  CreateGadget(4, 6);  // a window gadget needs no parent: it becomes a window of its own
  ExpectNoBoxes();
  ASSERT_TRUE(Exists(4));
  EXPECT_EQ(ParentOf(Handle(4)), GetDesktopWindow());
}

TEST_F(HostWindow, LaterFailedSetupUnbindsAndUnhooks) {
  const WNDPROC dbpProc = HostProc();
  SetupGui(0);
  Call("SETUP GUI", {"No such window", "", 0});
  boxOwner_ = nullptr;
  ASSERT_EQ(host().TakeBoxes().size(), 1u);
  EXPECT_EQ(HostProc(), dbpProc);
  EXPECT_EQ(Call("DBP WINDOW WIDTH["), 0);
}

TEST_F(HostWindow, AddsClipChildrenAndResetGuiRestoresThatStyle) {
  const HWND window = host().window();
  for (bool hadClipChildren : {false, true}) {
    SCOPED_TRACE(hadClipChildren ? "had clip-children" : "without clip-children");
    const LONG_PTR before = (GetWindowLongPtrA(window, GWL_STYLE) & ~WS_CLIPCHILDREN) |
                            (hadClipChildren ? WS_CLIPCHILDREN : 0);
    SetWindowLongPtrA(window, GWL_STYLE, before);
    SetupGui(0);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE), before | WS_CLIPCHILDREN);
  }
  const LONG_PTR guiStyle = GetWindowLongPtrA(window, GWL_STYLE);
  SetWindowLongPtrA(window, GWL_STYLE, (guiStyle & ~(WS_CLIPCHILDREN | WS_MAXIMIZEBOX)) | WS_CLIPSIBLINGS);
  Call("RESET GUI");
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE), guiStyle);
}

TEST_F(HostWindow, ModeTwoKeepsEveryMessageFromDbp) {
  host().TakeHostMessages();
  SetupGui(2);
  Call("CREATE GADGET BUTTON", {1, "b"});
  ResizeHost(500, 400);
  SendMessageA(host().window(), kProbe, 0, 0);
  ShowWindow(host().window(), SW_HIDE);
  ShowWindow(host().window(), SW_SHOW);
  dbp::Pump(50);
  EXPECT_TRUE(host().TakeHostMessages().empty());
  char title[64] = {};
  GetWindowTextA(host().window(), title, sizeof title);  // the default procedure still serves it
  EXPECT_STREQ(title, dbp::kHostTitle);
}

TEST_F(HostWindow, ModeOneLeavesTheHostWindowToDbp) {
  SetupGui(1);
  Call("CREATE GADGET BUTTON", {1, "b"});
  const HWND button = Handle(1);
  MarkForPainting(button);
  host().TakeHostMessages();
  ResizeHost(500, 400);
  EXPECT_TRUE(GetUpdateRect(button, nullptr, FALSE));  // not repainted by the library
  EXPECT_EQ(CountOf(host().TakeHostMessages(), WM_SIZE), 1u);
  SendMessageA(host().window(), WM_CLOSE, 0, 0);  // DBP's procedure closes its window itself
  EXPECT_EQ(CountOf(host().TakeHostMessages(), WM_CLOSE), 1u);
  EXPECT_FALSE(IsWindow(host().window()));
  EXPECT_FALSE(Exists(1));
}

TEST_F(HostWindow, ResizingInModeZeroRepaintsAndRelaysDockedGadgets) {
  SetupGui(0);
  Call("CREATE GADGET BUTTON", {1, "b"});
  Call("CREATE GADGET STATUS", {2});
  const HWND button = Handle(1);
  MarkForPainting(button);
  host().TakeHostMessages();
  ResizeHost(520, 390);
  EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE));  // painted before the size message reached DBP
  EXPECT_EQ(CountOf(host().TakeHostMessages(), WM_SIZE), 1u);
  RECT client, bar;
  GetClientRect(host().window(), &client);
  GetWindowRect(Handle(2), &bar);
  MapWindowPoints(HWND_DESKTOP, host().window(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.left, 0);
  EXPECT_EQ(bar.right, client.right);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_GT(bar.bottom - bar.top, 0);
}

// A second SETUP GUI rebinds in the new mode and never chains the library's procedure to itself:
// a message sent afterwards must come back, and reach DBP exactly as often as the mode says.
TEST_F(HostWindow, RepeatedSetupSwitchesModeWithoutChainingItself) {
  for (int mode : {0, 0, 2, 0, 1, 2, 1, 0}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    SetupGui(mode);
    host().TakeHostMessages();
    SendMessageA(host().window(), kProbe, 0, 0);
    EXPECT_EQ(CountOf(host().TakeHostMessages(), kProbe), mode == 2 ? 0u : 1u);
  }
  ExpectNoBoxes();
}

TEST_F(HostWindow, UnloadGivesEveryWindowItsOwnProcedureBack) {
  for (int mode : {0, 1, 2}) {
    SCOPED_TRACE("mode " + std::to_string(mode));
    if (mode) {
      host_.reset();
      host_ = std::make_unique<dbp::Host>();
    }
    const WNDPROC dbpProc = HostProc();
    SetupGui(mode);
    Call("CREATE GADGET BUTTON", {1, "b"});
    Call("CREATE GADGET PANEL", {2, 0});
    Call("CREATE WITH PARENT", {2});
    Call("CREATE GADGET COMBOBOX", {3});
    Call("CREATE WITHOUT PARENT");
    Call("CREATE GADGET STATUS", {4});
    CreateGadget(5, 6);
    const FARPROC pmsg = host().Export("PMsg");
    std::vector<HWND> gadgets;
    for (int n = 1; n <= 5; ++n) gadgets.push_back(Handle(n));

    host().Unload();
    EXPECT_EQ(HostProc(), dbpProc);
    for (HWND gadget : gadgets) {
      EXPECT_NE(GetWindowLongPtrA(gadget, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(pmsg));
      for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_NCHITTEST}) SendMessageA(gadget, message, 0, 0);
      RedrawWindow(gadget, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    ResizeHost(450, 350);
    SendMessageA(host().window(), kProbe, 0, 0);
    dbp::Pump(30);
    EXPECT_EQ(CountOf(host().TakeHostMessages(), kProbe), 1u);
  }
}

// ---------------------------------------------------------------------------------------------
// Closing the host window ends DBP's process in modes 0 and 2. That can only be watched from
// outside: the test program runs the child test below in a process of its own.

constexpr UINT kDbpSawClose = 5;
constexpr UINT kChildWentOn = 6;
constexpr char kModeVariable[] = "GADGETRY_CLOSE_MODE";
WNDPROC g_dbpProc = nullptr;

// Stands in front of DBP's own procedure before SETUP GUI, so SETUP GUI takes it for DBP's.
LRESULT CALLBACK DbpProcThatReportsClose(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) ExitProcess(kDbpSawClose);
  return CallWindowProcA(g_dbpProc, window, message, wparam, lparam);
}

TEST_F(HostWindow, DISABLED_ChildClosesTheHostWindow) {
  const char* mode = std::getenv(kModeVariable);
  ASSERT_NE(mode, nullptr);
  g_dbpProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(host().window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DbpProcThatReportsClose)));
  SetupGui(std::atoi(mode));
  SendMessageA(host().window(), WM_CLOSE, 0, 0);
  ExitProcess(kChildWentOn);
}

DWORD RunCloseChild(int mode) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, MAX_PATH);
  std::string command = std::string("\"") + program +
                        "\" --gtest_filter=HostWindow.DISABLED_ChildClosesTheHostWindow --gtest_also_run_disabled_tests";
  SetEnvironmentVariableA(kModeVariable, std::to_string(mode).c_str());
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return 0xFFFFFFFF;
  }
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
  else TerminateProcess(process.hProcess, 99);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

TEST_F(HostWindow, ClosingTheHostWindowEndsTheProcessBeforeDbpSeesIt) {
  struct Case {
    int mode;
    DWORD exitCode;
  };
  for (Case c : {Case{0, 0}, Case{2, 0}, Case{1, kDbpSawClose}}) {
    EXPECT_EQ(RunCloseChild(c.mode), c.exitCode) << "mode " << c.mode;
  }
}

// ---------------------------------------------------------------------------------------------
// The drawing window

class DrawingWindow : public HostWindow {
 protected:
  void SetUp() override {
    HostWindow::SetUp();
    SetupGui(0);
  }
  // The window the next parentless gadget lands on.
  HWND NextGadgetParent() {
    const int n = Call("FREE GADGET[");
    CreateGadget(n, 1);
    return ParentOf(Handle(n));
  }
};

TEST_F(DrawingWindow, FormsAndPanelsHoldNewGadgets) {
  for (int kind : {6, 3, 18}) {
    SCOPED_TRACE("kind " + std::to_string(kind));
    CreateGadget(100 + kind, kind);
    Call("SET DRAWING WINDOW", {100 + kind});
    EXPECT_EQ(NextGadgetParent(), Handle(100 + kind));
    Call("SET DRAWING WINDOW", {0});
    EXPECT_EQ(NextGadgetParent(), host().window());
  }
  ExpectNoBoxes();
}

TEST_F(DrawingWindow, OtherKindsAndMissingNumbersChangeNothing) {
  CreateGadget(1, 3);
  CreateGadget(2, 1);
  Call("SET DRAWING WINDOW", {1});
  Call("SET DRAWING WINDOW", {2});
  ExpectNoBoxes();
  EXPECT_EQ(NextGadgetParent(), Handle(1));
  Call("SET DRAWING WINDOW", {77});
  ExpectMissing(77);
  EXPECT_EQ(NextGadgetParent(), Handle(1));
}

TEST_F(DrawingWindow, TheHostTakesOverWhenTheDrawingWindowGoes) {
  CreateGadget(1, 3);
  Call("SET DRAWING WINDOW", {1});
  Call("DELETE GADGET", {1});
  EXPECT_EQ(NextGadgetParent(), host().window());

  CreateGadget(2, 3);  // a panel inside a panel, gone with its holder
  Call("CREATE WITH PARENT", {2});
  CreateGadget(3, 3);
  Call("CREATE WITHOUT PARENT");
  Call("SET DRAWING WINDOW", {3});
  Call("DELETE GADGET", {2});
  EXPECT_EQ(NextGadgetParent(), host().window());
}

TEST_F(DrawingWindow, SetParentGadgetZeroMeansTheHostWindow) {
  CreateGadget(4, 6);
  Call("SET DRAWING WINDOW", {4});
  CreateGadget(9, 1);
  ASSERT_EQ(ParentOf(Handle(9)), Handle(4));
  Call("SET PARENT GADGET", {9, 0});
  EXPECT_EQ(ParentOf(Handle(9)), host().window());
}

// ---------------------------------------------------------------------------------------------
// Capturing the DBP window, focus, size and mouse queries

TEST_F(HostWindow, CaptureAndReleaseTheDbpWindow) {
  CreateGadget(5, 6);  // made before SETUP GUI: a window of its own
  SetupGui(0);
  const HWND window = host().window();
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  Call("CAPTURE DBP WINDOW", {5});
  EXPECT_EQ(ParentOf(window), Handle(5));
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_STYLE), style);
  Call("RELEASE DBP WINDOW");
  EXPECT_EQ(ParentOf(window), GetDesktopWindow());
  Call("CAPTURE DBP WINDOW", {8});
  ExpectMissing(8);
  EXPECT_EQ(ParentOf(window), GetDesktopWindow());
  ExpectNoBoxes();
}

TEST_F(HostWindow, CaptureIntoAGadgetOnTheDbpWindowIsRefused) {
  SetupGui(0);
  CreateGadget(1, 6);
  Call("CREATE WITH PARENT", {1});
  CreateGadget(2, 3);
  for (int n : {1, 2}) {
    Call("CAPTURE DBP WINDOW", {n});
    ExpectGuiErrors({"The DBP window cannot be placed inside a gadget that lies inside it."});
    EXPECT_EQ(ParentOf(host().window()), GetDesktopWindow());
  }
}

TEST_F(HostWindow, ResetInputFocusesTheHostWindow) {
  SetupGui(0);
  Call("CREATE GADGET EDIT", {1});
  SetFocus(Handle(1));
  ASSERT_EQ(GetFocus(), Handle(1));
  Call("RESET INPUT");
  EXPECT_EQ(GetFocus(), host().window());
}

TEST_F(HostWindow, SizeAndMouseQueriesFollowTheOuterRectangle) {
  SetupGui(0);
  SetWindowPos(host().window(), nullptr, 100, 80, 430, 310, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT r;
  GetWindowRect(host().window(), &r);
  EXPECT_EQ(Call("DBP WINDOW WIDTH["), r.right - r.left);
  EXPECT_EQ(Call("DBP WINDOW HEIGHT["), r.bottom - r.top);
  for (POINT offset : {POINT{-10, 5}, POINT{3, -7}, POINT{-15, -12}, POINT{20, 30}}) {
    const auto [left, top] = dbp::WithCursorAt(r.left + offset.x, r.top + offset.y, [&] {
      return std::pair{Call("MOUSE LEFT["), Call("MOUSE TOP[")};
    });
    EXPECT_EQ(left, offset.x);
    EXPECT_EQ(top, offset.y);
  }
}

TEST_F(HostWindow, QueriesAboutTheHostWindowAreZeroWithoutOne) {
  SetCursorPos(300, 300);
  for (const char* query : {"DBP WINDOW WIDTH[", "DBP WINDOW HEIGHT[", "MOUSE LEFT[", "MOUSE TOP["}) {
    EXPECT_EQ(Call(query), 0) << query;
  }
  Call("RESET GUI");
  Call("RELEASE DBP WINDOW");
  Call("RESET INPUT");
  ExpectNoBoxes();
}

TEST_F(HostWindow, WindowAndGadgetUnderTheMouse) {
  SetupGui(0);
  Call("CREATE GADGET BUTTON", {1, "b"});
  SetWindowPos(Handle(1), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  CreateGadget(2, 3);
  SetWindowPos(Handle(2), nullptr, 200, 100, 200, 60, SWP_NOZORDER);
  Call("CREATE WITH PARENT", {2});
  Call("CREATE GADGET COMBOBOX", {3});
  const HWND combo = Handle(3);
  const HWND comboEdit = GetWindow(combo, GW_CHILD);
  ASSERT_NE(comboEdit, nullptr);
  RECT comboRect;
  GetWindowRect(combo, &comboRect);
  RECT hostClient;
  GetClientRect(host().window(), &hostClient);
  MapWindowPoints(host().window(), HWND_DESKTOP, reinterpret_cast<POINT*>(&hostClient), 2);

  struct Case {
    POINT at;
    HWND window;
    int gadget;
  };
  const Case cases[] = {
      {dbp::CenterOf(Handle(1)), Handle(1), 1},
      {{hostClient.right - 5, hostClient.bottom - 5}, host().window(), 0},
      {dbp::CenterOf(comboEdit), comboEdit, 0},               // part of a gadget, not a gadget
      {{comboRect.right - 4, comboRect.top + 8}, combo, 3},  // the drop-down button is the combo's own
  };
  for (const Case& c : cases) {
    const auto [window, gadget] = dbp::WithCursorAt(c.at.x, c.at.y, [&] {
      return std::pair{Call("WINDOW UNDER MOUSE["), Call("GADGET UNDER MOUSE2[")};
    });
    EXPECT_EQ(window, static_cast<int>(reinterpret_cast<DWORD_PTR>(c.window))) << c.at.x << "," << c.at.y;
    EXPECT_EQ(gadget, c.gadget) << c.at.x << "," << c.at.y;
  }
}

TEST_F(HostWindow, ActiveGadgetFollowsTheFocus) {
  SetupGui(0);
  Call("CREATE GADGET EDIT", {1});
  Call("CREATE GADGET BUTTON", {2, "b"});
  struct Case {
    HWND focus;
    int gadget;
  };
  for (Case c : {Case{Handle(1), 1}, Case{Handle(2), 2}, Case{host().window(), 0}, Case{nullptr, 0}}) {
    SetFocus(c.focus);
    EXPECT_EQ(Call("ACTIVE GADGET["), c.gadget);
  }
}

}  // namespace
