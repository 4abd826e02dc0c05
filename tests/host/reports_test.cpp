// Error reports and the MESSAGE box.
#include "gadget_test.h"

namespace {

using Reports = GadgetTest;

TEST_F(Reports, MissingGadgetNumbersAreWrittenInPlainDecimal) {
  SetupGui();
  for (int n : {0, 5000, -3, 4097, 12}) {
    EXPECT_EQ(Call("GADGET STATE[", {n}), 0);
    ExpectMissing(n);
  }
}

TEST_F(Reports, BoxesBeforeSetupGuiHaveNoOwner) {
  EXPECT_EQ(Call("GADGET STATE[", {3}), 0);
  ExpectMissing(3);  // the fixture expects no owner before SETUP GUI
}

TEST_F(Reports, MessageShowsAPlainOkBoxOwnedByTheHostWindow) {
  SetupGui();
  Call("MESSAGE", {"Saved", "Your game was saved."});
  const auto boxes = host().TakeBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Saved");
  EXPECT_EQ(boxes[0].text, "Your game was saved.");
  EXPECT_EQ(boxes[0].icon, "none");
  EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(boxes[0].owner, host().window());
}

TEST_F(Reports, MessageWithNullCaptionShowsASingleSpaceAndNullTextShowsNothing) {
  Call("MESSAGE", {nullptr, "text"});
  Call("MESSAGE", {"caption", nullptr});
  const auto boxes = host().TakeBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, " ");
  EXPECT_EQ(boxes[0].text, "text");
  EXPECT_EQ(boxes[0].owner, nullptr);
  EXPECT_EQ(boxes[1].caption, "caption");
  EXPECT_EQ(boxes[1].text, "");
}

}  // namespace
