#include "gui/KC_GUI_PANEL9.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "support/gui_scene.h"

namespace {

using namespace gui_test;

// Corners 10 x 10, top and bottom edges 1 x 10, left and right edges 10 x 1,
// a 1 x 1 centre; the panel sits at (200, 100).
class Panel9 : public ::testing::Test {
 protected:
  Panel9() {
    const int sizes[9][2] = {{10, 10}, {1, 10},  {10, 10}, {10, 1}, {1, 1},
                             {10, 1},  {10, 10}, {1, 10},  {10, 10}};
    std::array<std::string, 9> names;
    for (int i = 0; i < 9; ++i) {
      names[i] = "slice" + std::to_string(i);
      scene.add_texture(names[i], sizes[i][0], sizes[i][1]);
    }
    panel = new KOR::KC_GUI_PANEL9(4, names);
    panel->set_position(200, 100, 0);
  }
  ~Panel9() override { delete panel; }

  // The bounding box of every slice drawn, as (left, top, right, bottom).
  std::array<float, 4> drawn_box() {
    panel->draw();
    scene.render.flush();
    std::array<float, 4> box{1e9f, 1e9f, -1e9f, -1e9f};
    for (const KOR::GPU_NULL::DRAW& d : scene.device->draws) {
      for (const auto& p : d.positions) {
        box = {std::min(box[0], p[0]), std::min(box[1], p[1]), std::max(box[2], p[0]),
               std::max(box[3], p[1])};
      }
    }
    scene.device->draws.clear();
    return box;
  }
  KOR::KC_QUAD* slice(int i) const { return panel->slices[i].get(); }

  GUI_SCENE scene;
  KOR::KC_GUI_PANEL9* panel;
};

TEST_F(Panel9, StretchesEdgesAndCentreAroundFixedCorners) {
  panel->load_resources();
  EXPECT_EQ(panel->kind, 15);
  EXPECT_EQ(panel->movable, 0);
  panel->set_size(100, 60);
  EXPECT_EQ(slice(4)->width(), 80.0f);
  EXPECT_EQ(slice(4)->height(), 40.0f);
  for (int edge : {1, 7}) EXPECT_EQ(slice(edge)->width(), 80.0f);
  for (int edge : {3, 5}) EXPECT_EQ(slice(edge)->height(), 40.0f);
  EXPECT_EQ(slice(0)->width(), 10.0f);
  EXPECT_EQ(drawn_box(), (std::array<float, 4>{150, 70, 250, 130}));
  EXPECT_EQ(slice(1)->render_state.addressing(), KOR::KS_RENDER_STATE::kWrapU);
  EXPECT_EQ(slice(3)->render_state.addressing(), KOR::KS_RENDER_STATE::kWrapV);
  EXPECT_EQ(slice(4)->render_state.addressing(), KOR::KS_RENDER_STATE::kWrapUV);
  EXPECT_EQ(slice(8)->render_state.addressing(), KOR::KS_RENDER_STATE::kClamp);
}

TEST_F(Panel9, NeverShrinksBelowItsCorners) {
  panel->load_resources();
  EXPECT_EQ(panel->width(), 20.0f);
  EXPECT_EQ(slice(4)->width(), 0.0f);
  panel->set_size(5, 5);
  EXPECT_EQ(panel->width(), 20.0f);
  EXPECT_EQ(panel->height(), 20.0f);
  EXPECT_EQ(drawn_box(), (std::array<float, 4>{190, 90, 210, 110}));
}

TEST_F(Panel9, ASizeAskedBeforeTheBuildStaysButNotBelowTheCorners) {
  panel->set_size(100, 5);
  panel->load_resources();
  EXPECT_EQ(panel->width(), 100.0f);
  EXPECT_EQ(panel->height(), 20.0f);
  EXPECT_EQ(slice(4)->height(), 0.0f);
}

TEST_F(Panel9, IsHitWhereItIsDrawn) {
  panel->load_resources();
  panel->set_size(100, 60);
  log_hooks(*panel);
  struct CASE {
    int x, y;
    bool inside;
  };
  for (const CASE& c :
       {CASE{151, 71, true}, CASE{249, 129, true}, CASE{149, 100, false}, CASE{200, 131, false}}) {
    scene.point(c.x, c.y);
    EXPECT_EQ(code_of(panel->on_pointer_move()), c.inside ? 3 : 0) << c.x << "," << c.y;
    scene.point(0, 0);
    panel->on_pointer_move();
  }
}

TEST_F(Panel9, TexturesGoBackOncePerSlice) {
  panel->load_resources();
  panel->release_resources();
  panel->release_resources();
  for (int i = 0; i < 9; ++i) EXPECT_EQ(scene.references("slice" + std::to_string(i)), 0);
  EXPECT_EQ(slice(4)->texture(), scene.default_texture());
  panel->load_resources();
  EXPECT_EQ(scene.references("slice4"), 1);
  EXPECT_EQ(panel->width(), 20.0f);
}

TEST(Panel9Unloaded, DrawsAndAnswersNothingBeforeTheBuild) {
  GUI_SCENE scene;
  KOR::KC_GUI_PANEL9 panel(1, {});
  panel.draw();
  panel.release_resources();
  EXPECT_EQ(panel.on_pointer_move(), nullptr);
  panel.load_resources();  // nine unknown names: the default texture everywhere
  EXPECT_EQ(panel.width(), 32.0f);
}

}  // namespace
