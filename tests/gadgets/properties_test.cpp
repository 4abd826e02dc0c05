// What every gadget has: text, place and size, docking, visibility, order, focus, locking and
// check marks, through the command table.
#include "gadget_test.h"

namespace {


class Properties : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui();
  }
  void Button(int n, const char* caption = "b") { Call("CREATE GADGET BUTTON", {n, caption}); }
  // A panel that new gadgets go inside until CREATE WITHOUT PARENT.
  void ParentPanel(int n) {
    Call("CREATE GADGET PANEL", {n, 1});
    Call("SET GADGET", {n, 10, 10, 300, 200});
    Call("CREATE WITH PARENT", {n});
  }
  // A window gadget on the host window that new gadgets go inside.
  void ParentWindow(int n) {
    Call("CREATE GADGET WINDOW", {n, 4, "parent", 1});
    Call("SET GADGET", {n, 20, 20, 300, 200});
    Call("CREATE WITH PARENT", {n});
  }
};

// ---- text ----

struct TextCase {
  const char* keyword;
  bool captioned;
  bool takesText;  // SET GADGET TEXT changes what the window shows
  bool givesText;  // GET GADGET TEXT[ gives it back
};

TEST_F(Properties, TextIsSetAndGivenBackByClass) {
  const TextCase cases[] = {
      {"CREATE GADGET BUTTON", true, true, true},     {"CREATE GADGET EDIT", false, true, true},
      {"CREATE GADGET LABEL", true, true, false},     {"CREATE GADGET CHECKBOX", true, true, false},
      {"CREATE GADGET RADIOBUTTON", false, true, false}, {"CREATE GADGET GROUPBOX", true, true, false},
      {"CREATE GADGET TEXTAREA", false, true, true},  {"CREATE GADGET RICHEDIT", false, true, true},
      {"CREATE GADGET LISTBOX", false, false, false}, {"CREATE GADGET PROGRESSBAR", false, false, false},
      {"CREATE GADGET TREEVIEW", false, false, false},
  };
  int n = 1;
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.keyword);
    if (c.captioned) {
      Call(c.keyword, {n, ""});
    } else {
      Call(c.keyword, {n});
    }
    Call("SET GADGET TEXT", {n, "new text"});
    EXPECT_EQ(TextOf(Handle(n)), c.takesText ? "new text" : "");
    EXPECT_EQ(CallS("GET GADGET TEXT[", {n}), c.givesText ? "new text" : "");
    ++n;
  }
  // Panels take a caption; window gadgets a title, which they give back.
  Call("CREATE GADGET PANEL", {n, 0});
  Call("SET GADGET TEXT", {n, "caption"});
  EXPECT_EQ(TextOf(Handle(n)), "caption");
  EXPECT_EQ(CallS("GET GADGET TEXT[", {n}), "");
  Call("CREATE GADGET WINDOW", {++n, 0, "", 1});
  Call("SET GADGET TEXT", {n, "title"});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {n}), "title");
  // A combo box sets and gives back its edit part.
  ParentPanel(++n);
  Call("CREATE GADGET COMBOBOX", {++n});
  Call("SET GADGET TEXT", {n, "typed"});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {n}), "typed");
  ExpectNoBoxes();
}

TEST_F(Properties, TextOfAMissingGadgetIsReportedAndEmpty) {
  Call("SET GADGET TEXT", {3, "x"});
  ExpectMissing(3);
  EXPECT_EQ(CallS("GET GADGET TEXT[", {3}), "");
  ExpectMissing(3);
}

// ---- place and size ----

TEST_F(Properties, PlaceAndSizeReadBackWhereverTheGadgetLives) {
  Button(1);
  ParentPanel(2);
  Button(3);
  Call("CREATE WITHOUT PARENT");
  ParentWindow(4);
  Button(5);
  Call("CREATE WITHOUT PARENT");
  Call("CREATE GADGET WINDOW", {6, 4, "top-level", 0});
  for (int n : {1, 3, 5, 6}) {
    SCOPED_TRACE(n);
    Call("POSITION GADGET", {n, 10, 20});
    Call("RESIZE GADGET", {n, 120, 40});
    EXPECT_EQ(Call("GADGET LEFT[", {n}), 10);
    EXPECT_EQ(Call("GADGET TOP[", {n}), 20);
    EXPECT_EQ(Call("GADGET WIDTH[", {n}), 120);
    EXPECT_EQ(Call("GADGET HEIGHT[", {n}), 40);
    RECT place{};
    GetWindowRect(Handle(n), &place);
    if (HWND parent = GetParent(Handle(n)); parent && (StyleOf(Handle(n)) & WS_CHILD)) {
      MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
    }
    EXPECT_EQ(place.left, 10);  // measured from the client area holding it (the screen at top level)
    EXPECT_EQ(place.top, 20);
    EXPECT_EQ(place.right - place.left, 120);
    EXPECT_EQ(place.bottom - place.top, 40);
  }
  ExpectNoBoxes();
}

TEST_F(Properties, MovingAndSizingRepaintEveryGadget) {
  Button(1);
  Button(2);
  dbp::Pump();
  for (const char* keyword : {"POSITION GADGET", "RESIZE GADGET", "POSITION GADGET ABS"}) {
    InvalidateRect(Handle(2), nullptr, TRUE);
    Call(keyword, {1, 50, 30});
    EXPECT_FALSE(GetUpdateRect(Handle(2), nullptr, FALSE)) << keyword;
  }
}

TEST_F(Properties, AbsolutePlaceIsMeasuredFromTheHostWindowsOuterCorner) {
  Button(1);
  ParentWindow(2);
  Button(3);
  Call("CREATE WITHOUT PARENT");
  Call("CREATE GADGET WINDOW", {4, 4, "top-level", 0});
  RECT outer;
  GetWindowRect(host().window(), &outer);
  for (int n : {1, 3, 4}) {
    SCOPED_TRACE(n);
    for (auto [left, top] : std::vector<std::pair<int, int>>{{0, 0}, {30, 45}}) {
      Call("POSITION GADGET ABS", {n, left, top});
      RECT gadget;
      GetWindowRect(Handle(n), &gadget);
      EXPECT_EQ(gadget.left - outer.left, left);
      EXPECT_EQ(gadget.top - outer.top, top);
      EXPECT_EQ(Call("GADGET ABS LEFT[", {n}), left);
      EXPECT_EQ(Call("GADGET ABS TOP[", {n}), top);
    }
  }
  ExpectNoBoxes();
}

TEST_F(Properties, PlaceAndSizeOfAMissingGadgetAreReportedAndZero) {
  for (const char* keyword : {"GADGET WIDTH[", "GADGET HEIGHT[", "GADGET TOP[", "GADGET LEFT[", "GADGET ABS LEFT[",
                              "GADGET ABS TOP[", "GADGET VISIBLE[", "GADGET CHECKED[", "GADGET HANDLE["}) {
    EXPECT_EQ(Call(keyword, {7}), 0) << keyword;
    ExpectMissing(7);
  }
  for (const char* keyword : {"POSITION GADGET", "POSITION GADGET ABS", "RESIZE GADGET"}) {
    Call(keyword, {7, 1, 2});
    ExpectMissing(7);
  }
  for (const char* keyword : {"SHOW GADGET", "HIDE GADGET", "ENABLE GADGET", "DISABLE GADGET",
                              "BRING GADGET TO FRONT", "SEND GADGET TO BACK", "ACTIVATE GADGET", "LOCK GADGET",
                              "UNLOCK GADGET"}) {
    Call(keyword, {-2});
    ExpectMissing(-2);
  }
  Call("ALIGN GADGET", {4097, 1});
  ExpectMissing(4097);
  Call("CHECK GADGET", {0, 1});
  ExpectMissing(0);
}

class WithoutHost : public GadgetTest {};

TEST_F(WithoutHost, AbsolutePlaceNeedsAHostWindow) {
  CreateGadget(1, 6);  // only a window gadget can be made before SETUP GUI
  ASSERT_EQ(Call("GADGET EXISTS[", {1}), 1);
  RECT before;
  GetWindowRect(Handle(1), &before);
  Call("POSITION GADGET ABS", {1, 5, 5});
  RECT after;
  GetWindowRect(Handle(1), &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_EQ(Call("GADGET ABS LEFT[", {1}), 0);
  EXPECT_EQ(Call("GADGET ABS TOP[", {1}), 0);
  ExpectNoBoxes();
  Call("DELETE GADGET", {1});
}

// ---- docking ----

// Docking on the host window follows its size in every GUI mode.
class DockingOnHost : public GadgetTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui(GetParam());
  }
  void ResizeHost(int width, int height) {
    SetWindowPos(host().window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    dbp::Pump();
  }
  RECT Client() {
    RECT r;
    GetClientRect(host().window(), &r);
    return r;
  }
};

TEST_P(DockingOnHost, SidesAreLaidOutTopAndBottomFirstAndClientLast) {
  // Made in an order that a layout by creation order would get wrong.
  const int client = 1, left = 2, right = 3, top = 4, bottom = 5;
  for (int n = 1; n <= 5; ++n) {
    Call("CREATE GADGET PANEL", {n, 0});
    Call("SET GADGET", {n, 5, 5, 40, 30});
  }
  Call("ALIGN GADGET", {client, 1});
  Call("ALIGN GADGET", {left, 4});
  Call("ALIGN GADGET", {right, 5});
  Call("ALIGN GADGET", {top, 2});
  Call("ALIGN GADGET", {bottom, 3});
  for (SIZE size : {SIZE{500, 400}, SIZE{420, 300}}) {
    ResizeHost(size.cx, size.cy);
    const RECT c = Client();
    SCOPED_TRACE(std::to_string(c.right) + "x" + std::to_string(c.bottom));
    auto expect = [&](int n, RECT want) {
      const RECT got = PlaceOf(Handle(n));
      EXPECT_TRUE(EqualRect(&got, &want)) << "gadget " << n << ": " << got.left << "," << got.top << "-" << got.right
                                          << "," << got.bottom;
    };
    expect(top, {0, 0, c.right, 30});
    expect(bottom, {0, c.bottom - 30, c.right, c.bottom});
    expect(left, {0, 30, 40, c.bottom - 30});
    expect(right, {c.right - 40, 30, c.right, c.bottom - 30});
    expect(client, {40, 30, c.right - 40, c.bottom - 30});
  }
  ExpectNoBoxes();
}

TEST_P(DockingOnHost, SideZeroFreesAtTheCurrentBoundsAndOtherValuesChangeNothing) {
  Call("CREATE GADGET PANEL", {1, 0});
  Call("SET GADGET", {1, 5, 5, 40, 30});
  Call("ALIGN GADGET", {1, 6});
  Call("ALIGN GADGET", {1, -1});
  ResizeHost(500, 400);
  RECT place = PlaceOf(Handle(1));
  EXPECT_EQ(place.left, 5);
  EXPECT_EQ(place.right - place.left, 40);

  Call("ALIGN GADGET", {1, 2});
  const RECT docked = PlaceOf(Handle(1));
  EXPECT_EQ(docked.right, Client().right);
  Call("ALIGN GADGET", {1, 0});
  ResizeHost(420, 300);
  place = PlaceOf(Handle(1));
  EXPECT_TRUE(EqualRect(&place, &docked));
  ExpectNoBoxes();
}

INSTANTIATE_TEST_SUITE_P(GuiModes, DockingOnHost, ::testing::Values(0, 1, 2));

TEST_F(Properties, DockedGadgetsFollowAGadgetParent) {
  ParentPanel(1);
  Call("CREATE GADGET BUTTON", {2, "top"});
  Call("CREATE GADGET LISTBOX", {3});
  Call("CREATE WITHOUT PARENT");
  Call("ALIGN GADGET", {2, 2});
  Call("ALIGN GADGET", {3, 1});
  Call("RESIZE GADGET", {1, 250, 150});
  RECT client;
  GetClientRect(Handle(1), &client);
  const RECT top = PlaceOf(Handle(2));
  const RECT rest = PlaceOf(Handle(3));
  EXPECT_EQ(top.right, client.right);
  EXPECT_EQ(top.top, 0);
  EXPECT_EQ(rest.top, top.bottom);
  EXPECT_EQ(rest.right, client.right);
  EXPECT_EQ(rest.bottom, client.bottom);
  // A docked gadget moved by the script goes back to its side.
  Call("POSITION GADGET", {2, 40, 60});
  EXPECT_EQ(PlaceOf(Handle(2)).left, 0);
  EXPECT_EQ(PlaceOf(Handle(2)).top, 0);
}

// ---- scrolling and painting ----

TEST_F(Properties, ScrollMovesTheChildrenOfAGadget) {
  ParentPanel(1);
  Button(2);
  Call("POSITION GADGET", {2, 10, 10});
  Call("CREATE WITHOUT PARENT");
  Call("SCROLL GADGET", {1, 5, 7});
  EXPECT_EQ(Call("GADGET LEFT[", {2}), 15);
  EXPECT_EQ(Call("GADGET TOP[", {2}), 17);
  // Hidden, the children still go where the scroll takes them.
  Call("HIDE GADGET", {1});
  Call("SCROLL GADGET", {1, -15, -17});
  EXPECT_EQ(Call("GADGET LEFT[", {2}), 0);
  EXPECT_EQ(Call("GADGET TOP[", {2}), 0);
  ExpectNoBoxes();
}

TEST_F(Properties, ScrollAndPaintIgnoreMissingNumbersSilently) {
  Call("SCROLL GADGET", {3, 1, 1});
  Call("PAINT GADGET", {3});
  Call("PAINT GADGET", {0});
  ExpectNoBoxes();
}

TEST_F(Properties, PaintRepaintsTheGadgetAtOnce) {
  Button(1);
  dbp::Pump();
  InvalidateRect(Handle(1), nullptr, TRUE);
  Call("PAINT GADGET", {1});
  EXPECT_FALSE(GetUpdateRect(Handle(1), nullptr, FALSE));
}

// ---- visibility, state and order ----

TEST_F(Properties, VisibleIsTheGadgetsOwnFlag) {
  Call("CREATE HIDDEN");
  Button(1);
  Call("CREATE VISIBLE");
  EXPECT_EQ(Call("GADGET VISIBLE[", {1}), 0);
  EXPECT_FALSE(IsWindowVisible(Handle(1)));
  Call("SHOW GADGET", {1});
  EXPECT_EQ(Call("GADGET VISIBLE[", {1}), 1);
  EXPECT_TRUE(IsWindowVisible(Handle(1)));
  Call("HIDE GADGET", {1});
  EXPECT_EQ(Call("GADGET VISIBLE[", {1}), 0);

  ParentPanel(2);
  Button(3);
  Call("HIDE GADGET", {2});
  EXPECT_EQ(Call("GADGET VISIBLE[", {3}), 1);  // a hidden parent does not change the answer
  EXPECT_FALSE(IsWindowVisible(Handle(3)));
  ExpectNoBoxes();
}

TEST_F(Properties, EnableAndDisable) {
  Button(1);
  Call("DISABLE GADGET", {1});
  EXPECT_FALSE(IsWindowEnabled(Handle(1)));
  Call("ENABLE GADGET", {1});
  EXPECT_TRUE(IsWindowEnabled(Handle(1)));
}

// The gadget windows among a parent's children, front first.
std::vector<HWND> ZOrder(HWND parent) {
  std::vector<HWND> order;
  for (HWND w = GetWindow(parent, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) order.push_back(w);
  return order;
}

TEST_F(Properties, FrontAndBackReorderSiblings) {
  ParentPanel(10);
  for (int n = 1; n <= 3; ++n) Button(n);
  const HWND h1 = Handle(1), h2 = Handle(2), h3 = Handle(3);
  EXPECT_EQ(ZOrder(Handle(10)), std::vector<HWND>({h3, h2, h1}));  // newest in front
  Call("BRING GADGET TO FRONT", {1});
  EXPECT_EQ(ZOrder(Handle(10)), std::vector<HWND>({h1, h3, h2}));
  Call("SEND GADGET TO BACK", {3});
  EXPECT_EQ(ZOrder(Handle(10)), std::vector<HWND>({h1, h2, h3}));
  EXPECT_EQ(GetWindow(h3, GW_HWNDNEXT), nullptr);
  ExpectNoBoxes();
}

TEST_F(Properties, FrontAndBackOfATopLevelWindowGadget) {
  Call("CREATE GADGET WINDOW", {1, 4, "one", 0});
  Call("CREATE GADGET WINDOW", {2, 4, "two", 0});
  Call("BRING GADGET TO FRONT", {1});
  EXPECT_EQ(GetWindow(Handle(1), GW_HWNDNEXT) != nullptr, true);
  bool twoBehindOne = false;
  for (HWND w = GetWindow(Handle(1), GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) twoBehindOne |= w == Handle(2);
  EXPECT_TRUE(twoBehindOne);
  Call("SEND GADGET TO BACK", {1});
  bool oneBehindTwo = false;
  for (HWND w = GetWindow(Handle(2), GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) oneBehindTwo |= w == Handle(1);
  EXPECT_TRUE(oneBehindTwo);
}

// ---- focus ----

TEST_F(Properties, ActivateFocusesGadgetsWhereverTheyLive) {
  Call("CREATE GADGET EDIT", {1});
  ParentPanel(2);
  Call("CREATE GADGET EDIT", {3});
  Call("CREATE WITHOUT PARENT");
  ParentWindow(4);
  Call("CREATE GADGET EDIT", {5});
  Call("CREATE WITHOUT PARENT");
  for (int n : {1, 3, 5, 4}) {
    Call("ACTIVATE GADGET", {n});
    EXPECT_EQ(GetFocus(), Handle(n)) << n;
  }
  Call("CREATE GADGET WINDOW", {6, 4, "top-level", 0});
  Call("ACTIVATE GADGET", {1});
  Call("ACTIVATE GADGET", {6});
  EXPECT_EQ(GetActiveWindow(), Handle(6));
  EXPECT_EQ(GetFocus(), Handle(6));
  ExpectNoBoxes();
}

TEST_F(Properties, ActivateLeavesAloneWhatCannotTakeTheFocus) {
  Call("CREATE GADGET EDIT", {1});
  ParentWindow(2);
  Call("CREATE GADGET EDIT", {3});
  Call("CREATE GADGET EDIT", {4});
  Call("CREATE WITHOUT PARENT");
  Call("CREATE GADGET EDIT", {5});

  Call("DISABLE GADGET", {3});  // disabled, inside a window gadget
  Call("HIDE GADGET", {5});     // hidden, on the host window
  for (int n : {3, 5}) {
    Call("ACTIVATE GADGET", {1});
    Call("ACTIVATE GADGET", {n});
    EXPECT_EQ(GetFocus(), Handle(1)) << n;
  }
  // An enabled, shown control inside a disabled or hidden window gadget.
  Call("DISABLE GADGET", {2});
  Call("ACTIVATE GADGET", {4});
  EXPECT_EQ(GetFocus(), Handle(1));
  Call("ENABLE GADGET", {2});
  Call("HIDE GADGET", {2});
  Call("ACTIVATE GADGET", {4});
  EXPECT_EQ(GetFocus(), Handle(1));
  Call("SHOW GADGET", {2});
  Call("ACTIVATE GADGET", {4});
  EXPECT_EQ(GetFocus(), Handle(4));
  ExpectNoBoxes();
}

// ---- check marks ----

TEST_F(Properties, CheckMarksOfCheckBoxesAndRadioButtons) {
  Call("CREATE GADGET CHECKBOX", {1, "c"});
  Call("CREATE GADGET RADIOBUTTON", {2, "r"});
  for (int n : {1, 2}) {
    SCOPED_TRACE(n);
    for (auto [state, checked] : std::vector<std::pair<int, int>>{{1, 1}, {2, 0}, {1, 1}, {0, 0}, {1, 1}, {-1, 0}}) {
      Call("CHECK GADGET", {n, state});
      EXPECT_EQ(Call("GADGET CHECKED[", {n}), checked) << state;
      EXPECT_EQ(SendMessageA(Handle(n), BM_GETCHECK, 0, 0), checked ? BST_CHECKED : BST_UNCHECKED) << state;
    }
  }
  // A greyed check box counts as unchecked.
  SetWindowLongPtrA(Handle(1), GWL_STYLE, (StyleOf(Handle(1)) & ~BS_TYPEMASK) | BS_3STATE);
  SendMessageA(Handle(1), BM_SETCHECK, BST_INDETERMINATE, 0);
  ASSERT_EQ(SendMessageA(Handle(1), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
  EXPECT_EQ(Call("GADGET CHECKED[", {1}), 0);
  // Other classes: nothing.
  Button(3);
  Call("CHECK GADGET", {3, 1});
  EXPECT_EQ(Call("GADGET CHECKED[", {3}), 0);
  EXPECT_EQ(SendMessageA(Handle(3), BM_GETSTATE, 0, 0) & BST_CHECKED, 0);
  ExpectNoBoxes();
}

TEST_F(Properties, CheckingARadioButtonUnchecksItsSiblingsOnly) {
  ParentPanel(10);
  for (int n = 1; n <= 3; ++n) Call("CREATE GADGET RADIOBUTTON", {n, "r"});
  Call("CREATE GADGET CHECKBOX", {4, "c"});
  Call("CREATE WITHOUT PARENT");
  Call("CREATE GADGET RADIOBUTTON", {5, "elsewhere"});
  Call("CHECK GADGET", {4, 1});
  Call("CHECK GADGET", {5, 1});
  Call("CHECK GADGET", {1, 1});
  Call("CHECK GADGET", {2, 1});
  EXPECT_EQ(Call("GADGET CHECKED[", {1}), 0);
  EXPECT_EQ(Call("GADGET CHECKED[", {2}), 1);
  EXPECT_EQ(Call("GADGET CHECKED[", {3}), 0);
  EXPECT_EQ(Call("GADGET CHECKED[", {4}), 1);
  EXPECT_EQ(Call("GADGET CHECKED[", {5}), 1);
}

// ---- locking ----

TEST_F(Properties, LockMakesAnEditReadOnlyAndLeavesTextAreasAlone) {
  Call("CREATE GADGET EDIT", {1});
  Call("CREATE GADGET TEXTAREA", {2});
  Call("CREATE GADGET RICHEDIT", {3});
  Call("LOCK GADGET", {1});
  EXPECT_EQ(StyleOf(Handle(1)) & ES_READONLY, ES_READONLY);
  Call("UNLOCK GADGET", {1});
  EXPECT_EQ(StyleOf(Handle(1)) & ES_READONLY, 0);
  for (int n : {2, 3}) {
    Call("LOCK GADGET", {n});
    EXPECT_EQ(StyleOf(Handle(n)) & ES_READONLY, 0) << n;
  }
  ExpectNoBoxes();
}

TEST_F(Properties, ComboBoxListDropsWithRoomForItsItemsWhateverItsSize) {
  ParentPanel(10);
  Call("CREATE GADGET COMBOBOX", {2});
  Call("CREATE WITHOUT PARENT");
  const HWND combo = Handle(2);
  const int itemHeight = static_cast<int>(SendMessageA(combo, CB_GETITEMHEIGHT, 0, 0));
  auto droppedListHeight = [&] {
    RECT dropped{}, closed{};
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    GetWindowRect(combo, &closed);
    return (dropped.bottom - dropped.top) - (closed.bottom - closed.top);
  };
  EXPECT_GE(droppedListHeight(), 5 * itemHeight);
  const int closedHeight = Call("GADGET HEIGHT[", {2});
  Call("RESIZE GADGET", {2, 200, closedHeight});
  EXPECT_EQ(Call("GADGET WIDTH[", {2}), 200);
  EXPECT_EQ(Call("GADGET HEIGHT[", {2}), closedHeight);
  EXPECT_GE(droppedListHeight(), 5 * itemHeight);
}

// A combo box on a panel with neighbours before and after it in the z-order.
class ComboLocking : public Properties {
 protected:
  void SetUp() override {
    Properties::SetUp();
    ParentPanel(10);
    Button(1, "behind");
    Call("CREATE GADGET COMBOBOX", {2});
    Button(3, "in front");
    Call("CREATE WITHOUT PARENT");
    Call("POSITION GADGET", {2, 12, 14});
    combo_ = Handle(2);
    // Made as tall as when dropped: a list of its own height below the closed part.
    SetWindowPos(combo_, nullptr, 0, 0, 160, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const char* item : {"alpha", "beta", "gamma"}) {
      SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    SendMessageA(combo_, CB_SETITEMDATA, 1, 0xBEEF);
    SendMessageA(combo_, CB_SETCURSEL, 1, 0);
  }
  LONG_PTR DropType(HWND combo) { return StyleOf(combo) & (CBS_DROPDOWN | CBS_DROPDOWNLIST); }
  HWND combo_ = nullptr;
};

TEST_F(ComboLocking, LockRemakesTheComboAsAListKeepingEverything) {
  const RECT place = PlaceOf(combo_);
  RECT dropped;
  SendMessageA(combo_, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  const LRESULT font = SendMessageA(combo_, WM_GETFONT, 0, 0);

  Call("LOCK GADGET", {2});
  const HWND locked = Handle(2);
  ASSERT_NE(locked, combo_);
  EXPECT_FALSE(IsWindow(combo_));
  EXPECT_EQ(DropType(locked), CBS_DROPDOWNLIST);
  EXPECT_EQ(SendMessageA(locked, CB_GETCOUNT, 0, 0), 3);
  char item[16] = {};
  SendMessageA(locked, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, "gamma");
  EXPECT_EQ(SendMessageA(locked, CB_GETITEMDATA, 1, 0), 0xBEEF);
  EXPECT_EQ(SendMessageA(locked, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(CallS("GET GADGET TEXT[", {2}), "beta");
  EXPECT_EQ(SendMessageA(locked, WM_GETFONT, 0, 0), font);
  const RECT now = PlaceOf(locked);
  EXPECT_TRUE(EqualRect(&now, &place));
  RECT droppedNow;
  SendMessageA(locked, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&droppedNow));
  EXPECT_GT(dropped.bottom - dropped.top, 80);
  EXPECT_EQ(droppedNow.bottom - droppedNow.top, dropped.bottom - dropped.top);
  EXPECT_EQ(GetParent(locked), Handle(10));
  EXPECT_TRUE(IsWindowVisible(locked));
  EXPECT_EQ(GetWindow(Handle(3), GW_HWNDNEXT), locked);  // z-order kept between its neighbours
  EXPECT_EQ(GetWindow(locked, GW_HWNDNEXT), Handle(1));

  // Still the gadget: routed through the shared procedure, its clicks count.
  EXPECT_EQ(GetWindowLongPtrA(locked, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(host().Export("PMsg")));
  PostMessageA(locked, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageA(locked, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  dbp::Pump(50);
  SendMessageA(locked, CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_EQ(Call("GADGET CLICKED["), 2);

  Call("LOCK GADGET", {2});  // already a list: the window stays
  EXPECT_EQ(Handle(2), locked);
  ExpectNoBoxes();
}

TEST_F(ComboLocking, UnlockGivesBackTypingWithTheTextKept) {
  Call("UNLOCK GADGET", {2});  // never locked: already a drop-down, nothing to remake
  EXPECT_EQ(Handle(2), combo_);
  EXPECT_EQ(DropType(combo_), CBS_DROPDOWN);

  Call("LOCK GADGET", {2});
  Call("UNLOCK GADGET", {2});
  const HWND unlocked = Handle(2);
  EXPECT_NE(unlocked, combo_);
  EXPECT_EQ(DropType(unlocked), CBS_DROPDOWN);
  EXPECT_EQ(SendMessageA(unlocked, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageA(unlocked, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(CallS("GET GADGET TEXT[", {2}), "beta");
  Call("SET GADGET TEXT", {2, "typed"});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {2}), "typed");
  // A typed text that is no item gives way to the selection in a list.
  Call("LOCK GADGET", {2});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {2}), "beta");
  ExpectNoBoxes();
}

TEST_F(ComboLocking, RemadeComboIsDeletedCleanly) {
  Call("LOCK GADGET", {2});
  const HWND locked = Handle(2);
  Call("DELETE GADGET", {2});
  EXPECT_FALSE(IsWindow(locked));
  EXPECT_EQ(Call("GADGET EXISTS[", {2}), 0);
  ExpectNoBoxes();
}

}  // namespace
