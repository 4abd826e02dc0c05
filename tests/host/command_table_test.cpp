// The command table as DBP's compiler reads it from the DLL's string resources.
#include <fstream>
#include <set>

#include "gadget_test.h"

namespace {

// Entry points of commands that later work brings; this list only ever shrinks.
const std::set<std::string> kPending = {
    "CreateGadgetImageButton", "CreateGadgetTable", "AddItem", "RemoveItem", "FindItem", "ChangeItem",
    "GetItemText", "SelectedItem", "OpenDialogDefault", "OpenDialog", "SaveDialog", "CreateGadgetImage", "InputDlg",
    "ErrorMsg", "QuestionMsg", "SetProgressBar", "GetProgressBar", "SetScrollBarPos", "SetScrollBarMinMax",
    "GetScrollBar", "CreateFont", "SetFontName", "SetFontSize", "SetFontStyle", "SetFontColor", "SetGadgetFont",
    "RequestFont", "RequestColor", "GetFontExists", "AddNode", "SetGadgetImage", "SortGadgetItems", "AddTab",
    "RemoveTab", "ActiveTab", "SetActiveTab", "RemoveNode", "SelectedNode", "NodeText", "CreateGadgetFlatButton",
    "CreateGadgetPopup", "ShowPopup", "HideItem", "ShowItem", "EnableItem", "DisableItem",
    "CreateGadgetInternetBrowser", "OpenURL", "CurrentURL", "RefreshPage", "CreateGadgetFolders", "CurrentFolder",
    "GetOSColor", "AddColumn", "AddItemInfo", "ChangeItemInfo", "GetItemInfo", "SortItems", "ItemCount",
    "CreateGadgetAnim", "OpenAnim", "StopAnim", "SetColumnWidth", "ExpandNode", "CollapseNode", "InsertNode",
    "NodeExpanded", "MakeNodeVisible", "CountChildNodes", "SetNodeText", "SelectNode", "FreeNode", "SetDefaultDir",
    "GetSpecialFolder", "SelStart", "SelLength", "SetRichEditSelFont", "GetGadgetFont", "GetRichEditSelFont",
    "FontColor", "FontSize", "FontName", "FontStyle", "GetInetFile", "SetEditProperties", "SetEditMask",
    "SetSelStart", "SetSelLength", "DeleteFont", "SelectItem", "SaveText", "PrintText", "LoadText", "SystemSize",
    "NodeExistsCheck", "QuestionMsgAdv",
};

std::vector<std::pair<int, std::string>> ExpectedRows() {
  std::vector<std::pair<int, std::string>> rows;
  std::ifstream file(EXPECTED_ROWS);
  std::string line;
  while (std::getline(file, line)) {
    const size_t tab = line.find('\t');
    rows.emplace_back(std::stoi(line.substr(0, tab)), line.substr(tab + 1));
  }
  return rows;
}

using CommandTable = GadgetTest;

TEST_F(CommandTable, HoldsExactlyTheExpectedRows) {
  const auto expected = ExpectedRows();
  ASSERT_EQ(expected.size(), 192u);
  const auto& rows = host().rows();
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].id, expected[i].first);
    EXPECT_EQ(rows[i].text, expected[i].second) << "row " << rows[i].id;
  }
}

TEST_F(CommandTable, LeavesTheGapsEmpty) {
  std::vector<int> empty = {0, 2, 182};
  for (int id = 195; id <= 207; ++id) empty.push_back(id);
  for (int id : empty) {
    char buffer[256] = {};
    EXPECT_EQ(LoadStringA(host().module(), id, buffer, sizeof buffer), 0) << "id " << id;
  }
}

TEST_F(CommandTable, EveryRowIsWellFormedForDbp) {
  for (const dbp::Row& row : host().rows()) {
    EXPECT_FALSE(row.keyword.empty()) << row.text;
    EXPECT_FALSE(row.types.empty()) << row.text;  // DBP stops reading a table at an empty type field
    EXPECT_LT(row.text.size(), 255u) << row.text;
    EXPECT_EQ(row.types.find_first_not_of(row.types == "0" ? "0" : "LDS"), std::string::npos) << row.text;
  }
}

TEST_F(CommandTable, EveryRowNamesAnExportedEntryPointOrIsPending) {
  for (const dbp::Row& row : host().rows()) {
    if (kPending.count(row.entry)) {
      EXPECT_EQ(row.proc, nullptr) << row.entry << " is exported: take it off the pending list";
    } else {
      EXPECT_NE(row.proc, nullptr) << row.entry << " (row " << row.id << ") is not exported";
    }
  }
}

TEST_F(CommandTable, ExportsTheEntryPointsNoRowNames) {
  for (const char* name : {"?Constructor@@YAXXZ", "?Destructor@@YAXXZ", "?ReceiveCoreDataPtr@@YAXPAX@Z",
                           "CreateGadget", "DeleteAllGadgets", "PMsg"}) {
    EXPECT_NE(host().Export(name), nullptr) << name;
  }
}

}  // namespace
