// Making gadgets: the kinds, the creation switches, placement and SET PARENT GADGET.
#include <windows.h>

#include <richedit.h>

#include <string>

#include "gadget_test.h"

namespace {

class Creation : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui(0);
  }
  bool Exists(int n) { return Call("GADGET EXISTS[", {n}) == 1; }
  // A panel to hold the kinds that need a creation parent.
  void HolderPanel(int n) {
    CreateGadget(n, 3);
    SetWindowPos(Handle(n), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  }
};

TEST_F(Creation, EveryKindMakesItsWindow) {
  constexpr int kAny = -1;
  struct Case {
    int kind;
    const char* windowClass;
    int buttonType;  // BS_ type of BUTTON windows
    SIZE size;       // as made
  };
  const Case cases[] = {
      {1, "Button", BS_PUSHBUTTON, {75, 25}},
      {2, "Edit", kAny, {121, 21}},
      {3, "GadgetryPanel", kAny, {185, 41}},
      {4, "Static", kAny, {65, 17}},
      {5, "ListBox", kAny, {121, 97}},
      {6, "GadgetryForm", kAny, {320, 240}},
      {7, "Button", BS_CHECKBOX, {97, 17}},
      {8, "Button", BS_PUSHBUTTON, {75, 25}},
      {9, "SysTabControl32", kAny, {289, 193}},
      {10, "msctls_progress32", kAny, {150, 16}},
      {13, "SysListView32", kAny, {250, 150}},
      {14, "ComboBox", kAny, {145, kAny}},  // the system sets a combo box's height from its font
      {15, "SysTreeView32", kAny, {121, 97}},
      {16, "Edit", kAny, {185, 89}},
      {17, "ScrollBar", kAny, {121, GetSystemMetrics(SM_CYHSCROLL)}},
      {18, "GadgetryPanel", kAny, {185, 41}},
      {19, "GadgetryControl", kAny, {0, 0}},
      {23, "Button", BS_GROUPBOX, {185, 105}},
      {24, "Button", BS_RADIOBUTTON, {113, 17}},
      {26, "RichEdit20A", kAny, {185, 89}},
  };
  HolderPanel(100);
  const LONG_PTR pmsg = reinterpret_cast<LONG_PTR>(host().Export("PMsg"));
  const HGDIOBJ guiFont = GetStockObject(DEFAULT_GUI_FONT);
  for (const Case& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind));
    const bool needsParent = c.kind == 14 || c.kind == 17;
    if (needsParent) Call("CREATE WITH PARENT", {100});
    CreateGadget(c.kind, c.kind);
    Call("CREATE WITHOUT PARENT");
    ASSERT_TRUE(Exists(c.kind));
    const HWND window = Handle(c.kind);
    EXPECT_EQ(ParentOf(window), needsParent ? Handle(100) : host().window());
    EXPECT_EQ(lstrcmpiA(ClassOf(window).c_str(), c.windowClass), 0) << ClassOf(window);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    if (c.buttonType != kAny) {
      EXPECT_EQ(style & BS_TYPEMASK, c.buttonType);
    }
    if (c.kind == 2 || c.kind == 16) {
      EXPECT_EQ((style & ES_MULTILINE) != 0, c.kind == 16);
    }
    const SIZE size = SizeOf(window);
    EXPECT_EQ(size.cx, c.size.cx);
    if (c.size.cy != kAny) {
      EXPECT_EQ(size.cy, c.size.cy);
    }
    if (c.kind == 26) {  // a rich edit answers no WM_GETFONT: its default character format tells
      CHARFORMATA format{};
      format.cbSize = sizeof format;
      SendMessageA(window, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
      LOGFONTA font{};
      GetObjectA(guiFont, sizeof font, &font);
      EXPECT_STREQ(format.szFaceName, font.lfFaceName);
    } else if (c.kind != 17 && c.kind != 19) {  // neither shows text
      EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)), guiFont);
    }
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), pmsg);
    EXPECT_TRUE(IsWindowVisible(window));
  }
  ExpectNoBoxes();
}

TEST_F(Creation, BarsDockAlongTheirParent) {
  HolderPanel(100);
  for (int holder : {0, 100}) {
    SCOPED_TRACE(holder ? "inside a panel" : "on the host window");
    if (holder) Call("CREATE WITH PARENT", {holder});
    const int status = holder + 11, tool = holder + 12;
    CreateGadget(status, 11);
    CreateGadget(tool, 12);
    Call("CREATE WITHOUT PARENT");
    const HWND parent = holder ? Handle(holder) : host().window();
    RECT client;
    GetClientRect(parent, &client);
    EXPECT_EQ(lstrcmpiA(ClassOf(Handle(status)).c_str(), "msctls_statusbar32"), 0);
    EXPECT_EQ(lstrcmpiA(ClassOf(Handle(tool)).c_str(), "ToolbarWindow32"), 0);
    const RECT bar = PlaceOf(Handle(status));
    EXPECT_EQ(bar.left, 0);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(bar.bottom, client.bottom);
    const RECT top = PlaceOf(Handle(tool));
    EXPECT_EQ(top.left, 0);
    EXPECT_EQ(top.right, client.right);
    EXPECT_EQ(top.top, 0);
    EXPECT_GT(top.bottom, 0);
  }
}

TEST_F(Creation, KindsWithoutTheirComponentMakeNothing) {
  for (int kind : {20, 21, 22, 25}) {
    CreateGadget(kind, kind);
    EXPECT_FALSE(Exists(kind)) << kind;
  }
  ExpectNoBoxes();
  EXPECT_EQ(Call("FREE GADGET["), 1);
}

TEST_F(Creation, BadNumbersAndKindsAreIgnoredSilently) {
  Call("CREATE GADGET BUTTON", {3, "old"});
  const HWND old = Handle(3);
  struct Case {
    int n, kind;
  };
  for (Case c : {Case{5, 0}, Case{5, 27}, Case{5, -1}, Case{0, 1}, Case{4097, 1}, Case{-2, 1}, Case{3, 5}}) {
    CreateGadget(c.n, c.kind);
    EXPECT_FALSE(Exists(5));
    EXPECT_FALSE(Exists(4097));
  }
  ExpectNoBoxes();
  EXPECT_EQ(Handle(3), old);
  EXPECT_EQ(lstrcmpiA(ClassOf(old).c_str(), "Button"), 0);
  EXPECT_EQ(Call("FREE GADGET["), 1);
}

TEST_F(Creation, ComboAndScrollBarNeedACreationParent) {
  struct Case {
    const char* keyword;
    const char* text;
  };
  for (Case c : {Case{"CREATE GADGET COMBOBOX", "Combobox must be created with a parent."},
                 Case{"CREATE GADGET SCROLLBAR", "ScrollBar must be created with a parent."}}) {
    Call(c.keyword, {5});
    ExpectGuiErrors({c.text});
    EXPECT_FALSE(Exists(5));
  }
}

TEST_F(Creation, CreationParentHoldsNewGadgetsUntilReset) {
  HolderPanel(1);
  Call("CREATE WITH PARENT", {1});
  CreateGadget(2, 1);
  EXPECT_EQ(ParentOf(Handle(2)), Handle(1));
  Call("CREATE WITH PARENT", {50});  // reported; the creation parent stays
  ExpectMissing(50);
  CreateGadget(3, 1);
  EXPECT_EQ(ParentOf(Handle(3)), Handle(1));
  Call("CREATE WITHOUT PARENT");
  CreateGadget(4, 1);
  EXPECT_EQ(ParentOf(Handle(4)), host().window());
}

TEST_F(Creation, DeletingTheCreationParentMakesLaterGadgetsParentless) {
  HolderPanel(1);
  Call("CREATE WITH PARENT", {1});
  Call("DELETE GADGET", {1});
  CreateGadget(2, 1);
  EXPECT_EQ(ParentOf(Handle(2)), host().window());
  Call("CREATE GADGET COMBOBOX", {3});  // no parent any more
  ExpectGuiErrors({"Combobox must be created with a parent."});
}

TEST_F(Creation, HiddenCreationKeepsNewGadgetsHidden) {
  Call("CREATE HIDDEN");
  CreateGadget(1, 1);
  CreateGadget(2, 6);
  EXPECT_TRUE(Exists(1));
  EXPECT_FALSE(IsWindowVisible(Handle(1)));
  EXPECT_FALSE(IsWindowVisible(Handle(2)));
  Call("SHOW ALL GADGETS");
  EXPECT_TRUE(IsWindowVisible(Handle(1)));
  Call("CREATE VISIBLE");
  CreateGadget(3, 1);
  EXPECT_TRUE(IsWindowVisible(Handle(3)));
}

TEST_F(Creation, NewGadgetsLieInFrontOfOlderSiblings) {
  HolderPanel(10);
  for (int holder : {0, 10}) {
    if (holder) Call("CREATE WITH PARENT", {holder});
    const HWND parent = holder ? Handle(holder) : host().window();
    for (int n = holder + 1; n <= holder + 3; ++n) {
      CreateGadget(n, n == holder + 2 ? 3 : 1);
      EXPECT_EQ(GetWindow(parent, GW_CHILD), Handle(n)) << n;
    }
    EXPECT_EQ(GetWindow(Handle(holder + 3), GW_HWNDNEXT), Handle(holder + 2));
    EXPECT_EQ(GetWindow(Handle(holder + 2), GW_HWNDNEXT), Handle(holder + 1));
    Call("CREATE WITHOUT PARENT");
  }
}

// ---------------------------------------------------------------------------------------------
// SET PARENT GADGET

TEST_F(Creation, SetParentGadgetReportsMissingGadgetsAndParents) {
  CreateGadget(9, 1);
  struct Case {
    int g, p, reported;
  };
  for (Case c : {Case{60, 0, 60}, Case{60, 1, 60}, Case{9, 50, 50}, Case{9, 5000, 5000}}) {
    Call("SET PARENT GADGET", {c.g, c.p});
    ExpectMissing(c.reported);
    EXPECT_EQ(ParentOf(Handle(9)), host().window());
  }
}

TEST_F(Creation, SetParentGadgetRefusesToPutAGadgetInsideItself) {
  HolderPanel(1);
  Call("CREATE WITH PARENT", {1});
  CreateGadget(2, 3);  // inside 1 as its control
  Call("CREATE WITHOUT PARENT");
  CreateGadget(3, 3);
  Call("SET PARENT GADGET", {3, 1});  // inside 1 as a window
  struct Case {
    int g, p;
  };
  for (Case c : {Case{1, 1}, Case{1, 2}, Case{1, 3}}) {
    Call("SET PARENT GADGET", {c.g, c.p});
    ExpectGuiErrors({"Gadget " + std::to_string(c.g) + " cannot be placed inside itself or a gadget it holds."});
    EXPECT_EQ(ParentOf(Handle(1)), host().window());
  }
}

TEST_F(Creation, GadgetsInsideACreationParentStayThere) {
  HolderPanel(1);
  CreateGadget(4, 3);
  Call("CREATE WITH PARENT", {1});
  CreateGadget(9, 1);
  Call("CREATE WITHOUT PARENT");
  Call("SET PARENT GADGET", {9, 4});
  EXPECT_EQ(ParentOf(Handle(9)), Handle(1));
  Call("SET PARENT GADGET", {9, 0});  // leaves its parent control for the host window
  EXPECT_EQ(ParentOf(Handle(9)), host().window());
  Call("SET PARENT GADGET", {9, 4});  // and can now move freely
  EXPECT_EQ(ParentOf(Handle(9)), Handle(4));
}

TEST_F(Creation, AMovedGadgetKeepsItsWindowAndItsEvents) {
  HolderPanel(4);
  Call("CREATE GADGET BUTTON", {9, "b"});
  const HWND window = Handle(9);
  for (int parent : {4, 0}) {
    SCOPED_TRACE("parent " + std::to_string(parent));
    Call("SET PARENT GADGET", {9, parent});
    EXPECT_EQ(ParentOf(window), parent ? Handle(4) : host().window());
    EXPECT_EQ(Handle(9), window);
    Call("GADGET CLICKED[");
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    dbp::Pump(30);
    EXPECT_EQ(Call("GADGET CLICKED["), 9);
  }
}

// ---------------------------------------------------------------------------------------------
// Gadgets die with the window that holds them

TEST_F(Creation, GadgetsMovedIntoAPanelGoWithIt) {
  HolderPanel(1);
  CreateGadget(2, 1);
  CreateGadget(3, 6);
  Call("SET PARENT GADGET", {2, 1});
  Call("SET PARENT GADGET", {3, 1});
  Call("DELETE GADGET", {1});
  EXPECT_FALSE(Exists(2));
  EXPECT_FALSE(Exists(3));
  EXPECT_EQ(Call("FREE GADGET["), 1);
  CreateGadget(2, 1);
  EXPECT_TRUE(Exists(2));
}

TEST_F(Creation, DestroyingTheHostWindowForgetsTheGadgetsOnIt) {
  HolderPanel(1);
  Call("CREATE WITH PARENT", {1});
  CreateGadget(2, 14);
  Call("CREATE WITHOUT PARENT");
  CreateGadget(3, 11);
  CreateGadget(4, 6);
  Call("SET DRAWING WINDOW", {4});
  DestroyWindow(host().window());
  dbp::Pump();
  for (int n : {1, 2, 3, 4}) EXPECT_FALSE(Exists(n)) << n;
  EXPECT_EQ(Call("FREE GADGET["), 1);
  // The library is unbound again: nothing is placed on the dead window.
  EXPECT_EQ(Call("DBP WINDOW WIDTH["), 0);
  Call("CREATE GADGET EDIT", {5});
  EXPECT_FALSE(Exists(5));
  boxOwner_ = nullptr;
  ExpectGuiErrors({"Gadget 5 cannot be created before SETUP GUI."});
}

TEST_F(Creation, TheCloseBoxHidesAWindowGadgetWithoutEndingIt) {
  for (int embed : {0, 1}) {
    const int n = 3 + embed;
    Call("CREATE GADGET WINDOW", {n, 0, "Tools", embed});
    const HWND form = Handle(n);
    ASSERT_EQ(ParentOf(form) == host().window(), embed == 1);
    SendMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    dbp::Pump();
    EXPECT_TRUE(IsWindow(form)) << embed;
    EXPECT_TRUE(Exists(n)) << embed;
    EXPECT_EQ(Call("GADGET VISIBLE[", {n}), 0) << embed;
    Call("SHOW GADGET", {n});
    EXPECT_TRUE(IsWindowVisible(form)) << embed;
    EXPECT_EQ(Handle(n), form);
  }
  ExpectNoBoxes();
}

}  // namespace
