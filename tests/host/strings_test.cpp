// String results handed back through DBP's allocator.
#include "gadget_test.h"

namespace {

class StringResults : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui();
    Call("CREATE GADGET BUTTON", {1, "Start game"});
    dbp::StringBooks::TakeEvents();
  }
};

TEST_F(StringResults, FirstResultReleasesTheNullPreviousAndGetsLengthPlusOneBytes) {
  EXPECT_EQ(CallS("GET GADGET TEXT[", {1}), "Start game");
  const auto events = dbp::StringBooks::TakeEvents();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_TRUE(events[0].release);
  EXPECT_EQ(events[0].address, 0u);
  EXPECT_FALSE(events[1].release);
  EXPECT_EQ(events[1].size, 11u);
  EXPECT_EQ(events[1].address, host().LastStringAddress("GET GADGET TEXT[", 1));
}

TEST_F(StringResults, EachResultReleasesThePreviousOneExactlyOnce) {
  CallS("GET GADGET TEXT[", {1});
  const DWORD_PTR first = host().LastStringAddress("GET GADGET TEXT[", 1);
  Call("SET GADGET TEXT", {1, ""});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {1}), "");
  EXPECT_TRUE(dbp::StringBooks::Released(first));
  const DWORD_PTR second = host().LastStringAddress("GET GADGET TEXT[", 1);
  EXPECT_EQ(dbp::StringBooks::SizeOf(second), 1u);  // the empty result is a one-byte buffer
  EXPECT_TRUE(dbp::StringBooks::TakeFaults().empty());
}

TEST_F(StringResults, FailedCheckReleasesThePreviousAndReturnsTheEmptyResult) {
  CallS("GET GADGET TEXT[", {1});
  const DWORD_PTR first = host().LastStringAddress("GET GADGET TEXT[", 1);
  EXPECT_EQ(CallS("GET GADGET TEXT[", {77}), "");
  ExpectMissing(77);
  EXPECT_TRUE(dbp::StringBooks::Released(first));
  EXPECT_EQ(dbp::StringBooks::SizeOf(host().LastStringAddress("GET GADGET TEXT[", 1)), 1u);
}

TEST_F(StringResults, TextLongerThanAnyFixedBufferComesBackWhole) {
  Call("CREATE WITH PARENT", {1});
  Call("CREATE WITHOUT PARENT");
  Call("CREATE GADGET TEXTAREA", {2});
  std::string text;
  for (int line = 0; line < 400; ++line) text += std::string(60, static_cast<char>('a' + line % 26)) + "\r\n";
  Call("SET GADGET TEXT", {2, text});
  EXPECT_EQ(CallS("GET GADGET TEXT[", {2}), text);
  EXPECT_EQ(dbp::StringBooks::SizeOf(host().LastStringAddress("GET GADGET TEXT[", 1)), text.size() + 1);
}

}  // namespace
