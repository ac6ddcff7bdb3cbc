#include "fieldview/CEffect_BonusList.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "fieldview/CEffect_Particle.h"
#include "level/CScene_Level.h"
#include "support/bot_harness.h"
#include "support/field_graphics_fixture.h"
#include "support/paths.h"

namespace {

using game::CEffect_Bonus;
using game::CEffect_BonusList;

class BonusTest : public puzzle_test::FieldGraphicsFixture {
 protected:
  void SetUp() override {
    FieldGraphicsFixture::SetUp();
    config_.load_string(
        "<config><fadeEffectTotalTime text=\"1\"/><fadeEffectDistance text=\"50\"/></config>");
  }

  // The game's orange number font on a page of the recording renderer.
  KOR::KC_FONT* orange_font() {
    description_.load_file(
        (test_support::runtime_dir() + "/Resources/fonts/font_cg_25_orange.xml").c_str());
    font_ = new KOR::KC_FONT(description_.document_element(), render.texture(256, 256), 600);
    return font_;
  }

  void TearDown() override {
    delete font_;
    FieldGraphicsFixture::TearDown();
  }

  pugi::xml_document description_;
  KOR::KC_FONT* font_ = nullptr;
};

TEST_F(BonusTest, APopUpRisesAndFadesOverItsTimeThenGoes) {
  bots_test::FrameTime dt(0.25f);
  CEffect_BonusList list;
  list.add(CEffect_Bonus::KIND_DESTRUCTION_ICON, 200.0f, 300.0f, 0);
  const CEffect_Bonus& icon = *list.effects().at(1);
  list.update(0);
  list.update(0);
  EXPECT_EQ(icon.current_x, 200.0f);
  EXPECT_EQ(icon.current_y, 275.0f);
  EXPECT_EQ(icon.color.a, 127);
  list.draw();
  const auto points = render.drawn();
  ASSERT_EQ(points.size(), 4u);
  EXPECT_NEAR((points[0][1] + points[1][1] + points[2][1] + points[3][1]) / 4.0f, 275.0f, 0.01f);
  list.update(0);
  EXPECT_EQ(list.count(), 1);
  list.update(0);  // p reaches 1: gone before it could be drawn spent
  EXPECT_EQ(list.count(), 0);
}

TEST_F(BonusTest, IconsComeFromTheirPicturesAndGiveTheirReferencesBack) {
  const std::string destruction = "graphics/main/interface destruction_icon.png";
  const std::string completion = "graphics/main/interface completion_icon.png";
  {
    CEffect_BonusList list;
    list.add(CEffect_Bonus::KIND_DESTRUCTION_ICON, 1.0f, 2.0f, 0);
    list.add(CEffect_Bonus::KIND_COMPLETION_ICON, 1.0f, 2.0f, 0);
    list.add(CEffect_Bonus::KIND_NUMBER, 1.0f, 2.0f, 5);
    EXPECT_EQ(references(destruction), 1);
    EXPECT_EQ(references(completion), 1);
    EXPECT_EQ(list.effects().at(3)->icon_sprite, nullptr);
  }
  EXPECT_EQ(references(destruction), 0);
  EXPECT_EQ(references(completion), 0);
}

TEST_F(BonusTest, NumbersStartRightOfThePointByTheirLengthAndLeaveTheFontAsItWas) {
  KOR::KC_FONT* font = orange_font();
  ASSERT_GT(font->glyph_count, 0);
  font->anchor = 1;
  font->set_color(0xFF123456u);
  struct Case {
    int value;
    int offset;
  } cases[] = {{7, 10}, {42, 15}, {150, 25}, {1200, 35}, {12345, 10}, {-5, 15}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    CEffect_BonusList list;
    list.add(CEffect_Bonus::KIND_NUMBER, 100.6f, 200.7f, c.value);
    CEffect_Bonus& pop = *list.effects().at(1);
    pop.font = font;
    pop.color.a = 200;
    pop.draw();
    const auto drawn = render.drawn();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(font->anchor, 1u);
    EXPECT_EQ(font->page()->vertex_color(0), 0xFF123456u);

    // The same text printed straight, centred, at the expected place.
    font->anchor = 0;
    font->print(100 + c.offset, 200, "%i", c.value);
    font->anchor = 1;
    EXPECT_EQ(drawn, render.drawn());
  }
}

TEST_F(BonusTest, NoTimeOrNoFontNeverDrawsAndNothingOverflows) {
  bots_test::FrameTime dt(0.0f);
  config_.load_string("<config/>");
  CEffect_BonusList list;
  list.add(CEffect_Bonus::KIND_NUMBER, 1.0f, 2.0f, 10);
  list.add(CEffect_Bonus::KIND_COMPLETION_ICON, 1.0f, 2.0f, 0);
  list.draw();  // no font: nothing
  list.update(0);
  EXPECT_EQ(list.count(), 0);
}

TEST_F(BonusTest, TheBoardsScrollMovesExplosionsButNotPopUps) {
  game::CScene_Level scene;
  scene.explosions->add(0, 10.0f, 20.0f);
  scene.bonuses->add(CEffect_Bonus::KIND_NUMBER, 10.0f, 20.0f, 3);
  const float y = scene.explosions->effects().at(1)->particles.at(1)->y;
  scene.spawn_effects(0.0f, 40.0f);
  EXPECT_EQ(scene.explosions->effects().at(1)->particles.at(1)->y, y + 40.0f);
  EXPECT_EQ(scene.bonuses->effects().at(1)->current_y, 20.0f);
}

}  // namespace
