#include "gui/KC_GUI_LAYOUT.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "platform/KC_INPUT.h"

namespace {

using KOR::KC_GUI_HBOX_LAYOUT;
using KOR::KC_GUI_OBJECT;
using KOR::KC_GUI_VBOX_LAYOUT;

class BOX : public KC_GUI_OBJECT {
 public:
  BOX(float w, float h) : KC_GUI_OBJECT(1), w_(w), h_(h) {}
  float width() override { return w_; }
  float height() override { return h_; }

 private:
  float w_;
  float h_;
};

class GuiLayout : public ::testing::Test {
 protected:
  KOR::KC_INPUT input;

  static std::vector<float> xs(const KC_GUI_OBJECT& box) {
    std::vector<float> out;
    for (const KC_GUI_OBJECT* c : box.children) out.push_back(c->transform->position.x);
    return out;
  }
  static std::vector<float> ys(const KC_GUI_OBJECT& box) {
    std::vector<float> out;
    for (const KC_GUI_OBJECT* c : box.children) out.push_back(c->transform->position.y);
    return out;
  }
};

TEST_F(GuiLayout, EvenGapsSpreadTheRowAboutTheCentre) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 1, 1);
  ASSERT_TRUE(row.add(new BOX(100, 20), 0, 0));
  ASSERT_TRUE(row.add(new BOX(100, 20), 0, 0));
  const std::vector<float> x = xs(row);
  EXPECT_NEAR(x[0], -66.667f, 0.01f);
  EXPECT_NEAR(x[1], 66.667f, 0.01f);
  EXPECT_EQ(row.used_width, 200.0f);
  EXPECT_EQ(row.width(), 300.0f);
}

TEST_F(GuiLayout, AFullRowOverflowsTowardsItsDirection) {
  for (int direction : {1, 2}) {
    KC_GUI_HBOX_LAYOUT row(1, 300, 100, 1, direction);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(row.add(new BOX(120, 20), 0, 0));
    const float s = direction == 2 ? -1.0f : 1.0f;
    EXPECT_EQ(xs(row), (std::vector<float>{-90 * s, 30 * s, 150 * s})) << direction;
  }
}

TEST_F(GuiLayout, OnlyAChildLargerThanTheBoxIsRefused) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 1, 1);
  BOX wide(301, 10);
  BOX tall(10, 101);
  EXPECT_FALSE(row.add(&wide, 0, 0));
  EXPECT_FALSE(row.add(&tall, 0, 0));
  EXPECT_FALSE(row.add(nullptr, 0, 0));
  EXPECT_EQ(wide.parent, nullptr);
  ASSERT_TRUE(row.add(new BOX(200, 10), 0, 0));
  EXPECT_TRUE(row.add(new BOX(200, 10), 0, 0));
  EXPECT_EQ(row.children.size(), 2u);
}

TEST_F(GuiLayout, CrossCodesAlignEachChildOnItsOwn) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 1, 1);
  for (int code : {1, 3, 0, 6, 5}) row.add(new BOX(10, 20), code, 0);
  EXPECT_EQ(ys(row), (std::vector<float>{-40, 40, 0, 40, -40}));

  KC_GUI_VBOX_LAYOUT column(1, 100, 300, 1, 1);
  for (int code : {1, 2, 0, 8, 7}) column.add(new BOX(20, 10), code, 0);
  EXPECT_EQ(xs(column), (std::vector<float>{-40, 40, 0, 40, -40}));
}

TEST_F(GuiLayout, ColumnRunsTopToBottomOrBottomToTopWithOwnGaps) {
  for (int direction : {5, 6}) {
    KC_GUI_VBOX_LAYOUT column(1, 100, 300, 0, direction);
    column.add(new BOX(10, 50), 0, 10);
    column.add(new BOX(10, 50), 0, 20);
    const float s = direction == 6 ? -1.0f : 1.0f;
    EXPECT_EQ(ys(column), (std::vector<float>{-115 * s, -45 * s})) << direction;
  }
}

TEST_F(GuiLayout, HiddenChildrenTakeNoRoomButCountInTheEvenGap) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 1, 1);
  row.add(new BOX(100, 20), 0, 0);
  BOX* hidden = new BOX(100, 20);
  hidden->set_visible(0);
  hidden->transform->set_position(999, 0, 0);
  row.add(hidden, 0, 0);
  row.add(new BOX(100, 20), 0, 0);
  // Gap (300 - 300) / 4 = 0: the shown ones sit side by side from the left.
  EXPECT_EQ(xs(row), (std::vector<float>{-100, 999, 0}));
}

TEST_F(GuiLayout, TurnedChildrenUseTheirTurnedSize) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 300, 1, 1);
  BOX* turned = new BOX(100, 20);
  turned->transform->rotation.z = 1.5707964f;
  ASSERT_TRUE(row.add(turned, 0, 0));
  EXPECT_NEAR(row.used_width, 20.0f, 0.001f);
  EXPECT_NEAR(row.used_height, 100.0f, 0.001f);
}

TEST_F(GuiLayout, InsertRemoveAndTheListsStayInStep) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 0, 1);
  BOX* a = new BOX(50, 10);
  BOX* b = new BOX(50, 10);
  row.add(a, 0, 10);
  row.insert(b, 0, 3, 20);
  row.insert(new BOX(50, 10), 99, 6, 30);
  EXPECT_EQ(row.index_of(b), 0u);
  EXPECT_EQ(row.index_of(a), 1u);
  EXPECT_EQ(row.gaps, (std::vector<float>{20, 10, 30}));
  EXPECT_EQ(row.cross_codes, (std::vector<int>{3, 0, 6}));

  row.remove(b);
  EXPECT_EQ(row.gaps, (std::vector<float>{10, 30}));
  EXPECT_EQ(row.used_width, 100.0f);
  EXPECT_EQ(xs(row), (std::vector<float>{-115, -35}));
  BOX stranger(5, 5);
  row.remove(&stranger);
  EXPECT_EQ(row.index_of(&stranger), 2u);
  row.remove_at(7);
  row.remove_at(1);
  EXPECT_EQ(row.children.size(), 1u);
  EXPECT_EQ(row.gaps, (std::vector<float>{10}));
}

TEST_F(GuiLayout, SizeNeverShrinksBelowWhatIsUsed) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 1, 1);
  row.add(new BOX(100, 20), 0, 0);
  row.add(new BOX(100, 20), 0, 0);
  row.set_width(50);
  EXPECT_EQ(row.width(), 200.0f);
  EXPECT_EQ(xs(row), (std::vector<float>{-50, 50}));
  row.set_height(400);
  EXPECT_EQ(row.height(), 400.0f);
}

TEST_F(GuiLayout, ChildrenAddedAroundTheBoxGetNoGapAndNoCode) {
  KC_GUI_HBOX_LAYOUT row(1, 300, 100, 0, 1);
  row.add(new BOX(100, 20), 1, 10);
  row.add_child(new BOX(100, 20));
  row.set_width(300);
  EXPECT_EQ(xs(row), (std::vector<float>{-90, 10}));
  EXPECT_EQ(ys(row), (std::vector<float>{-40, 0}));
}

}  // namespace
