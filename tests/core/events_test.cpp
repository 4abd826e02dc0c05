// What the shared gadget procedure makes of gadget window messages: click state, the last
// clicked gadget, the gadget under the mouse, the look of panels and flat buttons, check marks,
// focus and window gadgets coming to the front; also while commands are running.
#include <algorithm>
#include <functional>
#include <map>
#include <optional>

#include "gadget_test.h"

namespace {

constexpr int kButton = 1;
constexpr int kEdit = 2;
constexpr int kPanel = 3;
constexpr int kForm = 6;
constexpr int kCheckBox = 7;
constexpr int kMemo = 16;
constexpr int kFlatButton = 18;
constexpr int kRadioButton = 24;
constexpr int kRichEdit = 26;
// Not a kind: a panel made by CREATE GADGET PANEL n, 1, which has no bevel.
constexpr int kBorderlessPanel = -3;

constexpr LPARAM kInside = MAKELPARAM(4, 4);

enum class Edge { None, Raised, Lowered, Other };

const char* EdgeName(Edge edge) {
  switch (edge) {
    case Edge::None: return "none";
    case Edge::Raised: return "raised";
    case Edge::Lowered: return "lowered";
    default: return "other";
  }
}

// A panel's outer bevel as it is painted: raised is light along the top and dark along the
// bottom, lowered the other way round, none shows the face colour. Read from the window's own
// surface, which holds what was painted even before it reaches the screen.
Edge PaintedBevel(HWND panel) {
  UpdateWindow(panel);
  RECT client{};
  GetClientRect(panel, &client);
  HDC dc = GetDC(panel);
  const COLORREF top = GetPixel(dc, client.right / 2, 0);
  const COLORREF bottom = GetPixel(dc, client.right / 2, client.bottom - 1);
  ReleaseDC(panel, dc);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  if (top == light && bottom == dark) return Edge::Raised;
  if (top == dark && bottom == light) return Edge::Lowered;
  if (top == face && bottom == face) return Edge::None;
  return Edge::Other;
}

// Pumps until done() holds, for at most ms milliseconds.
bool PumpUntil(const std::function<bool()>& done, DWORD ms = 1500) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > ms) return false;
    dbp::Pump(20);
  }
  return true;
}

// True when a lies in front of b among the same siblings (or top-level windows).
bool InFrontOf(HWND a, HWND b) {
  for (HWND w = GetWindow(a, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w == b) return true;
  }
  return false;
}

// A procedure the test puts on top of a window, above everything the library installed. It
// runs an action at the first arrival of one message, then passes every message on.
class TopHook {
 public:
  TopHook(HWND window, UINT trigger, std::function<void()> action)
      : window_(window), trigger_(trigger), action_(std::move(action)) {
    Hooks()[window] = this;
    below_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
  ~TopHook() {
    if (IsWindow(window_) && GetWindowLongPtrA(window_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&Proc)) {
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(below_));
    }
    Hooks().erase(window_);
  }
  TopHook(const TopHook&) = delete;
  TopHook& operator=(const TopHook&) = delete;

  bool fired() const { return fired_; }

 private:
  static std::map<HWND, TopHook*>& Hooks() {
    static std::map<HWND, TopHook*> hooks;
    return hooks;
  }
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    TopHook* hook = Hooks().at(window);
    if (message == hook->trigger_ && !hook->fired_) {
      hook->fired_ = true;
      hook->action_();
    }
    return CallWindowProcA(hook->below_, window, message, wparam, lparam);
  }

  HWND window_;
  UINT trigger_;
  std::function<void()> action_;
  WNDPROC below_ = nullptr;
  bool fired_ = false;
};

// Takes the place of a window class's own procedure for the windows made while it lives, so it
// sits under the library on a gadget made then: it sees exactly what the shared procedure passes
// on to the control. At mouse-button messages it also notes what the probe reads at that moment.
class OwnProcedureSpy {
 public:
  struct Seen {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    int probe;
  };

  OwnProcedureSpy(const char* windowClass, HINSTANCE instance, std::function<int(HWND)> probe = nullptr)
      : probe_(std::move(probe)) {
    classWindow_ = CreateWindowExA(0, windowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    original_ = reinterpret_cast<WNDPROC>(
        SetClassLongPtrA(classWindow_, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    current_ = this;
  }
  ~OwnProcedureSpy() {
    SetClassLongPtrA(classWindow_, GCLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    DestroyWindow(classWindow_);
    current_ = nullptr;
  }
  OwnProcedureSpy(const OwnProcedureSpy&) = delete;
  OwnProcedureSpy& operator=(const OwnProcedureSpy&) = delete;

  bool valid() const { return classWindow_ && original_; }

  std::vector<Seen> SeenBy(HWND window) const {
    std::vector<Seen> seen;
    for (const Seen& s : seen_) {
      if (s.window == window) seen.push_back(s);
    }
    return seen;
  }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    // Windows made under a spy keep this procedure after it has gone.
    static WNDPROC original = nullptr;
    if (OwnProcedureSpy* spy = current_) {
      original = spy->original_;
      if (!spy->probing_) {
        int probe = 0;
        if (spy->probe_ && message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) {
          spy->probing_ = true;
          probe = spy->probe_(window);
          spy->probing_ = false;
        }
        spy->seen_.push_back({window, message, wparam, lparam, probe});
      }
    }
    return CallWindowProcA(original, window, message, wparam, lparam);
  }

  static inline OwnProcedureSpy* current_ = nullptr;
  std::function<int(HWND)> probe_;
  HWND classWindow_ = nullptr;
  WNDPROC original_ = nullptr;
  bool probing_ = false;
  std::vector<Seen> seen_;
};

class Events : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui();
    ParkCursor();
  }

  // Makes gadget n of a kind, at the top left of the host window's client area.
  void Make(int n, int kind) {
    if (kind == kBorderlessPanel) {
      Call("CREATE GADGET PANEL", {n, 1});
    } else {
      CreateGadget(n, kind);
    }
  }

  LRESULT Send(int n, UINT message, WPARAM wparam = 0, LPARAM lparam = kInside) {
    return SendMessageA(Handle(n), message, wparam, lparam);
  }
  void Press(int n) { Send(n, WM_LBUTTONDOWN, MK_LBUTTON); }
  void Release(int n) { Send(n, WM_LBUTTONUP); }

  int State(int n) { return Call("GADGET STATE[", {n}); }
  int Clicked() { return Call("GADGET CLICKED["); }
  int UnderMouse() { return Call("GADGET UNDER MOUSE["); }

  // Moves the real cursor onto a window's centre and a little further, as a hand on a mouse
  // does: Wine watches for the leave only from a move that it sees inside the window.
  void HoverOver(HWND window) {
    const POINT center = dbp::CenterOf(window);
    dbp::MoveMouse(center.x, center.y);
    dbp::MoveMouse(center.x + 1, center.y + 1);
  }

  // Puts the real cursor on the host window, far from the gadgets at its top left.
  void ParkCursor() {
    POINT p{500, 380};
    ClientToScreen(host().window(), &p);
    dbp::MoveMouse(p.x, p.y);
  }
};

// --- One message after another, sent straight to a gadget's window --------------------------
// Nothing is pumped between the messages and the checks, and the real cursor is parked
// elsewhere: the system's own mouse tracking cannot add a leave of its own.

struct EventCase {
  const char* what;
  int kind;
  std::vector<UINT> messages;  // sent in this order
  int clickState;
  bool clicked;        // GADGET CLICKED[ names the gadget afterwards
  bool underMouse;     // GADGET UNDER MOUSE[ names the gadget afterwards
  std::optional<Edge> bevel;  // panels: the outer bevel painted afterwards
  int checked;         // check boxes and radio buttons: BM_GETCHECK afterwards; -1 for others
};

constexpr UINT kDown = WM_LBUTTONDOWN, kUp = WM_LBUTTONUP, kRight = WM_RBUTTONDOWN, kMove = WM_MOUSEMOVE,
               kLeave = WM_MOUSELEAVE, kNcMove = WM_NCMOUSEMOVE, kNcLeave = WM_NCMOUSELEAVE;

const EventCase kEventCases[] = {
    {"button pressed", kButton, {kDown}, 1, false, false, {}, -1},
    {"button pressed and released", kButton, {kDown, kUp}, 0, true, false, {}, -1},
    {"button released without a press", kButton, {kUp}, 0, true, false, {}, -1},
    {"button pressed with the right button", kButton, {kRight}, 0, false, false, {}, -1},
    {"right press after a left press", kButton, {kDown, kRight}, 1, false, false, {}, -1},
    {"mouse over a button", kButton, {kMove}, 0, false, true, {}, -1},
    {"mouse over a button and gone", kButton, {kMove, kLeave}, 0, false, false, {}, -1},
    {"mouse over a button's frame", kButton, {kNcMove}, 0, false, true, {}, -1},
    {"mouse over a button's frame and gone", kButton, {kNcMove, kNcLeave}, 0, false, false, {}, -1},
    {"check box clicked", kCheckBox, {kDown, kUp}, 0, true, false, {}, BST_CHECKED},
    {"check box clicked twice", kCheckBox, {kDown, kUp, kDown, kUp}, 0, true, false, {}, BST_UNCHECKED},
    {"check box pressed with the right button", kCheckBox, {kRight}, 0, false, false, {}, BST_UNCHECKED},
    {"radio button clicked", kRadioButton, {kDown, kUp}, 0, true, false, {}, BST_CHECKED},
    {"radio button clicked twice", kRadioButton, {kDown, kUp, kDown, kUp}, 0, true, false, {}, BST_UNCHECKED},
    {"flat button as made", kFlatButton, {}, 0, false, false, Edge::None, -1},
    {"mouse over a flat button", kFlatButton, {kMove}, 0, false, true, Edge::Raised, -1},
    {"flat button pressed", kFlatButton, {kMove, kDown}, 1, false, true, Edge::Lowered, -1},
    {"flat button released", kFlatButton, {kMove, kDown, kUp}, 0, true, true, Edge::None, -1},
    {"mouse moves on after a release", kFlatButton, {kMove, kDown, kUp, kMove}, 0, true, true, Edge::Raised, -1},
    {"mouse left a flat button", kFlatButton, {kMove, kLeave}, 0, false, false, Edge::None, -1},
    {"flat button pressed with the right button", kFlatButton, {kMove, kRight}, 0, false, true, Edge::Raised, -1},
    {"flat button's frame under the mouse", kFlatButton, {kNcMove}, 0, false, true, Edge::None, -1},
    {"panel as made", kPanel, {}, 0, false, false, Edge::Raised, -1},
    {"panel pressed", kPanel, {kDown}, 1, false, false, Edge::Raised, -1},
    {"mouse left a panel", kPanel, {kMove, kLeave}, 0, false, false, Edge::None, -1},
    {"mouse left a panel's frame", kPanel, {kNcMove, kNcLeave}, 0, false, false, Edge::Raised, -1},
    {"mouse over a panel without bevel", kBorderlessPanel, {kMove}, 0, false, true, Edge::None, -1},
};

TEST_F(Events, EachMessageLeavesTheStateScriptsPoll) {
  int n = 0;
  for (const EventCase& c : kEventCases) {
    SCOPED_TRACE(c.what);
    ++n;  // a number of its own: click states outlive their gadgets
    Make(n, c.kind);
    ASSERT_EQ(Call("GADGET EXISTS[", {n}), 1);
    for (UINT message : c.messages) Send(n, message, message == kDown ? MK_LBUTTON : message == kRight ? MK_RBUTTON : 0);
    EXPECT_EQ(State(n), c.clickState);
    EXPECT_EQ(UnderMouse(), c.underMouse ? n : 0);
    if (c.bevel) {
      EXPECT_STREQ(EdgeName(PaintedBevel(Handle(n))), EdgeName(*c.bevel));
    }
    if (c.checked >= 0) {
      EXPECT_EQ(Send(n, BM_GETCHECK), c.checked);
    }
    EXPECT_EQ(Clicked(), c.clicked ? n : 0);
    Send(n, WM_NCMOUSELEAVE);  // the next case starts with no gadget under the mouse
    Call("DELETE GADGET", {n});
  }
  ExpectNoBoxes();
}

TEST_F(Events, ClickedNamesTheLatestReleaseOnceAndStateFollowsEachGadget) {
  Make(3, kButton);
  Make(5, kButton);
  Press(3);
  Release(3);
  Press(5);
  EXPECT_EQ(State(3), 0);
  EXPECT_EQ(State(5), 1);
  Release(5);
  EXPECT_EQ(Clicked(), 5);
  EXPECT_EQ(Clicked(), 0);
}

TEST_F(Events, RightPressPushesTheButtonWithoutCountingAsAPress) {
  Make(1, kButton);
  Send(1, WM_RBUTTONDOWN, MK_RBUTTON);
  EXPECT_TRUE(Send(1, BM_GETSTATE) & BST_PUSHED);  // the button's own procedure saw a left press
  EXPECT_EQ(GetCapture(), Handle(1));
  EXPECT_EQ(State(1), 0);
  EXPECT_EQ(Clicked(), 0);
  ReleaseCapture();
}

TEST_F(Events, ClickStateOutlivesItsGadgetUntilTheNextPressOrRelease) {
  Make(7, kButton);
  Press(7);
  Call("DELETE GADGET", {7});
  Make(7, kCheckBox);
  EXPECT_EQ(State(7), 1);
  Release(7);
  EXPECT_EQ(State(7), 0);
  Press(7);
  EXPECT_EQ(State(7), 1);
}

TEST_F(Events, StateOfAMissingGadgetIsReportedAsZero) {
  Make(1, kButton);
  Press(1);
  for (int n : {2, 0, 4097}) EXPECT_EQ(State(n), 0) << n;
  ExpectGuiErrors({"Gadget 2 does not exist.", "Gadget 0 does not exist.", "Gadget 4097 does not exist."});
}

LRESULT CALLBACK AnswersUserMessages(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return message == WM_USER ? 42 : DefWindowProcA(window, message, wparam, lparam);
}

TEST_F(Events, AWindowNoGadgetOwnsGetsTheDefaultProcedure) {
  auto pmsg = dbp::ProcAs<WNDPROC>(host().Export("PMsg"));
  ASSERT_NE(pmsg, nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = AnswersUserMessages;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "EventsPlainWindow";
  RegisterClassA(&wc);
  HWND plain = CreateWindowExA(0, wc.lpszClassName, "plain", WS_CHILD, 0, 0, 10, 10, host().window(), nullptr,
                               wc.hInstance, nullptr);
  ASSERT_EQ(SendMessageA(plain, WM_USER, 0, 0), 42);
  SetWindowLongPtrA(plain, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pmsg));
  EXPECT_EQ(SendMessageA(plain, WM_USER, 0, 0), 0);
  SendMessageA(plain, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("changed"));
  char text[16] = {};
  GetWindowTextA(plain, text, sizeof text);
  EXPECT_STREQ(text, "changed");
  SendMessageA(plain, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  SendMessageA(plain, WM_LBUTTONUP, 0, kInside);
  SendMessageA(plain, WM_MOUSEMOVE, 0, kInside);
  EXPECT_EQ(Clicked(), 0);
  EXPECT_EQ(UnderMouse(), 0);
  DestroyWindow(plain);
}

TEST_F(Events, EveryGadgetWindowFindsItsOwnNumberAmongAllOthers) {
  for (int n = 1; n <= 4096; ++n) CreateGadget(n, 19);
  // Deleting two numbers in three, in a scattered order, leaves gaps all over the lookup.
  for (int step = 0; step < 3; ++step) {
    for (int n = 1 + step; n <= 4096; n += 3) {
      if (n % 3 != 0) Call("DELETE GADGET", {n});
    }
  }
  for (int n : {1, 2, 4, 5, 4094}) CreateGadget(n, kButton);
  for (int n = 1; n <= 4096; ++n) {
    if (!Call("GADGET EXISTS[", {n})) continue;
    Release(n);
    ASSERT_EQ(Clicked(), n);
  }
}

// --- What the control's own procedure sees ----------------------------------------------------

TEST_F(Events, TheButtonsOwnProcedureSeesPressesAfterTheClickStateChanged) {
  OwnProcedureSpy spy("BUTTON", nullptr, [this](HWND) { return State(1); });
  ASSERT_TRUE(spy.valid());
  Make(1, kButton);
  HWND button = Handle(1);
  Send(1, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 9));
  Send(1, WM_LBUTTONUP, 0, MAKELPARAM(3, 9));
  Send(1, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(7, 2));
  ReleaseCapture();

  std::vector<OwnProcedureSpy::Seen> buttons;
  for (const auto& seen : spy.SeenBy(button)) {
    EXPECT_NE(seen.message, static_cast<UINT>(WM_RBUTTONDOWN));
    if (seen.message == WM_LBUTTONDOWN || seen.message == WM_LBUTTONUP) buttons.push_back(seen);
  }
  ASSERT_EQ(buttons.size(), 3u);
  EXPECT_EQ(buttons[0].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(buttons[0].probe, 1);  // already pressed when the button handles the press
  EXPECT_EQ(buttons[1].message, static_cast<UINT>(WM_LBUTTONUP));
  EXPECT_EQ(buttons[1].probe, 0);
  // The right press reaches the button as a left press with its own wparam and lparam.
  EXPECT_EQ(buttons[2].message, static_cast<UINT>(WM_LBUTTONDOWN));
  EXPECT_EQ(buttons[2].wparam, static_cast<WPARAM>(MK_RBUTTON));
  EXPECT_EQ(buttons[2].lparam, MAKELPARAM(7, 2));
  EXPECT_EQ(buttons[2].probe, 0);
}

TEST_F(Events, ACheckBoxIsToggledBeforeItsOwnProcedureSeesTheRelease) {
  OwnProcedureSpy spy("BUTTON", nullptr,
                      [](HWND window) { return static_cast<int>(SendMessageA(window, BM_GETCHECK, 0, 0)); });
  ASSERT_TRUE(spy.valid());
  Make(1, kCheckBox);
  HWND box = Handle(1);
  for (int click = 0; click < 2; ++click) {
    Press(1);
    Release(1);
  }
  std::vector<int> checkedAtRelease;
  for (const auto& seen : spy.SeenBy(box)) {
    if (seen.message == WM_LBUTTONUP) checkedAtRelease.push_back(seen.probe);
  }
  EXPECT_EQ(checkedAtRelease, (std::vector<int>{BST_CHECKED, BST_UNCHECKED}));
}

// --- Focus ------------------------------------------------------------------------------------

TEST_F(Events, ReleaseFocusesTextFieldsOfFramedWindowGadgetsOnTheHostWindow) {
  struct Case {
    const char* what;
    int kind;
    int holder;  // 0: on the host window; else the kind of the gadget the field is made inside
    bool formInPanel;
    bool focused;
  };
  const Case cases[] = {
      {"edit field in a window gadget", kEdit, kForm, false, true},
      {"text area in a window gadget", kMemo, kForm, false, true},
      {"rich edit in a window gadget", kRichEdit, kForm, false, false},
      {"button in a window gadget", kButton, kForm, false, false},
      {"edit field on the host window", kEdit, 0, false, false},
      {"edit field in a panel", kEdit, kPanel, false, false},
      {"edit field in a window gadget inside a panel", kEdit, kForm, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.formInPanel) {
      Make(10, kPanel);
      Call("CREATE WITH PARENT", {10});
    }
    if (c.holder) {
      Make(1, c.holder);
      Call("CREATE WITH PARENT", {1});
    }
    Make(2, c.kind);
    Call("CREATE WITHOUT PARENT");
    SetFocus(host().window());
    Release(2);
    EXPECT_EQ(GetFocus(), c.focused ? Handle(2) : host().window());
    DeleteAllGadgets();
  }
}

TEST_F(Events, CheckBoxReleaseFocusesItsParentWindowOrNone) {
  Make(1, kEdit);
  Make(2, kCheckBox);
  SetFocus(Handle(1));
  Release(2);
  EXPECT_EQ(GetFocus(), host().window());

  Make(3, kPanel);
  Call("CREATE WITH PARENT", {3});
  Make(4, kCheckBox);
  Call("CREATE WITHOUT PARENT");
  SetFocus(Handle(1));
  Release(4);
  // A check box inside another gadget has no parent window of its own to hand the focus to.
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(Send(4, BM_GETCHECK), BST_CHECKED);
}

// --- Window gadgets ---------------------------------------------------------------------------

TEST_F(Events, PressOnAWindowGadgetBringsItToTheFrontButNotForAGadgetInside) {
  Make(1, kForm);
  Make(2, kForm);
  Call("CREATE WITH PARENT", {1});
  Make(3, kButton);
  Call("CREATE WITHOUT PARENT");
  ASSERT_TRUE(InFrontOf(Handle(2), Handle(1)));

  Press(3);
  EXPECT_TRUE(InFrontOf(Handle(2), Handle(1)));
  EXPECT_EQ(State(3), 1);
  EXPECT_EQ(State(1), 0);

  Press(1);
  EXPECT_TRUE(InFrontOf(Handle(1), Handle(2)));
  EXPECT_EQ(State(1), 1);
}

// Window gadgets made before SETUP GUI are windows of their own on the desktop.
class TopLevelWindowGadgets : public Events {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    CreateGadget(1, kForm);
  }
};

TEST_F(TopLevelWindowGadgets, PressMakesAWindowGadgetTheForegroundWindow) {
  CreateGadget(2, kForm);
  SetupGui();
  SetForegroundWindow(Handle(2));
  ASSERT_EQ(GetForegroundWindow(), Handle(2));
  ASSERT_TRUE(InFrontOf(Handle(2), Handle(1)));
  Press(1);
  EXPECT_EQ(GetForegroundWindow(), Handle(1));
  EXPECT_TRUE(InFrontOf(Handle(1), Handle(2)));
}

TEST_F(TopLevelWindowGadgets, NonClientActivationIsAnsweredAndNeverPassedOn) {
  OwnProcedureSpy spy("GadgetryForm", host().module());
  ASSERT_TRUE(spy.valid());
  Call("RECORD MESSAGES ON");
  CreateGadget(2, kForm);  // shown and activated under the spy
  SetupGui();
  SetForegroundWindow(Handle(1));
  SetForegroundWindow(Handle(2));
  EXPECT_EQ(Send(2, WM_NCACTIVATE, FALSE), 1);
  EXPECT_EQ(Send(2, WM_NCACTIVATE, TRUE), 1);
  Call("RECORD MESSAGES OFF");

  int activations = 0;
  while (Call("MESSAGE COUNT[", {2}) > 0) {
    Call("GET MESSAGE", {2});
    if (Call("MESSAGE MSG[") == WM_NCACTIVATE) ++activations;
  }
  EXPECT_GE(activations, 2);
  const auto seen = spy.SeenBy(Handle(2));
  EXPECT_FALSE(seen.empty());
  for (const auto& s : seen) EXPECT_NE(s.message, static_cast<UINT>(WM_NCACTIVATE));
}

// --- The real mouse ---------------------------------------------------------------------------

TEST_F(Events, AClickWithTheMouseIsReportedOnce) {
  Make(1, kButton);
  HoverOver(Handle(1));
  dbp::MouseButton(true, true);
  EXPECT_TRUE(PumpUntil([&] { return State(1) == 1; }));
  EXPECT_EQ(Clicked(), 0);
  dbp::MouseButton(true, false);
  EXPECT_TRUE(PumpUntil([&] { return State(1) == 0; }));
  EXPECT_EQ(Clicked(), 1);
  EXPECT_EQ(Clicked(), 0);
}

TEST_F(Events, AFlatButtonRisesUnderTheMouseAndFlattensWhenItLeaves) {
  Make(1, kFlatButton);
  HWND flat = Handle(1);
  dbp::Pump(100);
  EXPECT_STREQ(EdgeName(PaintedBevel(flat)), "none");
  HoverOver(flat);
  ASSERT_TRUE(PumpUntil([&] { return UnderMouse() == 1; }));
  EXPECT_STREQ(EdgeName(PaintedBevel(flat)), "raised");

  dbp::MouseButton(true, true);
  ASSERT_TRUE(PumpUntil([&] { return State(1) == 1; }));
  EXPECT_STREQ(EdgeName(PaintedBevel(flat)), "lowered");
  dbp::MouseButton(true, false);
  ASSERT_TRUE(PumpUntil([&] { return State(1) == 0; }));
  EXPECT_STREQ(EdgeName(PaintedBevel(flat)), "none");  // until the mouse moves again
  const POINT center = dbp::CenterOf(flat);
  dbp::MoveMouse(center.x + 3, center.y);
  EXPECT_TRUE(PumpUntil([&] { return PaintedBevel(flat) == Edge::Raised; }));

  ParkCursor();
  EXPECT_TRUE(PumpUntil([&] { return UnderMouse() == 0; }));
  EXPECT_STREQ(EdgeName(PaintedBevel(flat)), "none");
}

TEST_F(Events, UnderMouseFollowsTheCursorOntoAPanelAndOffItEachTime) {
  Make(1, kPanel);
  dbp::Pump(100);
  EXPECT_EQ(UnderMouse(), 0);
  for (int visit = 1; visit <= 2; ++visit) {  // the leave is watched for anew on every visit
    SCOPED_TRACE(visit);
    HoverOver(Handle(1));
    EXPECT_TRUE(PumpUntil([&] { return UnderMouse() == 1; }));
    if (visit == 1) {
      EXPECT_STREQ(EdgeName(PaintedBevel(Handle(1))), "raised");
    }
    ParkCursor();
    EXPECT_TRUE(PumpUntil([&] { return UnderMouse() == 0; }));
    EXPECT_STREQ(EdgeName(PaintedBevel(Handle(1))), "none");
  }
}

// --- Messages that arrive while a command is running ------------------------------------------

using Reentry = Events;

TEST_F(Reentry, MessagesDuringAModalBoxReachTheirGadget) {
  Make(3, kButton);
  HWND button = Handle(3);
  PostMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  PostMessageA(button, WM_LBUTTONUP, 0, kInside);
  EXPECT_EQ(State(99), 0);  // its box's loop delivers the posted messages
  EXPECT_EQ(Clicked(), 3);
  ExpectMissing(99);
}

TEST_F(Reentry, DestroyMessagesFindTheGadgetBeingDeleted) {
  Make(5, kButton);
  int existsWhileDestroyed = -1;
  TopHook hook(Handle(5), WM_DESTROY, [&] { existsWhileDestroyed = Call("GADGET EXISTS[", {5}); });
  Call("RECORD MESSAGES ON");
  Call("DELETE GADGET", {5});
  Call("RECORD MESSAGES OFF");
  EXPECT_TRUE(hook.fired());
  EXPECT_EQ(existsWhileDestroyed, 0);
  std::vector<UINT> logged;  // newest first
  while (Call("MESSAGE COUNT[", {5}) > 0) {
    Call("GET MESSAGE", {5});
    logged.push_back(static_cast<UINT>(Call("MESSAGE MSG[")));
  }
  ASSERT_FALSE(logged.empty());
  EXPECT_EQ(logged.front(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_NE(std::find(logged.begin(), logged.end(), static_cast<UINT>(WM_DESTROY)), logged.end());
}

TEST_F(Reentry, AGadgetDeletedAboveTheSharedProcedureIsLeftAlone) {
  Make(4, kButton);
  HWND button = Handle(4);
  TopHook hook(button, WM_LBUTTONDOWN, [&] { Call("DELETE GADGET", {4}); });
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(Call("GADGET EXISTS[", {4}), 0);
  Make(4, kButton);
  EXPECT_EQ(State(4), 0);  // the press never counted
}

TEST_F(Reentry, AWindowGadgetDeletedWhileItComesToTheFront) {
  Make(1, kForm);
  Make(2, kButton);
  HWND form = Handle(1);
  // Coming to the front repaints every gadget; the button's paint deletes the window gadget.
  TopHook hook(Handle(2), WM_PAINT, [&] { Call("DELETE GADGET", {1}); });
  SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  EXPECT_TRUE(hook.fired());
  EXPECT_FALSE(IsWindow(form));
  EXPECT_EQ(Call("GADGET EXISTS[", {1}), 0);
  EXPECT_EQ(Call("GADGET EXISTS[", {2}), 1);
}

TEST_F(Reentry, APressOnAWindowGadgetThatIsBeingDeleted) {
  Make(1, kForm);
  HWND form = Handle(1);
  TopHook hook(form, WM_DESTROY, [&] { SendMessageA(form, WM_LBUTTONDOWN, MK_LBUTTON, kInside); });
  Call("DELETE GADGET", {1});
  EXPECT_TRUE(hook.fired());
  EXPECT_FALSE(IsWindow(form));
  Make(1, kForm);
  EXPECT_EQ(State(1), 1);  // the window still belonged to gadget 1 when it was pressed
}

TEST_F(Reentry, ACheckBoxDeletedWhileTheFocusMoves) {
  Make(3, kCheckBox);
  HWND box = Handle(3);
  SetFocus(box);
  TopHook hook(host().window(), WM_SETFOCUS, [&] { Call("DELETE GADGET", {3}); });
  SendMessageA(box, WM_LBUTTONUP, 0, kInside);
  EXPECT_TRUE(hook.fired());
  EXPECT_FALSE(IsWindow(box));
  EXPECT_EQ(Call("GADGET EXISTS[", {3}), 0);
  EXPECT_EQ(Clicked(), 3);  // the release was the last click before the box went
}

}  // namespace
