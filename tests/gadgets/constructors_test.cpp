// The CREATE GADGET commands and SET GADGET, as a script drives them through the command table.
#include <algorithm>

#include "gadget_test.h"

namespace {


class Constructors : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui();
  }
  // A panel that combo boxes and scroll bars can be made inside.
  void WithParentPanel(int n) {
    Call("CREATE GADGET PANEL", {n, 0});
    Call("CREATE WITH PARENT", {n});
  }
};

struct Made {
  const char* keyword;
  bool captioned;  // takes a caption as its second argument
  const char* windowClass;
  LONG_PTR typeMask;  // style bits that make the kind, with their value
  LONG_PTR type;
};

TEST_F(Constructors, EachMakesItsKindOnTheHostWindowWithItsCaption) {
  const Made cases[] = {
      {"CREATE GADGET BUTTON", true, "Button", BS_TYPEMASK, BS_PUSHBUTTON},
      {"CREATE GADGET EDIT", false, "Edit", ES_MULTILINE, 0},
      {"CREATE GADGET LABEL", true, "Static", 0, 0},
      {"CREATE GADGET LISTBOX", false, "ListBox", 0, 0},
      {"CREATE GADGET CHECKBOX", true, "Button", BS_TYPEMASK, BS_CHECKBOX},
      {"CREATE GADGET TABS", false, "SysTabControl32", 0, 0},
      {"CREATE GADGET PROGRESSBAR", false, "msctls_progress32", 0, 0},
      {"CREATE GADGET STATUS", false, "msctls_statusbar32", 0, 0},
      {"CREATE GADGET TOOLBAR", false, "ToolbarWindow32", 0, 0},
      {"CREATE GADGET TREEVIEW", false, "SysTreeView32", 0, 0},
      {"CREATE GADGET TEXTAREA", false, "Edit", ES_MULTILINE, ES_MULTILINE},
      {"CREATE GADGET RADIOBUTTON", false, "Button", BS_TYPEMASK, BS_RADIOBUTTON},
      {"CREATE GADGET RADIOBUTTON", true, "Button", BS_TYPEMASK, BS_RADIOBUTTON},
      {"CREATE GADGET GROUPBOX", true, "Button", BS_TYPEMASK, BS_GROUPBOX},
      {"CREATE GADGET RICHEDIT", false, "RichEdit20A", 0, 0},
  };
  int n = 1;
  for (const Made& c : cases) {
    SCOPED_TRACE(std::string(c.keyword) + (c.captioned ? " with caption" : ""));
    if (c.captioned) {
      Call(c.keyword, {n, "Caption " + std::to_string(n)});
    } else {
      Call(c.keyword, {n});
    }
    ASSERT_EQ(Call("GADGET EXISTS[", {n}), 1);
    HWND window = Handle(n);
    EXPECT_EQ(ClassOf(window), c.windowClass);
    EXPECT_EQ(StyleOf(window) & c.typeMask, c.type);
    EXPECT_EQ(GetParent(window), host().window());
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(TextOf(window), c.captioned ? "Caption " + std::to_string(n) : "");
    ++n;
  }
  ExpectNoBoxes();
}

// Pixels of a panel's corner tell its outer bevel: a raised one starts with the highlight.
TEST_F(Constructors, OnlyFlatOneMakesAFlatPanel) {
  dbp::MoveMouse(1270, 1010);  // far from the panels: leaving one clears its bevel
  for (int flat : {0, 1, 2, -1}) {
    const int n = flat + 2;
    Call("CREATE GADGET PANEL", {n, flat});
    Call("POSITION GADGET", {n, 10 + 60 * n, 10});
    Call("RESIZE GADGET", {n, 50, 30});
  }
  dbp::Pump(50);
  for (auto [flat, raised] : std::vector<std::pair<int, bool>>{{0, true}, {1, false}, {2, true}, {-1, true}}) {
    RECT r;
    GetWindowRect(Handle(flat + 2), &r);
    EXPECT_EQ(dbp::ScreenPixel(r.left, r.top), GetSysColor(raised ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE))
        << "flat " << flat;
    EXPECT_EQ(dbp::ScreenPixel(r.left + 10, r.top + 10), GetSysColor(COLOR_BTNFACE)) << "flat " << flat;
  }
}

TEST_F(Constructors, OnlyBorderOneFramesALabelThatStillFitsItsText) {
  Call("CREATE GADGET LABEL", {1, "Some label text"});
  for (int border : {0, 1, 2}) Call("CREATE GADGET LABEL", {border + 2, "Some label text", border});
  const SIZE plain = SizeOf(Handle(1));
  for (int border : {0, 1, 2}) {
    HWND label = Handle(border + 2);
    EXPECT_EQ((StyleOf(label) & WS_BORDER) != 0, border == 1) << border;
    const SIZE size = SizeOf(label);
    const int frame = border == 1 ? 2 : 0;
    EXPECT_EQ(size.cx, plain.cx + frame) << border;
    EXPECT_EQ(size.cy, plain.cy + frame) << border;
    EXPECT_EQ(TextOf(label), "Some label text");
  }
  ExpectNoBoxes();
}

TEST_F(Constructors, ScrollBarIsVerticalWithASecondArgumentOfAnyValue) {
  WithParentPanel(1);
  Call("CREATE GADGET SCROLLBAR", {7});
  Call("CREATE GADGET SCROLLBAR", {8, 0});
  Call("CREATE GADGET SCROLLBAR", {9, 1});
  HWND horizontal = Handle(7);
  EXPECT_EQ(StyleOf(horizontal) & SBS_VERT, 0);
  const SIZE across = SizeOf(horizontal);
  EXPECT_GT(across.cx, across.cy);
  for (int n : {8, 9}) {
    HWND bar = Handle(n);
    EXPECT_EQ(StyleOf(bar) & SBS_VERT, SBS_VERT) << n;
    EXPECT_EQ(SizeOf(bar).cx, across.cy) << n;  // the horizontal bar turned on its corner
    EXPECT_EQ(SizeOf(bar).cy, across.cx) << n;
    EXPECT_EQ(GetParent(bar), Handle(1)) << n;
    EXPECT_TRUE(IsWindowVisible(bar)) << n;
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &info)) << n;
    EXPECT_GT(info.rcScrollBar.bottom - info.rcScrollBar.top, info.rcScrollBar.right - info.rcScrollBar.left);
  }
  // The bar made anew is still the gadget: routed through the shared procedure, found by its
  // window. (A click would run the bar's own tracking loop, which takes the release itself.)
  EXPECT_EQ(GetWindowLongPtrA(Handle(9), GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(host().Export("PMsg")));
  PostMessageA(Handle(9), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  dbp::Pump(20);
  EXPECT_EQ(Call("GADGET UNDER MOUSE["), 9);
  ExpectNoBoxes();
}

TEST_F(Constructors, ComboBoxAndScrollBarNeedACreationParent) {
  Call("CREATE GADGET COMBOBOX", {5});
  Call("CREATE GADGET SCROLLBAR", {6});
  Call("CREATE GADGET SCROLLBAR", {7, 1});
  ExpectGuiErrors({"Combobox must be created with a parent.", "ScrollBar must be created with a parent.",
                   "ScrollBar must be created with a parent."});
  for (int n : {5, 6, 7}) EXPECT_EQ(Call("GADGET EXISTS[", {n}), 0);
  WithParentPanel(1);
  Call("CREATE GADGET COMBOBOX", {5});
  EXPECT_EQ(ClassOf(Handle(5)), "ComboBox");
  EXPECT_EQ(GetParent(Handle(5)), Handle(1));
  ExpectNoBoxes();
}

struct Frame {
  int style;
  LONG_PTR present;  // style bits the window must have
  LONG_PTR absent;   // and must not have
  LONG_PTR exPresent;
};

TEST_F(Constructors, WindowIsATopLevelWindowFramedByStyleWithAllBoxes) {
  constexpr LONG_PTR kBoxes = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
  const Frame cases[] = {
      {0, WS_CAPTION | kBoxes, WS_THICKFRAME, 0},
      {1, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME, WS_EX_TOOLWINDOW},
      {2, WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, 0, WS_EX_TOOLWINDOW},
      {3, WS_CAPTION | WS_SYSMENU, WS_THICKFRAME, WS_EX_DLGMODALFRAME},
      {4, WS_CAPTION | WS_THICKFRAME | kBoxes, 0, 0},
      {5, 0, WS_CAPTION | WS_THICKFRAME | WS_BORDER, 0},
      {9, WS_CAPTION | WS_THICKFRAME | kBoxes, 0, 0},  // other values: sizeable, as made
      {-1, WS_CAPTION | WS_THICKFRAME | kBoxes, 0, 0},
  };
  int n = 1;
  for (const Frame& c : cases) {
    SCOPED_TRACE("style " + std::to_string(c.style));
    Call("CREATE GADGET WINDOW", {n, c.style, "Window " + std::to_string(n), 0});
    HWND window = Handle(n);
    EXPECT_EQ(StyleOf(window) & WS_CHILD, 0);
    EXPECT_EQ(GetAncestor(window, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(StyleOf(window) & c.present, c.present);
    EXPECT_EQ(StyleOf(window) & c.absent, 0);
    EXPECT_EQ(ExStyleOf(window) & c.exPresent, c.exPresent);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(TextOf(window), "Window " + std::to_string(n));
    ++n;
  }
  ExpectNoBoxes();
}

TEST_F(Constructors, EmbeddedWindowBecomesAChildOfTheHostWindow) {
  Call("CREATE GADGET WINDOW", {3, 5, "", 1});
  HWND window = Handle(3);
  EXPECT_EQ(GetParent(window), host().window());
  EXPECT_EQ(StyleOf(window) & WS_CHILD, WS_CHILD);
  EXPECT_EQ(StyleOf(window) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_TRUE(IsWindowVisible(window));
  // Only 1 embeds.
  Call("CREATE GADGET WINDOW", {4, 4, "w", 2});
  EXPECT_EQ(GetAncestor(Handle(4), GA_PARENT), GetDesktopWindow());
  ExpectNoBoxes();
}

TEST_F(Constructors, WindowInsideACreationParentStaysThereUnlessEmbedded) {
  WithParentPanel(1);
  Call("CREATE GADGET WINDOW", {2, 0, "inner", 0});
  EXPECT_EQ(GetParent(Handle(2)), Handle(1));
  EXPECT_EQ(StyleOf(Handle(2)) & WS_CHILD, WS_CHILD);
  Call("CREATE GADGET WINDOW", {3, 0, "moved", 1});
  EXPECT_EQ(GetParent(Handle(3)), host().window());
  ExpectNoBoxes();
}

TEST_F(Constructors, WindowMadeWhileHiddenCreationIsOnStaysHidden) {
  Call("CREATE HIDDEN");
  Call("CREATE GADGET WINDOW", {1, 4, "hidden", 0});
  EXPECT_FALSE(IsWindowVisible(Handle(1)));
  Call("SHOW GADGET", {1});
  EXPECT_TRUE(IsWindowVisible(Handle(1)));
}

TEST_F(Constructors, OverAnExistingGadgetOnlyTheCaptionStepActs) {
  Call("CREATE GADGET LABEL", {4, "label"});
  HWND label = Handle(4);
  Call("CREATE GADGET BUTTON", {4, "now this"});
  EXPECT_EQ(Handle(4), label);
  EXPECT_EQ(TextOf(label), "now this");

  Call("CREATE GADGET EDIT", {4});
  Call("CREATE GADGET PANEL", {4, 1});
  Call("CREATE GADGET WINDOW", {4, 0, "title", 1});
  EXPECT_EQ(GetParent(label), host().window());
  EXPECT_EQ(TextOf(label), "title");
  EXPECT_EQ(StyleOf(label) & WS_BORDER, 0);
  // The border step acts on whatever label the number holds.
  Call("CREATE GADGET LABEL", {4, "bordered", 1});
  EXPECT_EQ(StyleOf(label) & WS_BORDER, WS_BORDER);
  EXPECT_EQ(TextOf(label), "bordered");
  EXPECT_EQ(ClassOf(Handle(4)), "Static");
  ExpectNoBoxes();
}

TEST_F(Constructors, NumbersOutOfRangeMakeNothingAndTheCaptionStepReportsThem) {
  Call("CREATE GADGET BUTTON", {0, "zero"});
  ExpectMissing(0);
  Call("CREATE GADGET CHECKBOX", {4097, "too high"});
  ExpectMissing(4097);
  Call("CREATE GADGET WINDOW", {-3, 0, "negative", 1});
  ExpectMissing(-3);
  Call("CREATE GADGET LABEL", {0, "zero", 1});
  ExpectMissing(0);
  Call("CREATE GADGET EDIT", {0});
  Call("CREATE GADGET PANEL", {0, 1});
  ExpectNoBoxes();
  EXPECT_EQ(Call("FREE GADGET["), 1);
}

TEST_F(Constructors, NullCaptionIsAnEmptyText) {
  Call("CREATE GADGET BUTTON", {1, nullptr});
  Call("CREATE GADGET WINDOW", {2, 0, nullptr, 0});
  EXPECT_EQ(TextOf(Handle(1)), "");
  EXPECT_EQ(TextOf(Handle(2)), "");
  ExpectNoBoxes();
}

// What reaches a window, in order: where it went and how big it became.
std::vector<RECT> g_moves;
WNDPROC g_movedProc = nullptr;

LRESULT CALLBACK RecordMoves(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_WINDOWPOSCHANGED) {
    const auto* pos = reinterpret_cast<const WINDOWPOS*>(lparam);
    if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
      g_moves.push_back({pos->x, pos->y, pos->cx, pos->cy});
    }
  }
  return CallWindowProcA(g_movedProc, window, message, wparam, lparam);
}

TEST_F(Constructors, SetGadgetPlacesThenSizesInThatOrder) {
  Call("CREATE GADGET BUTTON", {9, "b"});
  Call("SET GADGET", {9, 1, 2, 75, 25});
  HWND button = Handle(9);
  g_moves.clear();
  g_movedProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordMoves)));
  Call("SET GADGET", {9, 10, 20, 100, 30});
  SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_movedProc));
  // Top, then left, then width, then height.
  const std::vector<std::vector<LONG>> expected = {{1, 20, 75, 25}, {10, 20, 75, 25}, {10, 20, 100, 25}, {10, 20, 100, 30}};
  ASSERT_EQ(g_moves.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::vector<LONG>({g_moves[i].left, g_moves[i].top, g_moves[i].right, g_moves[i].bottom}), expected[i])
        << "change " << i;
  }
  EXPECT_EQ(Call("GADGET LEFT[", {9}), 10);
  EXPECT_EQ(Call("GADGET TOP[", {9}), 20);
  EXPECT_EQ(Call("GADGET WIDTH[", {9}), 100);
  EXPECT_EQ(Call("GADGET HEIGHT[", {9}), 30);
  ExpectNoBoxes();
}

TEST_F(Constructors, SetGadgetOfAMissingNumberReportsItTwice) {
  Call("SET GADGET", {9, 10, 20, 100, 30});
  ExpectGuiErrors({"Gadget 9 does not exist.", "Gadget 9 does not exist."});
}

}  // namespace
