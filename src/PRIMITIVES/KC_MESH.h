#pragma once

#include <cstdint>
#include <memory>

#include "foundation/KS_RENDER_STATE.h"
#include "foundation/KS_VERTEX_LIST.h"

namespace KOR {

struct KC_TEXTURE;
struct KS_COLOR;
struct KS_TRANSFORM3;
struct KS_VERTEX;

// The engine's drawable: a vertex list with 16-bit indices, one texture (not
// owned), one render-state word and a transform, handed to the renderer.
// The vertex list head comes first, so behaviours that fade vertex colours
// take a mesh as its KS_VERTEX_LIST.
//
// The mesh frees what it owns: the vertex block it or a derived class
// allocated, and the transform it created. Swapping the transform in use
// (set_transform, replace_transform) never changes which transform is
// owned, so a caller may swap in a transform of its own and back without
// a leak or a double free.
class KC_MESH : public KS_VERTEX_LIST {
 public:
  KC_MESH() = default;
  // vertex_count new opaque-white vertices, owned by the mesh.
  KC_MESH(int vertex_count, KC_TEXTURE* texture, KS_TRANSFORM3* transform, uint16_t* indices,
          int index_count);
  // The given arrays and transform are used, not owned.
  KC_MESH(KS_VERTEX* vertices, int vertex_count, KC_TEXTURE* texture, KS_TRANSFORM3* transform,
          uint16_t* indices, int index_count);
  KC_MESH& operator=(const KC_MESH&) = delete;
  ~KC_MESH();

  KC_TEXTURE* texture() const { return texture_; }
  // -1 and nothing changed for a mesh without vertices; else the texture is
  // stored and the textured flag follows it.
  int set_texture(KC_TEXTURE* texture);
  void set_color(uint32_t argb) { KS_VERTEX_LIST::set_color(argb); }
  void set_color(const KS_COLOR& color);
  // Out-of-range indices are ignored.
  void set_vertex_color(uint32_t argb, int index);

  // Transform values; a mesh without a transform ignores the setters and
  // reads scale 1.
  float scale_x() const;
  float scale_y() const;
  void set_position(float x, float y, float z);
  void set_rotation(float angle);
  // A y of 0 means y = x.
  void set_scale(float x, float y, float z);
  KS_TRANSFORM3* transform() const { return transform_; }
  // Non-null: used from now on, the previous pointer returned; null changes
  // nothing and returns null.
  KS_TRANSFORM3* replace_transform(KS_TRANSFORM3* transform);
  // Stores the pointer as it is (null too) and returns the previous one.
  KS_TRANSFORM3* set_transform(KS_TRANSFORM3* transform);
  // Every value but the parent; a mesh without a transform gets an identity
  // one of its own first.
  void copy_transform(const KS_TRANSFORM3& source);

  // World matrix from the transform alone (the parent is not applied).
  void draw();
  // World matrix from the transform and its whole parent chain.
  void draw_in_world();
  // With whatever world matrix the renderer holds.
  void draw_vertices();
  // As draw, but drawn at once instead of batched.
  void draw_immediate();
  // Once at another place and turn; the transform is left as it was.
  void draw_at(float x, float y, float angle, float scale_x, float scale_y);

  KS_RENDER_STATE render_state;

 protected:
  // For derived classes that copy: every value as the source has it; the
  // vertex block and the transform are duplicated for the copy where the
  // source owns the one it uses, else shared (see hold_transform_like).
  KC_MESH(const KC_MESH& other);

  // Frees the owned vertex block and owns `block` instead.
  void own_vertices(std::unique_ptr<KS_VERTEX[]> block, int count);
  // The transform in use becomes `transform`, owned by the mesh; a transform
  // owned before is freed.
  void own_transform(std::unique_ptr<KS_TRANSFORM3> transform);
  // The transform in use becomes `transform`, owned by its caller; a
  // transform owned before is freed unless it is the same one.
  void borrow_transform(KS_TRANSFORM3* transform);
  // A duplicate of the source's transform, owned, when the source owns the
  // one it uses; else the source's transform itself, borrowed.
  void hold_transform_like(const KC_MESH& source);
  // The owned transform, if any, is no longer the mesh's to free.
  std::unique_ptr<KS_TRANSFORM3> give_up_transform();
  KS_TRANSFORM3* owned_transform() const { return owned_transform_.get(); }

  KC_TEXTURE* texture_ = nullptr;
  KS_TRANSFORM3* transform_ = nullptr;

 private:
  void submit();

  std::unique_ptr<KS_VERTEX[]> owned_vertices_;
  std::unique_ptr<KS_TRANSFORM3> owned_transform_;
};

}  // namespace KOR
