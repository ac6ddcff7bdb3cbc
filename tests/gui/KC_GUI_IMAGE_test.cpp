#include "gui/KC_GUI_IMAGE.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/gui_harness.h"

namespace {

using KOR::KC_GUI_IMAGE;

class GuiImage : public ::testing::Test {
 protected:
  GuiHarness harness;
};

TEST_F(GuiImage, FirstLoadBuildsACentredQuadOfTheTextureSize) {
  KC_GUI_IMAGE image(3, "image.png");
  EXPECT_EQ(image.kind, KOR::GUI_KIND_IMAGE);
  image.transform->pivot.x = 10;  // as a "TRANSFORM" would add
  image.transform->set_position(100, 50, 0);
  EXPECT_EQ(image.width(), 0.0f);

  image.load_resources();
  ASSERT_NE(image.quad, nullptr);
  EXPECT_EQ(image.quad->transform(), image.transform);
  EXPECT_EQ(image.width(), 40.0f);
  EXPECT_EQ(image.height(), 20.0f);
  EXPECT_EQ(image.transform->pivot.x, 20.0f);
  EXPECT_EQ(image.transform->pivot.y, 10.0f);
}

TEST_F(GuiImage, EnableAndDisableTwiceKeepsOneQuadAndBalancedReferences) {
  KC_GUI_IMAGE image(3, "image.png");
  image.load_resources();
  KOR::KC_QUAD* quad = image.quad.get();
  EXPECT_EQ(harness.refs("image.png"), 1);
  for (int round = 0; round < 2; ++round) {
    image.release_resources();
    EXPECT_EQ(harness.refs("image.png"), 0);
    EXPECT_EQ(image.quad->texture(), harness.default_texture());
    image.load_resources();
    EXPECT_EQ(harness.refs("image.png"), 1);
    EXPECT_NE(image.quad->texture(), harness.default_texture());
  }
  EXPECT_EQ(image.quad.get(), quad);
}

TEST_F(GuiImage, MissingTextureDrawsTheDefaultOne) {
  KC_GUI_IMAGE image(3, "no such picture.png");
  image.load_resources();
  ASSERT_NE(image.quad, nullptr);
  EXPECT_EQ(image.quad->texture(), harness.default_texture());
  image.draw();
  image.release_resources();
  EXPECT_EQ(image.quad->texture(), harness.default_texture());
}

TEST_F(GuiImage, PressAndReleaseAnswerOnlyOverTheRectangle) {
  KC_GUI_IMAGE image(3, "image.png");
  // Before the first load there is no hit area: null, code untouched.
  image.event.code = 5;
  EXPECT_EQ(image.on_release(), nullptr);
  EXPECT_EQ(image.code(), 5);

  image.load_resources();
  image.set_position(100, 50, 0);  // spans 80..120 x 40..60
  harness.point(90, 45);
  ASSERT_NE(image.on_press(), nullptr);
  EXPECT_EQ(image.code(), KOR::GUI_EVENT_DOWN);
  ASSERT_NE(image.on_release(), nullptr);
  EXPECT_EQ(image.code(), KOR::GUI_EVENT_UP);
  harness.point(130, 45);
  EXPECT_EQ(image.on_release(), nullptr);
  EXPECT_EQ(image.code(), KOR::GUI_EVENT_NONE);
}

TEST_F(GuiImage, AClickKeepsAnsweringUpdatesUntilAMissClearsIt) {
  KOR::KC_GUI_ROOT holder;
  KC_GUI_IMAGE* image = new KC_GUI_IMAGE(3, "image.png");
  KC_GUI_IMAGE* later = new KC_GUI_IMAGE(4, "image.png");
  holder.add(image);
  holder.add(later);
  holder.load_resources();
  image->set_position(100, 50, 0);
  later->set_position(100, 50, 0);
  harness.point(100, 50);
  ASSERT_NE(holder.on_release(), nullptr);
  later->event.code = 0;

  for (int frame = 0; frame < 3; ++frame) {
    KOR::KS_GUI_EVENT* e = holder.update();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->id, 3u);
  }
  harness.point(0, 0);
  image->on_press();
  EXPECT_EQ(holder.update(), nullptr);
}

TEST_F(GuiImage, SetSizeChangesThePictureButNotTheHitArea) {
  KC_GUI_IMAGE image(3, "image.png");
  image.set_size(80, 80);  // no quad yet: nothing
  image.load_resources();
  image.set_position(100, 50, 0);
  image.set_size(200, 200);
  EXPECT_EQ(image.width(), 200.0f);
  harness.point(150, 50);
  EXPECT_EQ(image.on_press(), nullptr);
  harness.point(110, 50);
  EXPECT_NE(image.on_press(), nullptr);
}

TEST_F(GuiImage, NewTextureNameRebuildsTheQuadAndMovesTheReference) {
  KC_GUI_IMAGE image(3, "image.png");
  image.set_texture_name("strip.png");  // before the first load: the name only
  EXPECT_EQ(harness.refs("strip.png"), 0);
  image.load_resources();
  EXPECT_EQ(image.width(), 100.0f);
  image.set_texture_name("image.png");
  EXPECT_EQ(harness.refs("strip.png"), 0);
  EXPECT_EQ(harness.refs("image.png"), 1);
  EXPECT_EQ(image.width(), 40.0f);
  EXPECT_EQ(image.transform->pivot.x, 20.0f);
  image.release_resources();
}

TEST_F(GuiImage, GivenTextureKeepsThePictureOnTheWidget) {
  KOR::KC_TEXTURE* texture = harness.default_texture();
  KC_GUI_IMAGE image(3, texture);
  ASSERT_NE(image.quad, nullptr);
  image.set_texture(texture);
  EXPECT_EQ(image.quad->transform(), image.transform);
}

TEST(GuiImageWithoutRenderer, LoadMakesNothingAndDrawsNothing) {
  KOR::KC_INPUT input;
  KC_GUI_IMAGE image(3, "image.png");
  image.load_resources();
  EXPECT_EQ(image.quad, nullptr);
  image.draw();
  image.release_resources();
  EXPECT_EQ(image.on_press(), nullptr);
}

}  // namespace
