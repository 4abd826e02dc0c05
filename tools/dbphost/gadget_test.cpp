#include "gadget_test.h"

void GadgetTest::SetUp() { host_ = std::make_unique<dbp::Host>(); }

void GadgetTest::TearDown() {
  dbp::Pump();
  const std::vector<dbp::Box> boxes = host_->TakeBoxes();
  for (const dbp::Box& box : boxes) ADD_FAILURE() << "box not asserted: \"" << box.caption << "\" / \"" << box.text << "\"";
  for (const std::string& fault : dbp::StringBooks::TakeFaults()) ADD_FAILURE() << "string allocator: " << fault;
  host_.reset();
}

void GadgetTest::SetupGui(int mode) {
  Call("SETUP GUI", {dbp::kHostTitle, "", mode});
  boxOwner_ = host_->window();
}

HWND GadgetTest::Handle(int n) {
  return reinterpret_cast<HWND>(static_cast<DWORD_PTR>(static_cast<DWORD>(Call("GADGET HANDLE[", {n}))));
}

void GadgetTest::ExpectGuiErrors(std::vector<std::string> texts) {
  const std::vector<dbp::Box> boxes = host_->TakeBoxes();
  ASSERT_EQ(boxes.size(), texts.size());
  for (size_t i = 0; i < boxes.size(); ++i) {
    EXPECT_EQ(boxes[i].caption, "GUI Error");
    EXPECT_EQ(boxes[i].text, texts[i]);
    EXPECT_EQ(boxes[i].icon, "none");
    EXPECT_EQ(boxes[i].owner, boxOwner_);
  }
}

void GadgetTest::ExpectNoBoxes() {
  const std::vector<dbp::Box> boxes = host_->TakeBoxes();
  EXPECT_TRUE(boxes.empty()) << (boxes.empty() ? "" : boxes[0].text);
}
