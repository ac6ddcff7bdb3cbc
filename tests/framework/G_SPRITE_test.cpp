#include "framework/G_SPRITE.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "foundation/KS_COLOR.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "platform/KC_INPUT.h"
#include "render/KC_TEXTURE.h"
#include "support/framework_resources.h"

using KOR_GF::G_SPRITE;

namespace {

constexpr const char* kPage = "graphics page.png";   // 64 × 32
constexpr const char* kBack = "graphics back1.png";  // 4 × 2

class Sprite : public ::testing::Test {
 protected:
  static void expect_quad(const G_SPRITE& s, float w, float h) {
    EXPECT_EQ(s.vertices[0].position.x, 0.0f);
    EXPECT_EQ(s.vertices[0].position.y, 0.0f);
    EXPECT_EQ(s.vertices[1].position.x, w);
    EXPECT_EQ(s.vertices[2].position.x, w);
    EXPECT_EQ(s.vertices[2].position.y, h);
    EXPECT_EQ(s.vertices[3].position.y, h);
  }
  static void expect_uv(const G_SPRITE& s, float u0, float v0, float u1, float v1) {
    EXPECT_FLOAT_EQ(s.vertices[0].u, u0);
    EXPECT_FLOAT_EQ(s.vertices[0].v, v0);
    EXPECT_FLOAT_EQ(s.vertices[2].u, u1);
    EXPECT_FLOAT_EQ(s.vertices[2].v, v1);
    EXPECT_FLOAT_EQ(s.vertices[1].u, u1);
    EXPECT_FLOAT_EQ(s.vertices[3].v, v1);
  }
  static void expect_pivot(const G_SPRITE& s, float x, float y) {
    EXPECT_FLOAT_EQ(s.transform()->pivot.x, x);
    EXPECT_FLOAT_EQ(s.transform()->pivot.y, y);
  }

  framework_test::FrameworkResources res;
};

TEST_F(Sprite, StartsUnloadedOnTheDefaultTextureWithSizeMinusOne) {
  G_SPRITE s;
  EXPECT_FALSE(s.has_texture());
  EXPECT_EQ(s.texture(), res.render.default_texture);
  EXPECT_EQ(s.width(), -1.0f);
  EXPECT_EQ(s.height(), -1.0f);
  EXPECT_EQ(s.hot_spot(), 0);
  expect_pivot(s, -0.5f, -0.5f);
  expect_quad(s, -1.0f, -1.0f);
  expect_uv(s, 0.0f, 0.0f, 1.0f, 1.0f);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(s.vertices[i].color.argb(), 0xFFFFFFFFu);
  EXPECT_EQ(s.num_indices, 6);
  EXPECT_TRUE(s.render_state.flag(KOR::KS_RENDER_STATE::kTextured));
  EXPECT_TRUE(s.render_state.flag(KOR::KS_RENDER_STATE::kAlphaBlend));
}

TEST_F(Sprite, LoadTakesOneReferenceAndTheTextureSizeUnloadGivesItBack) {
  {
    G_SPRITE s(kPage);
    EXPECT_EQ(res.references(kPage), 0);
    s.load();
    ASSERT_TRUE(s.has_texture());
    EXPECT_EQ(s.width(), 64.0f);
    EXPECT_EQ(s.height(), 32.0f);
    expect_quad(s, 64.0f, 32.0f);
    expect_pivot(s, 32.0f, 16.0f);
    EXPECT_EQ(res.references(kPage), 1);
    s.load();
    EXPECT_EQ(res.references(kPage), 1);
    s.unload();
    EXPECT_FALSE(s.has_texture());
    EXPECT_EQ(res.references(kPage), 0);
    // The size the texture gave stays for the next load.
    EXPECT_EQ(s.width(), 64.0f);
    s.unload();
    EXPECT_EQ(res.references(kPage), 0);
    s.load();
  }
  // Destroying a loaded sprite gives its reference back.
  EXPECT_EQ(res.references(kPage), 0);
}

TEST_F(Sprite, ASizeSetBeforeLoadingStaysAndStretchesTheTexture) {
  G_SPRITE s(kPage);
  s.set_size(100.0f, 50.0f);
  s.load();
  EXPECT_EQ(s.width(), 100.0f);
  EXPECT_EQ(s.height(), 50.0f);
  expect_quad(s, 100.0f, 50.0f);
  expect_uv(s, 0.0f, 0.0f, 1.0f, 1.0f);
}

// Nothing to load, or nothing usable: the sprite stays on the default
// texture, keeps its size of -1 and holds no reference.
TEST_F(Sprite, ALoadThatFindsNoUsableTextureLeavesTheSpriteUnloaded) {
  for (const char* name : {"", "graphics missing.png", "graphics broken.png", "no such repo x"}) {
    SCOPED_TRACE(name);
    G_SPRITE s(name);
    s.load();
    EXPECT_FALSE(s.has_texture());
    EXPECT_EQ(s.width(), -1.0f);
    EXPECT_LE(res.references(name), 0);
  }
  EXPECT_TRUE(res.is_loaded("graphics broken.png"));
}

TEST_F(Sprite, HotSpotsPlaceThePivotAndTheOffsetLastsUntilTheNextSizeChange) {
  struct Case {
    int code;
    float x, y;
  };
  const Case cases[] = {{0, 5, 10}, {1, 0, 0},  {2, 10, 0}, {3, 0, 20}, {4, 10, 20},
                        {5, 5, 0},  {6, 5, 20}, {7, 0, 10}, {8, 10, 10}};
  G_SPRITE s;
  s.set_size(10.0f, 20.0f);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    s.set_hot_spot(c.code, 1.0f, 2.0f);
    expect_pivot(s, c.x + 1.0f, c.y + 2.0f);
  }

  s.set_hot_spot(1, 5.0f, 5.0f);
  s.set_width(30.0f);
  expect_pivot(s, 0.0f, 0.0f);
  expect_quad(s, 30.0f, 20.0f);

  // An unknown code is kept and moves the pivot no more, also later on.
  s.set_hot_spot(2, 0.0f, 0.0f);
  for (int code : {9, -1}) {
    s.set_hot_spot(code, 0.0f, 0.0f);
    EXPECT_EQ(s.hot_spot(), code);
    s.set_height(40.0f);
    expect_pivot(s, 30.0f, 0.0f);
  }
}

TEST_F(Sprite, RenamingLoadsOnlyASpriteThatWasLoaded) {
  G_SPRITE s(kPage);
  s.set_texture_name(kBack);
  EXPECT_FALSE(s.has_texture());
  EXPECT_EQ(res.references(kBack), 0);

  s.load();
  s.set_texture_name(kPage);
  EXPECT_EQ(res.references(kBack), 0);
  EXPECT_EQ(res.references(kPage), 1);
  EXPECT_EQ(s.texture_name(), kPage);
  // The size the first texture gave stays.
  EXPECT_EQ(s.width(), 4.0f);
}

TEST_F(Sprite, GridFramesAndTextureRectangles) {
  G_SPRITE s(kPage);
  s.load();
  s.set_grid_frame(4, 2, 5);
  expect_uv(s, 0.25f, 0.5f, 0.5f, 1.0f);
  // Beyond the grid is allowed; a grid without cells changes nothing.
  s.set_grid_frame(2, 1, 3);
  expect_uv(s, 0.5f, 1.0f, 1.0f, 2.0f);
  s.set_grid_frame(0, 2, 1);
  s.set_grid_frame(2, 0, 1);
  expect_uv(s, 0.5f, 1.0f, 1.0f, 2.0f);

  s.set_uv_pixels(16, 8, 32, 32);
  expect_uv(s, 0.25f, 0.25f, 0.5f, 1.0f);
  s.set_size(16.5f, 8.9f);
  s.set_uv_to_size();
  expect_uv(s, 0.0f, 0.0f, 0.25f, 0.25f);
}

TEST_F(Sprite, PointerTestIncludesTheEdgesAndIgnoresScale) {
  KOR::KS_IVECTOR2 pointer;
  KOR::input_mouse_position = &pointer;
  G_SPRITE s;
  s.set_hot_spot(0, 0.0f, 0.0f);
  s.set_position(100.0f, 100.0f, 0.0f);
  pointer.set(100, 100);
  EXPECT_FALSE(s.is_pointer_inside()) << "a sprite of size -1 holds no point";

  s.set_size(20.0f, 10.0f);
  s.set_scale(3.0f, 3.0f, 1.0f);
  struct Case {
    int x, y;
    bool inside;
  };
  for (const Case& c : {Case{90, 95, true}, Case{110, 105, true}, Case{111, 100, false},
                        Case{100, 94, false}, Case{89, 100, false}}) {
    pointer.set(c.x, c.y);
    EXPECT_EQ(s.is_pointer_inside(), c.inside) << c.x << "," << c.y;
  }
  KOR::input_mouse_position = nullptr;
}

TEST_F(Sprite, XmlChildrenApplyInAFixedOrder) {
  pugi::xml_document doc;
  doc.load_string(
      "<sprite><SIZE>10 20</SIZE><TRANSFORM>7 8 0 3 3 0 0 0 0 2 2 1</TRANSFORM>"
      "<COLOR>128 255 0 0</COLOR><POS>1 2</POS><HOT_SPOT>HS_UL</HOT_SPOT>"
      "<FILE>graphics page.png</FILE></sprite>");
  G_SPRITE s(doc.child("sprite"));
  EXPECT_EQ(s.texture_name(), kPage);
  EXPECT_FALSE(s.has_texture());
  expect_quad(s, 10.0f, 20.0f);
  // The transform replaced the position and pivot; the size re-applied HS_UL.
  expect_pivot(s, 0.0f, 0.0f);
  EXPECT_EQ(s.transform()->position.x, 7.0f);
  EXPECT_EQ(s.transform()->scale.x, 2.0f);
  EXPECT_EQ(s.color().argb(), 0x80FF0000u);

  pugi::xml_document short_values;
  short_values.load_string("<s><POS>5</POS><COLOR>1 2 3</COLOR><SIZE>4</SIZE></s>");
  G_SPRITE t(short_values.child("s"));
  EXPECT_EQ(t.transform()->position.x, 0.0f);
  EXPECT_EQ(t.color().argb(), 0xFFFFFFFFu);
  expect_quad(t, 0.0f, 0.0f);

  t.load_xml(pugi::xml_node());
  expect_quad(t, 0.0f, 0.0f);
}

TEST_F(Sprite, CopiesShareOnlyATransformTheSourceDoesNotOwn) {
  G_SPRITE source(kBack);
  source.load();
  source.set_hot_spot(1, 0.0f, 0.0f);
  source.set_color(KOR::KS_COLOR(0xFF00FF00u));
  source.set_grid_frame(2, 2, 3);
  source.set_position(5.0f, 6.0f, 0.0f);

  G_SPRITE copy(source);
  EXPECT_NE(copy.transform(), source.transform());
  EXPECT_EQ(copy.transform()->position.x, 5.0f);
  EXPECT_TRUE(copy.has_texture());
  EXPECT_EQ(res.references(kBack), 2);
  EXPECT_EQ(copy.width(), 4.0f);
  EXPECT_EQ(copy.hot_spot(), 1);
  // Colour and frame are not copied.
  EXPECT_EQ(copy.color().argb(), 0xFFFFFFFFu);
  expect_uv(copy, 0.0f, 0.0f, 1.0f, 1.0f);

  KOR::KS_TRANSFORM3 shared;
  {
    G_SPRITE borrowed;
    borrowed = source;
    // In use but not owned: copies share it.
    borrowed.KC_MESH::set_transform(&shared);
    G_SPRITE sharer(borrowed);
    EXPECT_EQ(sharer.transform(), &shared);
    // Replacing a shared transform must not free it; an owned one is freed.
    sharer.set_transform(std::make_unique<KOR::KS_TRANSFORM3>());
    sharer.set_transform(std::make_unique<KOR::KS_TRANSFORM3>());
    EXPECT_NE(sharer.transform(), &shared);
  }
  EXPECT_EQ(res.references(kBack), 2);

  copy = copy;
  EXPECT_EQ(res.references(kBack), 2);
  G_SPRITE other(kPage);
  other.load();
  other = source;
  EXPECT_EQ(res.references(kPage), 0);
  EXPECT_EQ(res.references(kBack), 3);
}

TEST_F(Sprite, DrawsThroughTheParentChain) {
  KOR::KS_TRANSFORM3 parent;
  parent.set_position(100.0f, 50.0f, 0.0f);
  G_SPRITE s(kBack);
  s.load();
  s.set_hot_spot(1, 0.0f, 0.0f);
  s.set_position(10.0f, 0.0f, 0.0f);
  s.transform()->parent = &parent;
  res.render.begin_frame();
  s.draw();
  res.render.flush();
  ASSERT_EQ(res.gpu->draws.size(), 1u);
  const auto& p = res.gpu->draws[0].positions;
  ASSERT_EQ(p.size(), 4u);
  EXPECT_FLOAT_EQ(p[0][0], 110.0f);
  EXPECT_FLOAT_EQ(p[0][1], 50.0f);
  EXPECT_FLOAT_EQ(p[2][0], 114.0f);
  EXPECT_FLOAT_EQ(p[2][1], 52.0f);
  res.render.end_frame();
}

}  // namespace
