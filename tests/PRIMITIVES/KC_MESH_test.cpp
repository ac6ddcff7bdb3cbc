#include "PRIMITIVES/KC_MESH.h"

#include <gtest/gtest.h>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "support/null_render.h"

namespace KOR {
namespace {

using primitives_test::NullRender;

uint16_t triangle[3] = {0, 1, 2};

// A 10 x 10 right triangle with its corner at the origin.
KC_MESH* make_triangle(KS_TRANSFORM3* t) {
  KC_MESH* m = new KC_MESH(3, nullptr, t, triangle, 3);
  m->vertices[1].set_position(10, 0, 0);
  m->vertices[2].set_position(0, 10, 0);
  return m;
}

TEST(KC_MESH, CountingConstructorGivesOpaqueWhiteVerticesItFrees) {
  KC_MESH m(3, nullptr, nullptr, triangle, 3);
  ASSERT_EQ(m.vertex_count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(m.vertices[i].color.argb(), 0xFFFFFFFFu);
  EXPECT_EQ(m.render_state.word, 0u);
  m.set_vertex_color(0xFF00FF00u, 1);
  m.set_vertex_color(0xFF00FF00u, 3);  // past the end: ignored
  EXPECT_EQ(m.vertices[1].color.argb(), 0xFF00FF00u);
}

TEST(KC_MESH, TextureSetterFollowsTheTexturedFlagAndRefusesAMeshWithoutVertices) {
  NullRender r;
  KC_TEXTURE* tex = r.texture(4, 4);
  KC_MESH m(3, nullptr, nullptr, triangle, 3);
  EXPECT_EQ(m.set_texture(tex), 1);
  EXPECT_TRUE(m.render_state.flag(KS_RENDER_STATE::kTextured));
  EXPECT_EQ(m.set_texture(nullptr), 1);
  EXPECT_EQ(m.texture(), nullptr);
  EXPECT_FALSE(m.render_state.flag(KS_RENDER_STATE::kTextured));

  KC_MESH empty(nullptr, 0, tex, nullptr, nullptr, 0);
  empty.render_state.set_flag(KS_RENDER_STATE::kTextured, true);
  EXPECT_EQ(empty.set_texture(nullptr), -1);
  EXPECT_EQ(empty.texture(), tex);
  EXPECT_TRUE(empty.render_state.flag(KS_RENDER_STATE::kTextured));
}

TEST(KC_MESH, TransformSettersAndTheirNullCases) {
  KS_TRANSFORM3 t;
  KC_MESH m(3, nullptr, &t, triangle, 3);
  m.set_scale(2, 0, 1);
  EXPECT_EQ(t.scale, KS_VECTOR3(2, 2, 1));
  m.set_rotation(0.5f);
  m.set_position(1, 2, 3);
  EXPECT_EQ(t.rotation, KS_VECTOR3(0, 0, 0.5f));
  EXPECT_EQ(t.position, KS_VECTOR3(1, 2, 3));
  EXPECT_EQ(m.replace_transform(nullptr), nullptr);
  EXPECT_EQ(m.transform(), &t);

  // Without a transform the setters do nothing and the scale reads 1.
  KC_MESH bare(3, nullptr, nullptr, triangle, 3);
  bare.set_position(1, 2, 3);
  bare.set_scale(3, 3, 3);
  EXPECT_EQ(bare.scale_x(), 1.0f);
}

TEST(KC_MESH, SwappingTheTransformKeepsTheOwnedOneOwned) {
  KS_TRANSFORM3 source;
  source.set_position(5, 6, 7);
  KS_TRANSFORM3 parent;
  KC_MESH m(3, nullptr, nullptr, triangle, 3);
  // copy_transform makes an owned transform for a mesh without one.
  m.copy_transform(source);
  KS_TRANSFORM3* own = m.transform();
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(own->position, KS_VECTOR3(5, 6, 7));
  own->parent = &parent;
  source.parent = nullptr;
  m.copy_transform(source);
  EXPECT_EQ(own->parent, &parent);

  // A caller's transform swapped in and out, and one left in at the end:
  // the sanitizer reports a leak or double free if ownership moved.
  KS_TRANSFORM3 mine;
  EXPECT_EQ(m.set_transform(&mine), own);
  EXPECT_EQ(m.set_transform(own), &mine);
  EXPECT_EQ(m.replace_transform(&mine), own);
}

TEST(KC_MESH, DrawIgnoresTheParentAndDrawInWorldAppliesIt) {
  NullRender r;
  KS_TRANSFORM3 parent;
  parent.set_position(100, 0, 0);
  KS_TRANSFORM3 t;
  t.set_position(0, 50, 0);
  t.parent = &parent;
  KC_MESH* m = make_triangle(&t);
  m->draw();
  EXPECT_EQ(r.drawn()[1], (std::array<float, 3>{10, 50, 0}));
  m->draw_in_world();
  EXPECT_EQ(r.drawn()[1], (std::array<float, 3>{110, 50, 0}));
  delete m;
}

TEST(KC_MESH, DrawAtUsesTemporaryValuesAndRestoresEveryComponent) {
  NullRender r;
  KS_TRANSFORM3 t;
  t.set_position(1, 2, 3);
  t.set_rotation(0.1f, 0.2f, 0.3f);
  t.set_scale(4, 5, 6);
  KC_MESH* m = make_triangle(&t);
  m->draw_at(100, 200, 0.0f, 2.0f, 0.0f);
  const auto p = r.drawn();
  EXPECT_EQ(p[0], (std::array<float, 3>{100, 200, 0}));
  EXPECT_EQ(p[1], (std::array<float, 3>{120, 200, 0}));
  EXPECT_EQ(p[2], (std::array<float, 3>{100, 220, 0}));
  EXPECT_EQ(t.position, KS_VECTOR3(1, 2, 3));
  EXPECT_EQ(t.rotation, KS_VECTOR3(0.1f, 0.2f, 0.3f));
  EXPECT_EQ(t.scale, KS_VECTOR3(4, 5, 6));
  delete m;

  KC_MESH bare(3, nullptr, nullptr, triangle, 3);
  bare.draw_at(1, 1, 0, 1, 1);
  EXPECT_TRUE(r.drawn().empty());
}

}  // namespace
}  // namespace KOR
