// The gadget registry: existence, free numbers, deletion and the all-gadget commands.
#include "gadget_test.h"

namespace {

class Registry : public GadgetTest {
 protected:
  void SetUp() override {
    GadgetTest::SetUp();
    SetupGui();
  }
  void Button(int n) { Call("CREATE GADGET BUTTON", {n, "b"}); }
};

TEST_F(Registry, ExistsOnlyForNumbersInUseAndNeverReports) {
  Button(1);
  Button(4096);
  for (auto [n, exists] : std::vector<std::pair<int, int>>{{1, 1}, {4096, 1}, {2, 0}, {0, 0}, {4097, 0}, {-1, 0}}) {
    EXPECT_EQ(Call("GADGET EXISTS[", {n}), exists) << n;
  }
  ExpectNoBoxes();
}

TEST_F(Registry, FreeGadgetFindsTheLowestFreeNumber) {
  EXPECT_EQ(Call("FREE GADGET["), 1);
  Button(1);
  Button(2);
  Button(4);
  EXPECT_EQ(Call("FREE GADGET["), 3);
  Call("DELETE GADGET", {1});
  EXPECT_EQ(Call("FREE GADGET["), 1);
}

TEST_F(Registry, FreeGadgetIsZeroWhenEveryNumberIsInUse) {
  for (int n = 1; n <= 4096; ++n) CreateGadget(n, 19);  // window-less holders are the cheapest gadgets
  EXPECT_EQ(Call("FREE GADGET["), 0);
  Call("DELETE GADGET", {4000});
  EXPECT_EQ(Call("FREE GADGET["), 4000);
}

TEST_F(Registry, DeleteDestroysTheWindowAndIsHarmlessTwice) {
  Button(7);
  HWND window = Handle(7);
  ASSERT_TRUE(IsWindow(window));
  Call("DELETE GADGET", {7});
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Call("GADGET EXISTS[", {7}), 0);
  Call("DELETE GADGET", {7});
  Call("DELETE GADGET", {0});
  Call("DELETE GADGET", {99999});
  ExpectNoBoxes();
}

TEST_F(Registry, DeleteAllGadgetsEmptiesTheRegistry) {
  for (int n : {1, 2, 300, 4096}) Button(n);
  DeleteAllGadgets();
  for (int n : {1, 2, 300, 4096}) EXPECT_EQ(Call("GADGET EXISTS[", {n}), 0);
  EXPECT_EQ(Call("FREE GADGET["), 1);
}

TEST_F(Registry, HideAndShowAllGadgets) {
  Button(1);
  Button(2);
  Call("HIDE ALL GADGETS");
  EXPECT_FALSE(IsWindowVisible(Handle(1)));
  EXPECT_FALSE(IsWindowVisible(Handle(2)));
  Call("SHOW ALL GADGETS");
  EXPECT_TRUE(IsWindowVisible(Handle(1)));
  EXPECT_TRUE(IsWindowVisible(Handle(2)));
}

TEST_F(Registry, RepaintPaintsEveryGadgetAtOnce) {
  Button(1);
  dbp::Pump();
  ValidateRect(Handle(1), nullptr);
  InvalidateRect(Handle(1), nullptr, TRUE);
  Call("REPAINT");
  EXPECT_FALSE(GetUpdateRect(Handle(1), nullptr, FALSE));  // painted before REPAINT returned
}

TEST_F(Registry, GadgetsInsideADeletedParentGoWithIt) {
  Call("CREATE GADGET PANEL", {1, 0});
  Call("CREATE WITH PARENT", {1});
  Button(2);
  Call("CREATE WITH PARENT", {2});
  Button(3);
  Call("CREATE WITHOUT PARENT");
  Call("DELETE GADGET", {1});
  EXPECT_EQ(Call("GADGET EXISTS[", {2}), 0);
  EXPECT_EQ(Call("GADGET EXISTS[", {3}), 0);
  EXPECT_EQ(Call("FREE GADGET["), 1);
  Button(2);  // the number is free for a new gadget
  EXPECT_EQ(Call("GADGET EXISTS[", {2}), 1);
}

}  // namespace
