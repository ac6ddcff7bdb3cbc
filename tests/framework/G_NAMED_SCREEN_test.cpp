#include "framework/G_NAMED_SCREEN.h"

#include <gtest/gtest.h>

#include <memory>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_CHECKBOX5.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "support/widget_resources.h"

namespace {

using KOR_GF::G_NAMED_SCREEN;

// Pictures of their own size for sprites and a five-look strip for buttons
// and boxes, on the widget scene with its block font.
class NamedScreen : public gui_test::WidgetResources {
 protected:
  void SetUp() override {
    WidgetResources::SetUp();
    for (const char* name : {"a.png", "b.png", "c.png"}) add_texture(name, 40, 20);
    add_texture("button.png", 100, 20);
    screen = std::make_unique<G_NAMED_SCREEN>();
    KOR::frame_dt = 0.1f;
  }
  void TearDown() override {
    screen.reset();
    KOR::frame_dt = 0.0f;
    WidgetResources::TearDown();
  }
  // The textures of what one drawing of the screen hands the device.
  std::vector<KOR::GPU_TEXTURE*> drawn() {
    render.flush();
    device->draws.clear();
    screen->draw();
    render.flush();
    std::vector<KOR::GPU_TEXTURE*> textures;
    for (const auto& d : device->draws) textures.push_back(d.texture);
    return textures;
  }
  KOR::GPU_TEXTURE* texture(const std::string& name) {
    return static_cast<KOR::KC_TEXTURE*>(manager.find(name)->data)->texture;
  }

  std::unique_ptr<G_NAMED_SCREEN> screen;
};

TEST_F(NamedScreen, SlidesOutDownwardsAndInFromAboveInHalfASecond) {
  screen->add_sprite("s", "a.png", 100.0f, 50.0f, KOR::HS_UL, 0);
  screen->show();
  EXPECT_EQ(screen->state(), G_NAMED_SCREEN::SHOWN) << "shown already: no slide";
  screen->hide();
  screen->show();
  EXPECT_EQ(screen->state(), G_NAMED_SCREEN::SLIDING_OUT) << "sliding: show waits";
  for (int i = 0; i < 3; ++i) screen->update(true);
  EXPECT_NEAR(screen->root()->position().y, 614.4f, 0.01f);
  EXPECT_NEAR(screen->sprite_position("s").y, 664.4f, 0.01f);
  screen->update(true);
  screen->update(true);
  EXPECT_EQ(screen->state(), G_NAMED_SCREEN::HIDDEN);
  EXPECT_TRUE(drawn().empty());

  // A sprite moved after it was made slides from where it was made.
  screen->set_sprite_position("s", 300.0f, 300.0f);
  screen->show();
  EXPECT_EQ(screen->state(), G_NAMED_SCREEN::SLIDING_IN);
  EXPECT_FLOAT_EQ(screen->root()->position().y, -1024.0f);
  EXPECT_FLOAT_EQ(screen->sprite_position("s").x, 100.0f);
  EXPECT_FLOAT_EQ(screen->sprite_position("s").y, 50.0f - 1024.0f);
  screen->hide();
  EXPECT_EQ(screen->state(), G_NAMED_SCREEN::SLIDING_IN) << "sliding: hide waits";
  for (int i = 0; i < 5; ++i) screen->update(false);
  EXPECT_EQ(screen->state(), G_NAMED_SCREEN::SHOWN);
  EXPECT_FLOAT_EQ(screen->sprite_position("s").y, 50.0f);

  screen->set_visible(false);
  EXPECT_FALSE(screen->is_visible());
  screen->root()->set_position(0.0f, 30.0f, 0.0f);
  screen->set_state(G_NAMED_SCREEN::SHOWN);
  EXPECT_FLOAT_EQ(screen->root()->position().y, 0.0f);
}

TEST_F(NamedScreen, SpritesDrawLayerByLayerUnderTheWidgetsAndAreFoundUnderThePointer) {
  screen->add_sprite("a", "a.png", 100.0f, 100.0f, KOR::HS_UL, 2);
  screen->add_sprite("b", "b.png", 300.0f, 100.0f, KOR::HS_MID, 0);
  screen->add_sprite("c", "c.png", 500.0f, 100.0f, KOR::HS_DR, 0);
  screen->add_sprite("hidden", "c.png", 0.0f, 0.0f, KOR::HS_UL, -1);
  screen->add_button("ok", "button.png", 700.0f, 100.0f);
  EXPECT_EQ(drawn(), (std::vector<KOR::GPU_TEXTURE*>{texture("b.png"), texture("c.png"),
                                                     texture("a.png"), texture("button.png")}));
  screen->set_sprite_layer("b", 5);
  EXPECT_EQ(screen->sprite_layer("b"), 5);
  EXPECT_EQ(drawn(), (std::vector<KOR::GPU_TEXTURE*>{texture("c.png"), texture("a.png"),
                                                     texture("b.png"), texture("button.png")}));

  const struct {
    int x, y;
    const char* name;
  } cases[] = {
      {100, 100, "a"}, {140, 120, "a"}, {141, 120, ""},  // upper-left corner at the position
      {280, 90, "b"},  {320, 110, "b"}, {321, 110, ""},  // centred on it
      {490, 95, ""},                                     // other hot spots are never hit
  };
  for (const auto& c : cases) {
    point(c.x, c.y);
    EXPECT_EQ(screen->sprite_at_pointer(), c.name) << c.x << "," << c.y;
  }
  screen->set_sprite_scale("a", 2.0f, 1.0f);
  point(170, 110);
  EXPECT_EQ(screen->sprite_at_pointer(), "a") << "scaled twice as wide";
}

TEST_F(NamedScreen, SpritesHoldTheirPicturesUntilTheyGo) {
  screen->add_sprite("s", "a.png", 0.0f, 0.0f, KOR::HS_UL, 0);
  EXPECT_EQ(references("a.png"), 1);
  screen->add_sprite("s", "b.png", 0.0f, 0.0f, KOR::HS_UL, 0);
  EXPECT_EQ(references("a.png"), 0) << "the replaced sprite gives its picture back";
  EXPECT_EQ(screen->remove_sprite("s"), 1);
  EXPECT_EQ(screen->remove_sprite("s"), 0);
  EXPECT_EQ(references("b.png"), 0);
  EXPECT_EQ(screen->sprite("s"), nullptr);

  screen->add_sprite("t", "c.png", 0.0f, 0.0f, KOR::HS_UL, 0);
  screen->add_button("ok", "button.png", 0.0f, 0.0f);
  EXPECT_EQ(references("button.png"), 1) << "taken when made";
  screen->set_sprite_color("t", 300.0f, 10.5f, -4.0f, 255.0f);
  EXPECT_EQ(screen->sprite("t")->vertex_color(0), 0xFF0A00FFu) << "held to 0..255";
  screen->set_sprite_visible("t", false);
  EXPECT_EQ(screen->sprite("t")->vertex_color(0), 0x00FFFFFFu);
  screen->set_sprite_rotation("t", 90.0f);
  EXPECT_NEAR(screen->sprite_rotation("t"), 90.0f, 1e-4f);
  screen->set_sprite_size("t", 10.7f, 5.2f);
  EXPECT_FLOAT_EQ(screen->sprite("t")->width(), 10.0f);
  screen.reset();
  EXPECT_EQ(references("c.png"), 0);
  EXPECT_EQ(references("button.png"), 0);
}

TEST_F(NamedScreen, WidgetsTakeIdsInTurnWhateverTheirKind) {
  screen->add_button("ok", "button.png", 10.0f, 20.0f);
  screen->add_checkbox("sound", "button.png", true, 0.0f, 0.0f);
  screen->add_label("title", L"IL", 5.0f, 50.0f, screen->button("ok"), "font.xml", "font.png",
                    KOR::HS_MID);
  screen->add_linebox("name", "box.png", L"ILI", 300.0f, 200.0f, "font.xml", "font.png");
  EXPECT_EQ(screen->button_id("ok"), 0u);
  EXPECT_EQ(screen->root()->find(1)->kind, KOR::GUI_KIND_CHECKBOX5);
  KOR::KC_GUI_OBJECT* label = screen->button("ok")->children.at(0);
  EXPECT_EQ(label->id(), 2u) << "under its parent";
  EXPECT_FLOAT_EQ(label->transform->position.y, 40.0f) << "10 pixels up";
  EXPECT_EQ(screen->root()->find(3)->kind, KOR::GUI_KIND_LINEBOX);

  EXPECT_EQ(screen->button_size("ok"), KOR::KS_VECTOR2(20.0f, 20.0f));
  EXPECT_EQ(screen->button_position("ok"), KOR::KS_VECTOR2(10.0f, 20.0f));
  screen->disable_button("ok");
  EXPECT_EQ(screen->button("ok")->state, KOR::KC_GUI_BUTTON5::DISABLED);
  EXPECT_TRUE(screen->is_checkbox_checked("sound"));
  screen->set_checkbox_checked("sound", false);
  EXPECT_FALSE(screen->is_checkbox_checked("sound"));

  auto* box = static_cast<KOR::KC_GUI_LINEBOX*>(screen->root()->find(3));
  EXPECT_EQ(screen->linebox_text("name"), L"ILI");
  EXPECT_FALSE(box->is_allowed_char(L'@'));
  EXPECT_FALSE(box->is_allowed_char(L' '));
  EXPECT_TRUE(box->is_allowed_char(L'a'));
  EXPECT_TRUE(box->is_allowed_char(L'7'));
  EXPECT_EQ(box->forbidden_chars().size(), 32u);
  EXPECT_EQ(box->max_length(), 12u);

  // Names that no widget bears change nothing and answer nothing.
  screen->set_button_visible("none", false);
  screen->set_linebox_text("none", L"x");
  EXPECT_EQ(screen->button("none"), nullptr);
  EXPECT_EQ(screen->linebox_text("none"), L"");
  EXPECT_FALSE(screen->is_radio_checked("none"));
  EXPECT_EQ(screen->sprite_position("none"), KOR::KS_VECTOR2());
}

TEST_F(NamedScreen, ARadioGroupKeepsExactlyOneMemberChecked) {
  for (const char* name : {"one", "two", "three"}) {
    screen->add_radio(name, "button.png", false, 0.0f, 0.0f);
    screen->add_radio_to_group("speed", name);
  }
  EXPECT_EQ(screen->selected_radio("speed"), "one") << "the first member is selected";
  EXPECT_TRUE(screen->is_radio_checked("one"));

  screen->set_radio_checked("two", true);  // the user clicks the second
  screen->update_radio_group("speed");
  EXPECT_EQ(screen->selected_radio("speed"), "two");
  EXPECT_FALSE(screen->is_radio_checked("one"));

  screen->set_radio_checked("two", false);  // a click on the selection
  screen->update_radio_group("speed");
  EXPECT_TRUE(screen->is_radio_checked("two")) << "a radio button cannot be switched off";

  screen->add_radio("four", "button.png", true, 0.0f, 0.0f);
  screen->add_radio_to_group("speed", "four");
  EXPECT_EQ(screen->selected_radio("speed"), "four") << "a checked newcomer takes over";
  EXPECT_FALSE(screen->is_radio_checked("two"));
  screen->select_radio("speed", "three");
  EXPECT_TRUE(screen->is_radio_checked("three"));
  EXPECT_FALSE(screen->is_radio_checked("four"));
  EXPECT_EQ(screen->selected_radio("none"), "");
}

}  // namespace
