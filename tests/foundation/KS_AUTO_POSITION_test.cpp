#include "foundation/KS_AUTO_POSITION.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

using namespace KOR;

namespace {

class KS_AUTO_POSITION_test : public ::testing::Test {
 protected:
  void SetUp() override {
    auto_position_screen_width = 1024;
    auto_position_screen_height = 768;
    auto_position_base_width = 0;
    auto_position_base_height = 0;
  }

  pugi::xml_node element(const char* xml) {
    EXPECT_TRUE(doc_.load_string(xml));
    return doc_.first_child();
  }

  pugi::xml_document doc_;
};

}  // namespace

TEST_F(KS_AUTO_POSITION_test, FirstScreenSizeIsTheBase) {
  auto_position_set_screen(1366, 768);
  auto_position_set_screen(1024, 768);
  EXPECT_EQ(auto_position_screen_width, 1024);
  EXPECT_EQ(auto_position_screen_height, 768);
  EXPECT_EQ(auto_position_base_width, 1366);
  EXPECT_EQ(auto_position_base_height, 768);
}

TEST_F(KS_AUTO_POSITION_test, FractionsFollowTheScreen) {
  KS_AUTO_POSITION p(element(R"(<POS auto_x="0.5">0 0 0 0 0 0 0 0 0 1 1 1</POS>)"));
  EXPECT_FLOAT_EQ(p.position.x, 512.0f);
  EXPECT_FLOAT_EQ(p.position.y, 0.0f);
  auto_position_set_screen(1366, 768);
  p.set_auto(p.auto_x, p.auto_y);
  EXPECT_FLOAT_EQ(p.position.x, 683.0f);

  KS_AUTO_POSITION both(
      element(R"(<POS auto_x="0.25" auto_y="0.5">1 2 7 0 0 0 0 0 0 1 1 1</POS>)"));
  EXPECT_FLOAT_EQ(both.position.x, 341.5f);
  EXPECT_FLOAT_EQ(both.position.y, 384.0f);
  EXPECT_FLOAT_EQ(both.position.z, 7.0f);
}

TEST_F(KS_AUTO_POSITION_test, WithoutFractionsTheTransformTextHolds) {
  const KS_AUTO_POSITION p(element("<POS>10 20 0 5 6 0 0 0 0.5 2 2 1</POS>"));
  EXPECT_FLOAT_EQ(p.position.x, 10.0f);
  EXPECT_FLOAT_EQ(p.position.y, 20.0f);
  EXPECT_FLOAT_EQ(p.pivot.x, 5.0f);
  EXPECT_FLOAT_EQ(p.rotation.z, 0.5f);
  EXPECT_FLOAT_EQ(p.scale.x, 2.0f);
  EXPECT_EQ(p.auto_x, 0.0f);
  EXPECT_EQ(p.auto_y, 0.0f);

  const KS_AUTO_POSITION short_text(element(R"(<POS auto_y="1">10 20 30</POS>)"));
  EXPECT_FLOAT_EQ(short_text.position.x, 0.0f);
  EXPECT_FLOAT_EQ(short_text.position.y, 768.0f);
  EXPECT_FLOAT_EQ(short_text.scale.x, 1.0f);
}

TEST_F(KS_AUTO_POSITION_test, SetAutoKeepsDepth) {
  KS_AUTO_POSITION p;
  EXPECT_FLOAT_EQ(p.scale.x, 1.0f);
  p.position.z = 3.0f;
  p.set_auto(1.0f, 0.5f);
  EXPECT_FLOAT_EQ(p.position.x, 1024.0f);
  EXPECT_FLOAT_EQ(p.position.y, 384.0f);
  EXPECT_FLOAT_EQ(p.position.z, 3.0f);
}
