#include "foundation/KS_VERTEX_LIST.h"

#include <gtest/gtest.h>

#include "foundation/KS_MATRIX4.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "vector_expect.h"

using KOR::KS_VECTOR3;
using KOR::KS_VERTEX;
using KOR::KS_VERTEX_LIST;

namespace {
constexpr float kPi = 3.1415927f;

// A list that owns its arrays for the length of a test.
struct OwnedList : KS_VERTEX_LIST {
  explicit OwnedList(int count) { allocate_vertices(count); }
  ~OwnedList() {
    release_vertices();
    delete[] indices;
  }
};

using foundation_test::expect_near;
}  // namespace

TEST(KS_VERTEX, SettersAndMatrixTransform) {
  KS_VERTEX v;
  v.set_position(1, 2, 3);
  v.set_color(0x80112233u);
  v.set_uv(0.25f, 0.75f);
  KOR::KS_MATRIX4 m;
  m.set_translation(KS_VECTOR3(10, 20, 30));
  v.transform(m);
  EXPECT_TRUE(v.position == KS_VECTOR3(11, 22, 33));
  EXPECT_EQ(v.color.argb(), 0x80112233u);
  EXPECT_EQ(v.u, 0.25f);
  EXPECT_EQ(v.v, 0.75f);
}

TEST(KS_VERTEX_LIST, AllocationGivesOpaqueWhiteVertices) {
  OwnedList list(3);
  EXPECT_FALSE(list.is_empty());
  EXPECT_EQ(list.vertex_count(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(list.vertex_at(i)->color.argb(), 0xFFFFFFFFu);
  list.set_color(0x11223344u);
  EXPECT_EQ(list.color(), 0x11223344u);
  list.allocate_vertices(2);  // frees the old array (the sanitizer checks)
  EXPECT_EQ(list.vertex_count(), 2);
  EXPECT_EQ(list.color(), 0xFFFFFFFFu);
}

TEST(KS_VERTEX_LIST, IndexesOutsideTheListAreRefused) {
  OwnedList list(4);
  EXPECT_EQ(list.vertex_at(3), list.vertices + 3);
  EXPECT_EQ(list.vertex_at(4), nullptr);
  EXPECT_EQ(list.vertex_at(-1), nullptr);

  KS_VERTEX_LIST empty;
  EXPECT_TRUE(empty.is_empty());
  EXPECT_EQ(empty.vertex_at(0), nullptr);
  EXPECT_EQ(empty.color(), 0xFFFFFFFFu);
  empty.copy_first_to_last();  // nothing to copy: no write through a null array
  EXPECT_TRUE(empty.is_empty());
}

TEST(KS_VERTEX_LIST, CopyFirstToLast) {
  OwnedList list(3);
  list.vertices[0].set_position(1, 2, 3);
  list.vertices[0].set_uv(0.5f, 0.5f);
  list.copy_first_to_last();
  EXPECT_TRUE(list.vertices[2].position == KS_VECTOR3(1, 2, 3));
  EXPECT_EQ(list.vertices[2].u, 0.5f);
  EXPECT_TRUE(list.vertices[1].position == KS_VECTOR3());
}

TEST(KS_VERTEX_LIST, PositionPasses) {
  OwnedList list(2);
  list.vertices[0].set_position(1, 0, 0);
  list.vertices[1].set_position(2, 4, 6);
  list.translate(1, 1, 1);
  EXPECT_TRUE(list.vertices[1].position == KS_VECTOR3(3, 5, 7));
  list.scale_about(1, 1, 1, 2, 3, 4);
  EXPECT_TRUE(list.vertices[1].position == KS_VECTOR3(5, 13, 25));
  EXPECT_TRUE(list.vertices[0].position == KS_VECTOR3(3, 1, 1));

  OwnedList r(1);
  r.vertices[0].set_position(1, 0, 0);
  r.rotate_positions(0, 0, kPi / 2);
  expect_near(r.vertices[0].position, 0, 1, 0);
  // z first, then x (whose sense is z' = c*z - s*y): (1, 0, 0) -> (0, 1, 0)
  // -> (0, 0, -1).
  r.vertices[0].set_position(1, 0, 0);
  r.rotate_positions(kPi / 2, 0, kPi / 2);
  expect_near(r.vertices[0].position, 0, 0, -1);
  r.vertices[0].set_position(0, 0, 1);
  r.rotate_positions(0, kPi / 2, 0);
  expect_near(r.vertices[0].position, -1, 0, 0);
}

TEST(KS_VERTEX_LIST, ApplyTransform) {
  OwnedList list(1);
  list.vertices[0].set_position(1, 1, 0);
  KOR::KS_TRANSFORM3 t;
  t.set_position(10, 0, 0);
  t.set_scale(2, 2, 1);
  list.apply_transform(t);
  EXPECT_TRUE(list.vertices[0].position == KS_VECTOR3(22, 2, 0));

  // Translate, then turn about the origin, then scale about the pivot.
  list.vertices[0].set_position(1, 0, 0);
  t.set_position(1, 0, 0);
  t.set_rotation(0, 0, kPi / 2);
  t.set_pivot(0, 1, 0);
  t.set_scale(3, 3, 1);
  list.apply_transform(t);
  expect_near(list.vertices[0].position, 0, 4, 0);
}

TEST(KS_VERTEX_LIST, TextureCoordinatePasses) {
  OwnedList list(2);
  list.vertices[0].set_uv(0, 0);
  list.vertices[1].set_uv(1, 0);
  list.move_uv(0.5f, 0.25f);
  EXPECT_EQ(list.vertices[1].u, 1.5f);
  EXPECT_EQ(list.vertices[1].v, 0.25f);
  list.scale_uv_about(0.5f, 0.25f, 2, 2);
  EXPECT_EQ(list.vertices[1].u, 2.5f);
  EXPECT_EQ(list.vertices[0].u, 0.5f);
  list.rotate_uv_about(kPi / 2, 0.5f, 0.25f);
  EXPECT_NEAR(list.vertices[1].u, 0.5f, 1e-5f);
  EXPECT_NEAR(list.vertices[1].v, 2.25f, 1e-5f);
  list.rotate_uv_about(0, 0, 0);
  EXPECT_NEAR(list.vertices[1].v, 2.25f, 1e-5f);
}

TEST(KS_VERTEX_LIST, CopyFromMakesOwnArrays) {
  OwnedList source(2);
  source.vertices[1].set_position(4, 5, 6);
  source.vertices[1].set_color(0x01020304u);
  source.indices = new uint16_t[3]{0, 1, 1};
  source.num_indices = 3;

  OwnedList copy(0);
  copy.release_vertices();
  copy.copy_from(source);
  ASSERT_NE(copy.vertices, source.vertices);
  ASSERT_NE(copy.indices, source.indices);
  EXPECT_EQ(copy.vertex_count(), 2);
  EXPECT_EQ(copy.index_count(), 3);
  EXPECT_TRUE(copy.vertices[1].position == KS_VECTOR3(4, 5, 6));
  EXPECT_EQ(copy.vertices[1].color.argb(), 0x01020304u);
  EXPECT_EQ(copy.indices[2], 1);

  // Counts without arrays do not survive the copy.
  KS_VERTEX_LIST broken(nullptr, 5, nullptr, 6);
  KS_VERTEX_LIST none;
  none.copy_from(broken);
  EXPECT_EQ(none.vertex_count(), 0);
  EXPECT_EQ(none.index_count(), 0);
}
