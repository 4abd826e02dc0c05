// One gadget of every kind on the host window, saved as a picture for the README.
#include "gadget_test.h"

#include <commctrl.h>

#include <fstream>

namespace {

constexpr int kColumns = 4;
constexpr int kCellWidth = 200, kCellHeight = 110, kGap = 10, kTop = 10;

class GalleryTest : public GadgetTest {
 protected:
  // Puts gadget n into cell i of the grid, at the size it shows best in.
  void Arrange(int n, int cell, int width = kCellWidth, int height = kCellHeight) {
    const int x = kGap + (cell % kColumns) * (kCellWidth + kGap);
    const int y = kTop + (cell / kColumns) * (kCellHeight + kGap);
    SetWindowPos(Handle(n), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // A flat panel holding a gadget that is only made inside a parent.
  void Holder(int n, int cell) {
    Call("CREATE GADGET PANEL", {n, 1});
    Arrange(n, cell);
    Call("CREATE WITH PARENT", {n});
  }
  static void Add(HWND window, UINT message, const char* text) {
    SendMessageA(window, message, 0, reinterpret_cast<LPARAM>(text));
  }
  COLORREF PixelAt(int n, int x, int y) {
    RECT r{};
    GetWindowRect(Handle(n), &r);
    return dbp::ScreenPixel(r.left + x, r.top + y);
  }
};

TEST_F(GalleryTest, EveryKindOnTheHostWindow) {
  SetWindowPos(host().window(), nullptr, 0, 0, 4 * (kCellWidth + kGap) + 30, kTop + 5 * (kCellHeight + kGap) + 70,
               SWP_NOZORDER);
  SetupGui();
  int cell = 0;
  Call("CREATE GADGET BUTTON", {1, "Button"});
  Arrange(1, cell++, 100, 28);
  Call("CREATE GADGET EDIT", {2});
  Call("SET GADGET TEXT", {2, "Edit"});
  Arrange(2, cell++, 150, 22);
  Call("CREATE GADGET PANEL", {3, 0});
  Call("SET GADGET TEXT", {3, "Panel"});
  Call("SET PANEL BORDERS", {3, 2, 1});
  Arrange(3, cell++);
  Call("CREATE GADGET LABEL", {4, "Label, coloured"});
  Call("SET GADGET COLOR", {4, 0xFFD040});
  Arrange(4, cell++, 150, 20);
  Call("CREATE GADGET LISTBOX", {5});
  for (const char* item : {"List box", "second item", "third item"}) Add(Handle(5), LB_ADDSTRING, item);
  Arrange(5, cell++);
  CreateGadget(6, 6);
  Call("SET GADGET TEXT", {6, "Window"});
  Arrange(6, cell++);
  Call("CREATE GADGET CHECKBOX", {7, "Check box"});
  SendMessageA(Handle(7), BM_SETCHECK, BST_CHECKED, 0);
  Arrange(7, cell++, 150, 20);
  CreateGadget(8, 8);
  Call("SET GADGET TEXT", {8, "Bitmap button"});
  Arrange(8, cell++, 120, 28);
  Call("CREATE GADGET TABS", {9});
  TCITEMA tab{};
  tab.mask = TCIF_TEXT;
  for (const char* text : {"Tab strip", "Second"}) {
    tab.pszText = const_cast<char*>(text);
    SendMessageA(Handle(9), TCM_INSERTITEMA, 9, reinterpret_cast<LPARAM>(&tab));
  }
  Arrange(9, cell++);
  Call("CREATE GADGET PROGRESSBAR", {10});
  SendMessageA(Handle(10), PBM_SETPOS, 60, 0);
  Arrange(10, cell++, kCellWidth, 20);
  Call("CREATE GADGET STATUS", {11});  // docked along the bottom
  SendMessageA(Handle(11), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("Status bar"));
  Holder(32, 19);  // docked along the top of its cell: the themed tool bar shows its parent's background
  Call("CREATE GADGET TOOLBAR", {12});
  SendMessageA(Handle(12), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  TBBUTTON buttons[2] = {};
  for (int i = 0; i < 2; ++i) {
    buttons[i] = {I_IMAGENONE, 100 + i, TBSTATE_ENABLED, BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT, {}, 0,
                  reinterpret_cast<INT_PTR>(i ? "Button" : "Tool bar")};
  }
  SetWindowLongPtrA(Handle(12), GWL_STYLE, GetWindowLongPtrA(Handle(12), GWL_STYLE) | TBSTYLE_LIST);
  SendMessageA(Handle(12), TB_ADDBUTTONSA, 2, reinterpret_cast<LPARAM>(buttons));
  Call("CREATE WITHOUT PARENT");
  CreateGadget(13, 13);
  SetWindowLongPtrA(Handle(13), GWL_STYLE, (GetWindowLongPtrA(Handle(13), GWL_STYLE) & ~LVS_TYPEMASK) | LVS_REPORT);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 90;
  column.pszText = const_cast<char*>("Table");
  SendMessageA(Handle(13), LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  column.pszText = const_cast<char*>("Column");
  SendMessageA(Handle(13), LVM_INSERTCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
  LVITEMA row{};
  row.mask = LVIF_TEXT;
  row.pszText = const_cast<char*>("Row");
  SendMessageA(Handle(13), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&row));
  Arrange(13, cell++);
  Holder(30, cell++);
  Call("CREATE GADGET COMBOBOX", {14});
  Call("SET GADGET TEXT", {14, "Combo box"});
  Call("CREATE WITHOUT PARENT");
  Call("CREATE GADGET TREEVIEW", {15});
  TVINSERTSTRUCTA node{};
  node.hInsertAfter = TVI_LAST;
  node.item.mask = TVIF_TEXT;
  node.item.pszText = const_cast<char*>("Tree view");
  node.hParent =
      reinterpret_cast<HTREEITEM>(SendMessageA(Handle(15), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&node)));
  node.item.pszText = const_cast<char*>("Node");
  SendMessageA(Handle(15), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&node));
  SendMessageA(Handle(15), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node.hParent));
  Arrange(15, cell++);
  Call("CREATE GADGET TEXTAREA", {16});
  Call("SET GADGET TEXT", {16, "Text area,\r\ncentred"});
  Call("ALIGN GADGET TEXT", {16, 1});
  Arrange(16, cell++);
  Holder(31, cell++);
  Call("CREATE GADGET SCROLLBAR", {17});
  Call("CREATE WITHOUT PARENT");
  CreateGadget(18, 18);
  Call("SET GADGET TEXT", {18, "Flat button"});
  Arrange(18, cell++, 120, 28);
  Call("CREATE GADGET GROUPBOX", {23, "Group box"});
  Arrange(23, cell++);
  Call("CREATE GADGET RADIOBUTTON", {24, "Radio button"});
  SendMessageA(Handle(24), BM_SETCHECK, BST_CHECKED, 0);
  Arrange(24, cell++, 150, 20);
  Call("CREATE GADGET RICHEDIT", {26});
  Call("SET GADGET TEXT", {26, "Rich edit"});
  Call("SET GADGET COLOR", {26, 0xE0F0FF});
  Arrange(26, cell++);
  CreateGadget(19, 19);  // the popup holder has no look of its own
  SetWindowPos(Handle(14), nullptr, 10, 10, 180, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(Handle(17), nullptr, 10, 50, 180, GetSystemMetrics(SM_CYHSCROLL), SWP_NOZORDER | SWP_NOACTIVATE);
  dbp::MoveMouse(1010, 750);
  dbp::Pump(500);

  const std::string path = dbp::BesideProgram("gallery.png");
  DeleteFileA(path.c_str());
  ASSERT_TRUE(dbp::SaveWindowPng(host().window(), path));
  std::ifstream file(path, std::ios::binary);
  ASSERT_TRUE(file.good());
  char signature[8] = {};
  file.read(signature, 8);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");

  EXPECT_EQ(PixelAt(4, 1, 1), RGB(0xFF, 0xD0, 0x40)) << "the coloured label";
  EXPECT_EQ(PixelAt(3, 0, 0), GetSysColor(COLOR_BTNHIGHLIGHT)) << "raised outer bevel";
  EXPECT_EQ(PixelAt(3, 1, 1), GetSysColor(COLOR_BTNSHADOW)) << "lowered inner bevel";
  EXPECT_EQ(PixelAt(2, 100, 11), GetSysColor(COLOR_WINDOW)) << "the edit field";
  EXPECT_EQ(PixelAt(26, 150, 100), RGB(0xE0, 0xF0, 0xFF)) << "the coloured rich edit";
  EXPECT_NE(PixelAt(10, 20, 10), PixelAt(10, 190, 10)) << "the progress bar's filled part";
  ExpectNoBoxes();
}

}  // namespace
