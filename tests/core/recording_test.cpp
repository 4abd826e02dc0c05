// Recording raw gadget messages, taking them out newest first, and sending raw messages.
#include "gadget_test.h"

namespace {

struct Entry {
  UINT message;
  int wparam;
  int lparam;
  bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Entry& e) {
  return out << "{0x" << std::hex << e.message << std::dec << ", " << e.wparam << ", " << e.lparam << "}";
}

class Recording : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui();
    Call("CREATE GADGET BUTTON", {5, "Hello"});
    Call("RECORD MESSAGES ON");
  }

  // A message no control acts on, recognisable by its number and parameters.
  static Entry Marked(int i) { return {static_cast<UINT>(WM_USER + i), 1000 + i, -i}; }
  void SendTo(int n, const Entry& e) { SendMessageA(Handle(n), e.message, e.wparam, e.lparam); }

  Entry Take(int n) {
    Call("GET MESSAGE", {n});
    return {static_cast<UINT>(Call("MESSAGE MSG[")), Call("MESSAGE WP["), Call("MESSAGE LP[")};
  }
  int Count(int n) { return Call("MESSAGE COUNT[", {n}); }
  // Every entry of a log, oldest first.
  std::vector<Entry> TakeAll(int n) {
    std::vector<Entry> entries(Count(n));
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) *it = Take(n);
    return entries;
  }
};

const Entry kNone{0, 0, 0};

TEST_F(Recording, KeepsTheFirst36MessagesAndGivesThemBackNewestFirst) {
  ASSERT_EQ(Count(5), 0);
  for (int i = 1; i <= 40; ++i) SendTo(5, Marked(i));
  EXPECT_EQ(Count(5), 36);
  for (int i = 36; i >= 1; --i) {
    EXPECT_EQ(Take(5), Marked(i));
    EXPECT_EQ(Count(5), i - 1);
  }
  EXPECT_EQ(Take(5), kNone);
  EXPECT_EQ(Count(5), 0);
  ExpectNoBoxes();
}

TEST_F(Recording, AFullLogTakesMessagesAgainOnceAnEntryIsOut) {
  for (int i = 1; i <= 37; ++i) SendTo(5, Marked(i));
  EXPECT_EQ(Take(5), Marked(36));
  SendTo(5, Marked(99));
  EXPECT_EQ(Count(5), 36);
  EXPECT_EQ(Take(5), Marked(99));
  EXPECT_EQ(Take(5), Marked(35));
}

TEST_F(Recording, EachGadgetHasItsOwnLog) {
  Call("RECORD MESSAGES OFF");  // the messages of creation stay out of the log
  Call("CREATE GADGET BUTTON", {6, "Other"});
  Call("RECORD MESSAGES ON");
  SendTo(5, Marked(1));
  SendTo(6, Marked(2));
  SendTo(5, Marked(3));
  EXPECT_EQ(TakeAll(6), (std::vector<Entry>{Marked(2)}));
  EXPECT_EQ(TakeAll(5), (std::vector<Entry>{Marked(1), Marked(3)}));
}

TEST_F(Recording, NumbersWithoutALogReadAsEmptyAndNeverReport) {
  SendTo(5, Marked(1));
  for (int n : {0, 3000, -1, 4097, 100000}) {
    EXPECT_EQ(Take(5), Marked(1)) << n;  // the current message holds something first
    SendTo(5, Marked(1));
    EXPECT_EQ(Take(n), kNone) << n;
    EXPECT_EQ(Count(n), 0) << n;
  }
  ExpectNoBoxes();
}

TEST_F(Recording, EntriesStayReadableAfterRecordingStops) {
  SendTo(5, Marked(1));
  SendTo(5, Marked(2));
  Call("RECORD MESSAGES OFF");
  SendTo(5, Marked(3));
  EXPECT_EQ(Count(5), 2);
  EXPECT_EQ(Take(5), Marked(2));
  EXPECT_EQ(Take(5), Marked(1));
  EXPECT_EQ(Take(5), kNone);
}

TEST_F(Recording, LogsOutliveTheirGadgetAndCarryOverToTheNextUnderItsNumber) {
  SendTo(5, Marked(1));
  SendTo(5, Marked(2));
  Call("RECORD MESSAGES OFF");  // the messages of deletion and creation stay out of the log
  Call("DELETE GADGET", {5});
  EXPECT_EQ(Count(5), 2);
  Call("CREATE GADGET CHECKBOX", {5, "New"});
  EXPECT_EQ(TakeAll(5), (std::vector<Entry>{Marked(1), Marked(2)}));
}

TEST_F(Recording, MessagesAreLoggedAsTheyArrivedBeforeAnyRewriting) {
  SendTo(5, {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4)});
  ReleaseCapture();
  Call("RECORD MESSAGES OFF");
  const std::vector<Entry> entries = TakeAll(5);
  // The button's own procedure took the press as a left one and sent itself more messages.
  ASSERT_FALSE(entries.empty());
  EXPECT_EQ(entries.front(), (Entry{WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4)}));
  for (const Entry& e : entries) EXPECT_NE(e.message, static_cast<UINT>(WM_LBUTTONDOWN));
}

TEST_F(Recording, MessagesThatAreNotPassedOnAreLoggedToo) {
  EXPECT_EQ(SendMessageA(Handle(5), WM_NCACTIVATE, FALSE, 7), 1);
  EXPECT_EQ(TakeAll(5), (std::vector<Entry>{{WM_NCACTIVATE, FALSE, 7}}));
}

TEST_F(Recording, SendMessageReachesTheGadgetAndIsLoggedBeforeItReturns) {
  Call("SEND MESSAGE", {Handle(5), static_cast<int>(WM_USER + 7), 11, -22});
  EXPECT_EQ(Count(5), 1);
  EXPECT_EQ(Take(5), (Entry{WM_USER + 7, 11, -22}));

  EXPECT_EQ(Call("SEND MESSAGE[", {Handle(5), static_cast<int>(WM_GETTEXTLENGTH), 0, 0}), 5);
  Call("SEND MESSAGE", {Handle(5), static_cast<int>(WM_SETTEXT), 0, "Changed"});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {5}), "Changed");
}

TEST_F(Recording, SendMessageWorksOnAnyWindow) {
  HWND plain = CreateWindowExA(0, "STATIC", "plain", WS_CHILD, 0, 0, 10, 10, host().window(), nullptr, nullptr,
                               nullptr);
  Call("SEND MESSAGE", {plain, static_cast<int>(WM_SETTEXT), 0, "sent text"});
  char text[32] = {};
  GetWindowTextA(plain, text, sizeof text);
  EXPECT_STREQ(text, "sent text");
  EXPECT_EQ(Call("SEND MESSAGE[", {host().window(), static_cast<int>(WM_GETTEXTLENGTH), 0, 0}),
            static_cast<int>(strlen(dbp::kHostTitle)));
  EXPECT_EQ(Call("SEND MESSAGE[", {nullptr, static_cast<int>(WM_GETTEXTLENGTH), 0, 0}), 0);
  DestroyWindow(plain);
  ExpectNoBoxes();
}

}  // namespace
