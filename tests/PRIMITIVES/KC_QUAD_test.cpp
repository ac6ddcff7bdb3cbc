#include "PRIMITIVES/KC_QUAD.h"

#include <gtest/gtest.h>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "support/null_render.h"

namespace KOR {
namespace {

using primitives_test::NullRender;

struct UV {
  float u, v;
  bool operator==(const UV&) const = default;
};

UV uv(const KC_QUAD& q, int i) { return {q.vertices[i].u, q.vertices[i].v}; }

TEST(KC_QUAD, AQuadOnATextureCoversItWithAnOwnedIdentityTransform) {
  NullRender r;
  KC_QUAD q(r.texture(64, 32), nullptr);
  const float expected[4][2] = {{0, 0}, {64, 0}, {64, 32}, {0, 32}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(q.vertices[i].position, KS_VECTOR3(expected[i][0], expected[i][1], 0)) << i;
    EXPECT_EQ(uv(q, i), (UV{expected[i][0] / 64, expected[i][1] / 32})) << i;
    EXPECT_EQ(q.vertex_color(i), 0xFFFFFFFFu);
  }
  ASSERT_NE(q.transform(), nullptr);
  EXPECT_EQ(q.transform()->position, KS_VECTOR3(0, 0, 0));
  EXPECT_EQ(q.transform()->scale, KS_VECTOR3(1, 1, 1));
  EXPECT_EQ(q.render_state.word, 0x2432u);
  EXPECT_EQ(q.index_count(), 6);
  EXPECT_EQ(q.indices[5], 3);
}

TEST(KC_QUAD, RegionsTruncateTheirSizeAndANullTextureIsRefused) {
  NullRender r;
  KC_TEXTURE* tex = r.texture(64, 64);
  KC_QUAD q(tex, nullptr);
  KS_TEXTURE_REGION region{tex, 10.9f, 20.2f, 0.25f, 0.75f, 0.5f, 0.5f, false};
  ASSERT_EQ(q.set_texture_region(&region, nullptr), 1);
  EXPECT_EQ(q.width(), 10.0f);
  EXPECT_EQ(q.height(), 20.0f);
  EXPECT_EQ(uv(q, 0), (UV{0.5f, 0.25f}));
  EXPECT_EQ(uv(q, 2), (UV{0.75f, 0.5f}));

  region.texture = nullptr;
  EXPECT_EQ(q.set_texture_region(&region, nullptr), -1);
  EXPECT_EQ(q.set_texture_region(nullptr, nullptr), -1);
  EXPECT_EQ(q.set_texture(nullptr), -1);
  EXPECT_EQ(q.texture(), tex);
  EXPECT_EQ(q.width(), 10.0f);

  // A quad that never got a texture has no transform; placing it is a no-op.
  KC_QUAD empty(nullptr, nullptr);
  empty.set_hot_spot(HS_MID);
  empty.setup(1, 2, 0, 0, 1, 1, 3, 4);
  EXPECT_EQ(empty.transform(), nullptr);
}

TEST(KC_QUAD, RotatedRegionsExchangeTheAxes) {
  NullRender r;
  KC_TEXTURE* tex = r.texture(64, 64);
  KC_QUAD q(tex, nullptr);
  KS_TEXTURE_REGION region{tex, 32, 32, 0.0f, 1.0f, 0.5f, 0.5f, true};
  q.set_texture_region(&region, nullptr);
  EXPECT_EQ(uv(q, 0), (UV{0.5f, 0.5f}));
  EXPECT_EQ(uv(q, 1), (UV{0.5f, 0.0f}));
  EXPECT_EQ(uv(q, 2), (UV{1.0f, 0.0f}));
  EXPECT_EQ(uv(q, 3), (UV{1.0f, 0.5f}));
}

TEST(KC_QUAD, GridFramesPickCellsAndResizeOnlyOnce) {
  NullRender r;
  KC_QUAD q(r.texture(128, 64), nullptr);
  q.set_grid_frame(4, 2, 5, false);
  EXPECT_EQ(uv(q, 0), (UV{0.25f, 0.5f}));
  EXPECT_EQ(uv(q, 2), (UV{0.5f, 1.0f}));
  EXPECT_EQ(q.width(), 128.0f);

  q.set_grid_frame(4, 2, 5, true);
  EXPECT_EQ(q.width(), 32.0f);
  EXPECT_EQ(q.height(), 32.0f);
  // Every later frame of the sheet keeps the cell size.
  q.set_grid_frame(4, 2, 6, true);
  EXPECT_EQ(q.width(), 32.0f);
  EXPECT_EQ(q.height(), 32.0f);
  // Another grid on the same sheet is cut from the sheet, not the cell.
  q.set_grid_frame(2, 1, 1, true);
  EXPECT_EQ(q.width(), 64.0f);
  EXPECT_EQ(q.height(), 64.0f);
  // A size set by hand since then is the new base.
  q.set_size(40, 40);
  q.set_grid_frame(2, 2, 0, true);
  EXPECT_EQ(q.width(), 20.0f);

  // No columns or no rows: nothing changes, nothing is divided.
  const UV before = uv(q, 2);
  q.set_grid_frame(0, 2, 1, true);
  q.set_grid_frame(2, 0, 1, true);
  q.set_grid_frame(-1, -1, 1, true);
  EXPECT_EQ(uv(q, 2), before);
  EXPECT_EQ(q.width(), 20.0f);
}

TEST(KC_QUAD, HotSpotsPutTheirPointOnThePosition) {
  NullRender r;
  KC_QUAD q(r.texture(100, 50), nullptr);
  q.set_position(200, 100, 0);
  // Where the upper left corner lands for each hot spot.
  const float corner[9][2] = {{150, 75},  {200, 100}, {100, 100}, {200, 50}, {100, 50},
                              {150, 100}, {150, 50},  {200, 75},  {100, 75}};
  for (unsigned type = 0; type < 9; ++type) {
    q.set_hot_spot(type);
    q.draw();
    const auto p = r.drawn();
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0], (std::array<float, 3>{corner[type][0], corner[type][1], 0})) << type;
    EXPECT_EQ(p[2], (std::array<float, 3>{corner[type][0] + 100, corner[type][1] + 50, 0}));
  }
  q.set_hot_spot(HS_MID, 5, 6);
  EXPECT_EQ(q.transform()->pivot, KS_VECTOR3(55, 31, 0));
  q.set_hot_spot(9);
  EXPECT_EQ(q.hot_spot(), 9u);
  EXPECT_EQ(q.transform()->pivot, KS_VECTOR3(55, 31, 0));
}

TEST(KC_QUAD, TextureCoordinateHelpers) {
  NullRender r;
  KC_QUAD q(r.texture(64, 32), nullptr);
  q.inset_uv(0);
  EXPECT_EQ(uv(q, 0), (UV{0.01f, 0.01f}));
  EXPECT_EQ(uv(q, 1), (UV{1 - 0.01f, 0.01f}));
  EXPECT_EQ(uv(q, 2), (UV{1 - 0.01f, 1 - 0.01f}));
  EXPECT_EQ(uv(q, 3), (UV{0.01f, 1 - 0.01f}));

  q.set_size(16, 8);
  q.fit_uv_to_texture();
  EXPECT_EQ(uv(q, 2), (UV{0.25f, 0.25f}));
  q.set_uv_pixels(8, 8, 32, 16);
  EXPECT_EQ(uv(q, 0), (UV{0.125f, 0.25f}));
  EXPECT_EQ(uv(q, 2), (UV{0.5f, 0.5f}));
  q.set_uv_corners_rotated(0.1f, 0.2f, 0.3f, 0.4f);
  EXPECT_EQ(uv(q, 0), (UV{0.1f, 0.4f}));
  EXPECT_EQ(uv(q, 1), (UV{0.1f, 0.2f}));
  // A region without extent leaves the coordinates alone.
  q.set_region(0.5f, 0.5f, 0.5f, 0.5f);
  q.fit_uv_to_region();
  EXPECT_EQ(uv(q, 0), (UV{0.1f, 0.4f}));
}

TEST(KC_QUAD, CopiesOwnTheirTransformOnlyWhenTheSourceDid) {
  NullRender r;
  KC_TEXTURE* tex = r.texture(64, 64);
  KS_TRANSFORM3 shared;
  KC_QUAD borrowed(tex, &shared);
  KC_QUAD owner(tex, nullptr);
  KS_TEXTURE_REGION region{tex, 16, 16, 0.25f, 0.5f, 0.25f, 0.5f, false};
  owner.set_texture_region(&region, nullptr);
  owner.set_hot_spot(HS_MID);
  owner.set_color(0x80FF0000u);
  {
    KC_QUAD copy(owner);
    ASSERT_NE(copy.transform(), owner.transform());
    EXPECT_EQ(copy.transform()->pivot, KS_VECTOR3(8, 8, 0));
    EXPECT_EQ(copy.width(), 16.0f);
    EXPECT_EQ(uv(copy, 0), uv(owner, 0));
    EXPECT_EQ(copy.vertex_color(2), 0x80FF0000u);
    KC_QUAD copy_of_borrowed(borrowed);
    EXPECT_EQ(copy_of_borrowed.transform(), &shared);
  }
  // The copies are gone; the originals' transforms are still alive.
  owner.set_position(1, 1, 0);
  borrowed.set_position(1, 1, 0);
  EXPECT_EQ(shared.position.x, 1.0f);
}

TEST(KC_QUAD, TransformHandOverHasOneOwner) {
  NullRender r;
  KC_TEXTURE* tex = r.texture(8, 8);
  KC_QUAD q(tex, nullptr);
  KS_TRANSFORM3* own = q.transform();
  // Given back its own transform, the quad keeps it.
  q.set_texture(tex, own);
  EXPECT_EQ(q.transform(), own);
  // use_transform hands the owned transform over to its caller.
  KS_TRANSFORM3 mine;
  KS_TRANSFORM3* handed = q.use_transform(&mine);
  EXPECT_EQ(handed, own);
  delete handed;
  EXPECT_EQ(q.use_transform(nullptr), nullptr);
  EXPECT_EQ(q.transform(), &mine);
  // A null transform makes a fresh owned one again.
  q.set_texture(tex, nullptr);
  EXPECT_NE(q.transform(), &mine);
}

TEST(KC_QUAD, SetupPlacesACutOfTheQuadByItsUpperLeftCornerInTheWorld) {
  NullRender r;
  KS_TRANSFORM3 parent;
  parent.set_position(1000, 0, 0);
  KC_QUAD q(r.texture(64, 64), nullptr);
  q.set_hot_spot(HS_MID);
  q.transform()->parent = &parent;
  q.setup(10, 20, 0.25f, 0.0f, 0.5f, 0.25f, 16, 16);
  const auto p = r.drawn();
  ASSERT_EQ(p.size(), 4u);
  EXPECT_EQ(p[0], (std::array<float, 3>{1010, 20, 0}));
  EXPECT_EQ(p[2], (std::array<float, 3>{1026, 36, 0}));
  EXPECT_EQ(q.hot_spot(), unsigned(HS_UL));
}

TEST(KC_QUAD, FilterFollowsTurnAndScale) {
  NullRender r;
  KC_QUAD q(r.texture(8, 8), nullptr);
  EXPECT_EQ(q.choose_filter(), 0);
  EXPECT_EQ(q.render_state.filter(), 0u);
  q.set_rotation(0.5f);
  EXPECT_EQ(q.choose_filter(), 1);
  EXPECT_EQ(q.render_state.filter(), 3u);
  q.set_address_mode(7);
  EXPECT_EQ(q.render_state.addressing(), 3u);
}

}  // namespace
}  // namespace KOR
