// Colours and styles: background colours, text alignment, window frames, transparency, bevels.
#include "gadget_test.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

bool UnderWine() { return GetProcAddress(GetModuleHandleA("ntdll"), "wine_get_version") != nullptr; }

// A window's area of the screen, captured once so that many pixels can be read.
class Shot {
 public:
  explicit Shot(HWND window) {
    GetWindowRect(window, &rect_);
    width_ = rect_.right - rect_.left;
    height_ = rect_.bottom - rect_.top;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height_, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, screen, rect_.left, rect_.top, SRCCOPY);
    GdiFlush();
    const auto* source = static_cast<const DWORD*>(bits);
    for (size_t i = 0; i < pixels_.size(); ++i) {
      const DWORD p = source[i];
      pixels_[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
  }

  int width() const { return width_; }
  int height() const { return height_; }
  // A pixel by its position in the window's outer rectangle.
  COLORREF At(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
  COLORREF Center() const { return At(width_ / 2, height_ / 2); }

  // The columns holding dark (text) pixels inside the margin; {-1, -1} for none.
  struct Span {
    int first, last;
    bool operator==(const Span&) const = default;
  };
  Span DarkColumns(int margin) const {
    int first = -1, last = -1;
    for (int y = margin; y < height_ - margin; ++y) {
      for (int x = margin; x < width_ - margin; ++x) {
        const COLORREF c = At(x, y);
        if (GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90) {
          if (first < 0 || x < first) first = x;
          last = std::max(last, x);
        }
      }
    }
    return {first, last};
  }

  int Count(COLORREF color) const { return static_cast<int>(std::count(pixels_.begin(), pixels_.end(), color)); }

 private:
  RECT rect_{};
  int width_ = 0, height_ = 0;
  std::vector<COLORREF> pixels_;
};

void Place(HWND window, int x, int y, int width, int height) {
  SetWindowPos(window, HWND_TOP, x, y, width, height, SWP_NOACTIVATE);
}


class ColorTest : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    dbp::MoveMouse(1010, 750);  // away from every gadget: a panel loses its outer bevel when left
  }

  // Makes a gadget of the kind on the current creation parent, placed and shown for pixels.
  HWND Make(int n, int kind, int x = 10, int y = 10, int width = 120, int height = 60) {
    CreateGadget(n, kind);
    HWND window = Handle(n);
    Place(window, x, y, width, height);
    dbp::Pump(100);
    return window;
  }
};

// ---- SET GADGET COLOR ----

// Where a label sits, and the GUI mode of the host window.
struct Placement {
  const char* name;
  int mode;       // -1: no SETUP GUI
  int holder;     // kind of the gadget holding the label; 0 for the host window
};

class LabelPlacementTest : public ColorTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(LabelPlacementTest, LabelStartsButtonFaceAndTakesItsColour) {
  const Placement& p = GetParam();
  if (p.mode >= 0) SetupGui(p.mode);
  if (p.holder) {
    HWND holder = Make(1, p.holder, 30, 30, 300, 200);
    if (p.mode < 0) SetWindowPos(holder, HWND_TOPMOST, 60, 60, 300, 200, SWP_NOACTIVATE);
    Call("CREATE WITH PARENT", {1});
  }
  Call("CREATE GADGET LABEL", {2, ""});
  HWND label = Handle(2);
  Place(label, 20, 20, 60, 20);
  dbp::Pump(100);
  EXPECT_EQ(Shot(label).Center(), GetSysColor(COLOR_BTNFACE));

  Call("SET GADGET COLOR", {2, 0xFF0000});
  dbp::Pump(100);
  const Shot shot(label);
  EXPECT_EQ(shot.Center(), kRed);
  EXPECT_EQ(shot.At(0, 0), kRed);
  EXPECT_EQ(shot.At(59, 19), kRed);
  ExpectNoBoxes();
}

INSTANTIATE_TEST_SUITE_P(Placements, LabelPlacementTest,
                         ::testing::Values(Placement{"HostMode0", 0, 0}, Placement{"HostMode1", 1, 0},
                                           Placement{"HostMode2", 2, 0}, Placement{"PanelMode0", 0, 3},
                                           Placement{"PanelMode1", 1, 3}, Placement{"ChildFormMode1", 1, 6},
                                           Placement{"ChildFormMode2", 2, 6}, Placement{"TopLevelForm", -1, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorTest, ScriptColoursReachTheControlInItsOwnOrder) {
  SetupGui();
  Call("CREATE GADGET LABEL", {1, ""});
  HWND label = Handle(1);
  Place(label, 20, 20, 40, 20);
  struct Case {
    DWORD script;
    COLORREF control;
  };
  const Case cases[] = {
      {0xFF0000, RGB(0xFF, 0, 0)},
      {0x00FF00, RGB(0, 0xFF, 0)},
      {0x0000FF, RGB(0, 0, 0xFF)},
      {0x123456, RGB(0x12, 0x34, 0x56)},
      {0xFF00000F, RGB(0, 0, 0x0F)},  // a system colour code: the top byte does not survive
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    Call("SET GADGET COLOR", {1, static_cast<unsigned long>(c.script)});
    dbp::Pump(50);
    EXPECT_EQ(Shot(label).Center(), c.control);
    // What the label gets when it asks its parent for colours.
    HDC dc = GetDC(label);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageA(host().window(), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(label)));
    LOGBRUSH info{};
    ASSERT_EQ(GetObjectA(brush, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.lbColor, c.control);
    EXPECT_EQ(GetBkColor(dc), c.control);
    ReleaseDC(label, dc);
  }
  ExpectNoBoxes();
}

// Each kind, coloured red: where its background shows, or that it keeps its look.
struct KindCase {
  const char* name;
  int kind;
  bool takesColour;
  bool needsParent;  // combo boxes and scroll bars are made inside a panel
};

class ColorByKindTest : public ColorTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ColorByKindTest, BackgroundTakesTheColourOnlyWhereTheClassHasOne) {
  const KindCase& c = GetParam();
  SetupGui();
  if (c.needsParent) {
    Make(1, 3, 0, 0, 400, 300);
    Call("CREATE WITH PARENT", {1});
  }
  HWND window = Make(2, c.kind);
  if (c.kind == 7 || c.kind == 24 || c.kind == 23) Call("SET GADGET TEXT", {2, "x"});
  dbp::Pump(100);
  const Shot before(window);

  Call("SET GADGET COLOR", {2, 0xFF0000});
  dbp::Pump(100);
  ExpectNoBoxes();
  const Shot after(window);
  if (c.takesColour) {
    EXPECT_GT(after.Count(kRed), 0);
    if (c.kind != 23) {
      EXPECT_GT(after.Count(kRed), after.width() * after.height() / 4) << "most of it red";
    }
  } else {
    EXPECT_EQ(after.Count(kRed), 0);
    EXPECT_EQ(after.Count(GetSysColor(COLOR_BTNFACE)), before.Count(GetSysColor(COLOR_BTNFACE)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ColorByKindTest,
    ::testing::Values(KindCase{"Button", 1, false, false}, KindCase{"Edit", 2, true, false},
                      KindCase{"Panel", 3, true, false}, KindCase{"Label", 4, true, false},
                      KindCase{"ListBox", 5, true, false}, KindCase{"Window", 6, true, false},
                      KindCase{"CheckBox", 7, true, false}, KindCase{"BitmapButton", 8, false, false},
                      KindCase{"Tabs", 9, true, false}, KindCase{"ProgressBar", 10, false, false},
                      KindCase{"StatusBar", 11, false, false}, KindCase{"ToolBar", 12, false, false},
                      KindCase{"Table", 13, true, false}, KindCase{"ComboBox", 14, true, true},
                      KindCase{"TreeView", 15, true, false}, KindCase{"TextArea", 16, true, false},
                      KindCase{"ScrollBar", 17, false, true}, KindCase{"FlatButton", 18, true, false},
                      KindCase{"GroupBox", 23, true, false}, KindCase{"RadioButton", 24, true, false},
                      KindCase{"RichEdit", 26, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorTest, TabStripPaintsItsBackgroundButKeepsItsTabs) {
  SetupGui();
  HWND tabs = Make(1, 9, 10, 10, 240, 160);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>("First");
  SendMessageA(tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  RECT tab{};
  SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
  dbp::Pump(100);
  const Shot before(tabs);
  Call("SET GADGET COLOR", {1, 0xFF0000});
  dbp::Pump(100);
  const Shot shot(tabs);
  EXPECT_EQ(shot.At(120, 100), kRed) << "the body";
  EXPECT_EQ(shot.At(tab.right + 20, tab.top + 3), kRed) << "beside the tabs";
  EXPECT_EQ(shot.At(tab.right - 4, tab.top + 4), before.At(tab.right - 4, tab.top + 4)) << "the tab itself";
  EXPECT_NE(before.At(tab.right - 4, tab.top + 4), kRed);
  ExpectNoBoxes();
}

TEST_F(ColorTest, ComboBoxColoursItsEditFieldAndItsList) {
  SetupGui();
  Make(1, 3, 0, 0, 400, 300);
  Call("CREATE WITH PARENT", {1});
  HWND combo = Make(2, 14, 10, 10, 150, 200);
  SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
  Call("SET GADGET COLOR", {2, 0x00FF00});
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
  dbp::Pump(150);
  EXPECT_EQ(Shot(info.hwndItem).Center(), RGB(0, 0xFF, 0));
  EXPECT_GT(Shot(info.hwndList).Count(RGB(0, 0xFF, 0)), 0);
  SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
  ExpectNoBoxes();
}

TEST_F(ColorTest, CommonControlsTakeTheColourThroughTheirOwnMessages) {
  SetupGui();
  CreateGadget(1, 15);
  CreateGadget(2, 13);
  Call("CREATE GADGET RICHEDIT", {3});
  for (int n = 1; n <= 3; ++n) Call("SET GADGET COLOR", {n, 0x102030});
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Handle(1), TVM_GETBKCOLOR, 0, 0)), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Handle(2), LVM_GETBKCOLOR, 0, 0)), RGB(0x10, 0x20, 0x30));
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Handle(2), LVM_GETTEXTBKCOLOR, 0, 0)), RGB(0x10, 0x20, 0x30));
  // The rich edit answers with the colour it had before.
  EXPECT_EQ(static_cast<COLORREF>(SendMessageA(Handle(3), EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3))),
            RGB(0x10, 0x20, 0x30));
  ExpectNoBoxes();
}

TEST_F(ColorTest, ColouringThousandsOfGadgetsLeaksNoBrush) {
  SetupGui();
  // GDI objects the system makes on first use (stock objects, caches of fonts and DCs) come
  // with the first gadgets: a warm-up round leaves only our own objects to count.
  const auto brushOf = [&](int n) {
    return reinterpret_cast<HBRUSH>(
        SendMessageA(host().window(), WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(Handle(n))));
  };
  auto round = [&](int count, std::vector<HBRUSH>* answered) {
    for (int n = 1; n <= count; ++n) {
      Call("CREATE GADGET LABEL", {n, ""});
      Call("SET GADGET COLOR", {n, 0xFF0000});
      const HBRUSH first = n % 100 == 0 ? brushOf(n) : nullptr;
      Call("SET GADGET COLOR", {n, 0x00FF00 + n});
      if (first) {
        EXPECT_EQ(GetObjectType(first), 0u) << "the replaced brush is freed";
        if (answered) answered->push_back(brushOf(n));
      }
    }
    DeleteAllGadgets();
    dbp::Pump();
  };
  round(100, nullptr);
  const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  std::vector<HBRUSH> answered;
  round(3000, &answered);
  const DWORD after = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  // The brushes the labels painted with are gone with them (6000 were made).
  ASSERT_EQ(answered.size(), 30u);
  for (HBRUSH brush : answered) {
    EXPECT_NE(brush, nullptr);
    EXPECT_EQ(GetObjectType(brush), 0u);
  }
  if (before == 0 && after == 0) {
    EXPECT_TRUE(UnderWine()) << "the system counts no GDI objects";
  } else {
    // A few objects may come and go with the system's caches; a leak would be thousands.
    EXPECT_LE(after, before + 10) << "before " << before << ", after " << after;
  }
  std::printf("GDI objects: before %lu, after %lu\n", before, after);
  ExpectNoBoxes();
}

// ---- ALIGN GADGET TEXT ----

struct AlignCase {
  const char* name;
  int kind;
  int margin;  // frame and padding outside the text area
};

class TextAlignTest : public ColorTest, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(TextAlignTest, TextMovesWithTheAlignment) {
  const AlignCase& c = GetParam();
  SetupGui();
  HWND window = Make(1, c.kind, 10, 10, 240, 40);
  Call("SET GADGET TEXT", {1, "mmm"});
  Place(window, 10, 10, 240, 40);
  dbp::Pump(100);
  const auto where = [&] {
    dbp::Pump(100);
    return Shot(Handle(1)).DarkColumns(c.margin);
  };
  const int width = 240;
  Call("ALIGN GADGET TEXT", {1, 2});
  auto right = where();
  ASSERT_GE(right.first, 0);
  EXPECT_GT(right.first, width / 2);
  Call("ALIGN GADGET TEXT", {1, 1});
  auto centre = where();
  EXPECT_NEAR((centre.first + centre.last) / 2, width / 2, 8);
  Call("ALIGN GADGET TEXT", {1, 3});
  EXPECT_EQ(where(), centre) << "3 is no alignment";
  Call("ALIGN GADGET TEXT", {1, -1});
  EXPECT_EQ(where(), centre);
  Call("ALIGN GADGET TEXT", {1, 0});
  auto left = where();
  EXPECT_LT(left.last, width / 2);
  EXPECT_NEAR(right.last - right.first, left.last - left.first, 1) << "the same text";
  ExpectNoBoxes();
}

INSTANTIATE_TEST_SUITE_P(Kinds, TextAlignTest,
                         ::testing::Values(AlignCase{"Label", 4, 0}, AlignCase{"Panel", 3, 2},
                                           AlignCase{"TextArea", 16, 3}, AlignCase{"RichEdit", 26, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ColorTest, LabelAlignmentIsItsStaticStyle) {
  SetupGui();
  Call("CREATE GADGET LABEL", {1, "text"});
  HWND label = Handle(1);
  const std::pair<int, LONG_PTR> cases[] = {{1, SS_CENTER}, {2, SS_RIGHT}, {3, SS_RIGHT}, {0, SS_LEFT}};
  for (const auto& [alignment, type] : cases) {
    Call("ALIGN GADGET TEXT", {1, alignment});
    EXPECT_EQ(StyleOf(label) & SS_TYPEMASK, type) << alignment;
    EXPECT_TRUE(StyleOf(label) & SS_NOTIFY);
  }
  EXPECT_EQ(Handle(1), label);
}

TEST_F(ColorTest, CheckMarkCaptionsGoLeftOnlyForLeftAlignment) {
  SetupGui();
  Call("CREATE GADGET CHECKBOX", {1, "check"});
  Call("CREATE GADGET RADIOBUTTON", {2, "radio"});
  const std::pair<int, bool> cases[] = {{0, true}, {3, true}, {1, false}, {0, true}, {2, false}};
  for (int n : {1, 2}) {
    HWND window = Handle(n);
    const LONG_PTR type = StyleOf(window) & BS_TYPEMASK;
    for (const auto& [alignment, leftText] : cases) {
      Call("ALIGN GADGET TEXT", {n, alignment});
      EXPECT_EQ((StyleOf(window) & BS_LEFTTEXT) != 0, leftText) << n << " / " << alignment;
      EXPECT_EQ(StyleOf(window) & BS_TYPEMASK, type);
    }
    EXPECT_EQ(Handle(n), window);
  }
  // The look: the caption starts at the left edge, or after the box.
  HWND check = Handle(1);
  Place(check, 10, 10, 200, 20);
  Call("ALIGN GADGET TEXT", {1, 0});
  dbp::Pump(100);
  EXPECT_LT(Shot(check).DarkColumns(0).first, 4) << "caption first";
  Call("ALIGN GADGET TEXT", {1, 1});
  dbp::Pump(100);
  EXPECT_GT(Shot(check).DarkColumns(0).first, 12) << "box first";
  ExpectNoBoxes();
}

TEST_F(ColorTest, TextAreaKeepsItsGadgetThroughRealignment) {
  SetupGui();
  Call("CREATE GADGET TEXTAREA", {1});
  Call("SET GADGET TEXT", {1, "first line\r\nsecond"});
  Call("SET GADGET COLOR", {1, 0xFF0000});
  HWND old = Handle(1);
  SendMessageA(old, EM_SETSEL, 3, 14);
  SendMessageA(old, EM_SETREADONLY, TRUE, 0);
  SendMessageA(old, EM_SETLIMITTEXT, 77, 0);
  const LONG_PTR style = StyleOf(old);

  Call("ALIGN GADGET TEXT", {1, 1});
  HWND memo = Handle(1);
  ASSERT_TRUE(IsWindow(memo));
  EXPECT_EQ(StyleOf(memo) & (ES_CENTER | ES_RIGHT), ES_CENTER);
  EXPECT_EQ(StyleOf(memo) & ~(ES_CENTER | ES_RIGHT), style & ~(ES_CENTER | ES_RIGHT));
  EXPECT_EQ(ExStyleOf(memo) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
  EXPECT_EQ(CallS("GET GADGET TEXT[", {1}), "first line\r\nsecond");
  DWORD start = 0, end = 0;
  SendMessageA(memo, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 3u);
  EXPECT_EQ(end, 14u);
  EXPECT_TRUE(StyleOf(memo) & ES_READONLY);
  EXPECT_EQ(SendMessageA(memo, EM_GETLIMITTEXT, 0, 0), 77);
  EXPECT_EQ(GetWindowLongPtrA(memo, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(host().Export("PMsg")));
  EXPECT_TRUE(IsWindowVisible(memo));
  EXPECT_EQ(GetParent(memo), host().window());
  dbp::Pump(100);
  EXPECT_GT(Shot(memo).Count(kRed), 100) << "the colour stays with the gadget";

  // The same alignment again keeps the window.
  Call("ALIGN GADGET TEXT", {1, 1});
  EXPECT_EQ(Handle(1), memo);
  Call("ALIGN GADGET TEXT", {1, 2});
  EXPECT_EQ(StyleOf(Handle(1)) & (ES_CENTER | ES_RIGHT), ES_RIGHT);
  Call("SET GADGET TEXT", {1, "after"});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {1}), "after");
  ExpectNoBoxes();
}

TEST_F(ColorTest, RichEditAlignsAllParagraphsAndLaterTyping) {
  SetupGui();
  Call("CREATE GADGET RICHEDIT", {1});
  HWND rich = Handle(1);
  Call("SET GADGET TEXT", {1, "one\r\ntwo\r\nthree"});
  SendMessageA(rich, EM_SETSEL, 1, 2);
  Call("ALIGN GADGET TEXT", {1, 2});
  const auto alignmentAt = [&](int position) {
    SendMessageA(rich, EM_SETSEL, position, position);
    PARAFORMAT format{};
    format.cbSize = sizeof format;
    SendMessageA(rich, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    return format.wAlignment;
  };
  CHARRANGE selection{};
  SendMessageA(rich, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(selection.cpMin, 1);
  EXPECT_EQ(selection.cpMax, 2);
  for (int position : {0, 5, 10}) EXPECT_EQ(alignmentAt(position), PFA_RIGHT) << position;

  // Typed at the end, in a new paragraph.
  SendMessageA(rich, EM_SETSEL, -1, -1);
  for (char key : std::string("\rfour")) SendMessageA(rich, WM_CHAR, static_cast<WPARAM>(key), 0);
  const int length = GetWindowTextLengthA(rich);
  EXPECT_EQ(alignmentAt(length), PFA_RIGHT);
  // A new text from the script keeps the alignment too.
  Call("SET GADGET TEXT", {1, "new\r\ntext"});
  for (int position : {0, 6}) EXPECT_EQ(alignmentAt(position), PFA_RIGHT) << position;
  Call("ALIGN GADGET TEXT", {1, 0});
  for (int position : {0, 6}) EXPECT_EQ(alignmentAt(position), PFA_LEFT) << position;
  EXPECT_EQ(Handle(1), rich);
  ExpectNoBoxes();
}

// ---- SET WINDOW STYLE, SET WINDOW ALPHA ----

TEST_F(ColorTest, WindowStyleSetsTheFrameInPlace) {
  SetupGui();
  CreateGadget(1, 6);
  HWND form = Handle(1);
  struct Case {
    int style;
    bool caption, thick, tool, dialog;
  };
  const Case cases[] = {
      {0, true, false, false, false},  {1, true, false, true, false}, {2, true, true, true, false},
      {3, true, false, false, true},   {4, true, true, false, false}, {5, false, false, false, false},
      {0, true, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    Call("SET WINDOW STYLE", {1, c.style});
    EXPECT_EQ((StyleOf(form) & WS_CAPTION) == WS_CAPTION, c.caption);
    EXPECT_EQ((StyleOf(form) & WS_THICKFRAME) != 0, c.thick);
    EXPECT_EQ((ExStyleOf(form) & WS_EX_TOOLWINDOW) != 0, c.tool);
    EXPECT_EQ((ExStyleOf(form) & WS_EX_DLGMODALFRAME) != 0, c.dialog);
    EXPECT_EQ(Handle(1), form);
  }
  // Out of the table: nothing changes.
  Call("SET WINDOW STYLE", {1, 3});
  const LONG_PTR style = StyleOf(form), exStyle = ExStyleOf(form);
  for (int other : {6, -1, 100}) {
    Call("SET WINDOW STYLE", {1, other});
    EXPECT_EQ(StyleOf(form), style);
    EXPECT_EQ(ExStyleOf(form), exStyle);
  }
  EXPECT_TRUE(StyleOf(form) & WS_CHILD) << "still inside the host window";
  ExpectNoBoxes();
}

TEST_F(ColorTest, WindowStyleAndAlphaLeaveOtherGadgetsAlone) {
  SetupGui();
  Call("CREATE GADGET BUTTON", {1, "OK"});
  Call("CREATE GADGET PANEL", {2, 0});
  for (int n : {1, 2}) {
    HWND window = Handle(n);
    const LONG_PTR style = StyleOf(window), exStyle = ExStyleOf(window);
    Call("SET WINDOW STYLE", {n, 5});
    Call("SET WINDOW STYLE", {n, 1});
    Call("SET WINDOW ALPHA", {n, 128});
    EXPECT_EQ(StyleOf(window), style);
    EXPECT_EQ(ExStyleOf(window), exStyle);
  }
  ExpectNoBoxes();
}

TEST_F(ColorTest, WindowAlphaMakesATopLevelFormLayered) {
  CreateGadget(1, 6);  // no GUI yet: a window of its own
  HWND form = Handle(1);
  ASSERT_FALSE(StyleOf(form) & WS_CHILD);
  const std::pair<int, BYTE> cases[] = {{128, 128}, {384, 128}, {-1, 255}, {0, 0}, {256, 0}, {255, 255}};
  for (const auto& [alpha, value] : cases) {
    Call("SET WINDOW ALPHA", {1, alpha});
    EXPECT_TRUE(ExStyleOf(form) & WS_EX_LAYERED) << alpha;
    BYTE got = 1;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form, nullptr, &got, &flags));
    EXPECT_EQ(got, value) << alpha;
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  }
  EXPECT_EQ(Handle(1), form);
}

TEST_F(ColorTest, HalfTransparentFormShowsWhatLiesBehind) {
  if (UnderWine()) {
    GTEST_SKIP() << "Wine under Xvfb leaves a layered window's opacity to a compositor that is not there";
  }
  SetupGui();
  Make(1, 3, 0, 0, 600, 400);
  Call("SET GADGET COLOR", {1, 0x0000FF});
  Call("CREATE WITHOUT PARENT");
  CreateGadget(2, 6);
  Call("SET GADGET COLOR", {2, 0xFF0000});
  const POINT centre = dbp::CenterOf(Handle(1));
  SetWindowPos(Handle(2), HWND_TOPMOST, centre.x - 100, centre.y - 100, 200, 200, SWP_NOACTIVATE);
  Call("SET WINDOW ALPHA", {2, 128});
  dbp::Pump(200);
  const COLORREF mixed = dbp::ScreenPixel(centre.x, centre.y);
  EXPECT_NEAR(GetRValue(mixed), 128, 3);
  EXPECT_NEAR(GetBValue(mixed), 127, 3);
}

// ---- SET PANEL BORDERS ----

TEST_F(ColorTest, PanelBordersSetEachBevelByItsCode) {
  SetupGui();
  HWND panel = Make(1, 3, 20, 20, 100, 50);
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT),
                 dark = GetSysColor(COLOR_BTNSHADOW);
  struct Case {
    int inner, outer;
    COLORREF edge, edgeEnd, inside, insideEnd;  // top-left and bottom-right pixels of each ring
  };
  const Case cases[] = {
      {0, 0, face, face, face, face},
      {2, 0, dark, light, face, face},   // a lowered inner bevel moves out to the edge
      {0, 1, light, dark, face, face},
      {1, 2, dark, light, light, dark},
      {7, 0, light, dark, face, face},   // inner stays raised
      {2, 9, dark, light, face, face},   // no outer bevel stays
      {7, 1, light, dark, dark, light},  // inner stays lowered
      {7, 7, light, dark, dark, light},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.inner << ", " << c.outer);
    Call("SET PANEL BORDERS", {1, c.inner, c.outer});
    dbp::Pump(100);
    const Shot shot(panel);
    EXPECT_EQ(shot.At(0, 0), c.edge);
    EXPECT_EQ(shot.At(99, 49), c.edgeEnd);
    EXPECT_EQ(shot.At(1, 1), c.inside);
    EXPECT_EQ(shot.At(98, 48), c.insideEnd);
    EXPECT_EQ(shot.At(50, 25), face);
  }
  ExpectNoBoxes();
}

TEST_F(ColorTest, PanelBordersLeaveOtherGadgetsAlone) {
  SetupGui();
  HWND label = Make(1, 4, 20, 20, 100, 30);
  const Shot before(label);
  Call("SET PANEL BORDERS", {1, 2, 2});
  dbp::Pump(100);
  const Shot after(label);
  EXPECT_EQ(after.At(0, 0), before.At(0, 0));
  EXPECT_EQ(after.At(99, 29), before.At(99, 29));
  ExpectNoBoxes();
}

// ---- every command ----

TEST_F(ColorTest, MissingGadgetsAreReportedAndNothingChanges) {
  SetupGui();
  Call("CREATE GADGET PANEL", {5, 0});
  const std::pair<const char*, std::vector<dbp::Arg>> calls[] = {
      {"SET GADGET COLOR", {7, 0xFF0000}},   {"ALIGN GADGET TEXT", {7, 1}},  {"ALIGN GADGET TEXT", {7, 3}},
      {"SET WINDOW STYLE", {7, 1}},          {"SET WINDOW ALPHA", {7, 128}}, {"SET PANEL BORDERS", {7, 2, 0}},
      {"SET GADGET COLOR", {0, 0xFF0000}},   {"SET PANEL BORDERS", {4097, 1, 1}},
  };
  for (const auto& [keyword, args] : calls) {
    SCOPED_TRACE(keyword);
    Call(keyword, args);
    ExpectMissing(static_cast<int>(args[0].value));
  }
}

}  // namespace
