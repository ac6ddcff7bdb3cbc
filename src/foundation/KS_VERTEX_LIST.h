#pragma once

#include <cstdint>

namespace KOR {

struct KS_VERTEX;
struct KS_TRANSFORM3;

// Geometry head of every mesh: vertex and index arrays with their counts.
// The list does not free its arrays on destruction; the owning mesh does.
struct KS_VERTEX_LIST {
  KS_VERTEX* vertices = nullptr;
  int num_vertices = 0;
  uint16_t* indices = nullptr;
  int num_indices = 0;

  KS_VERTEX_LIST() = default;
  KS_VERTEX_LIST(KS_VERTEX* v, int count, uint16_t* idx, int index_count)
      : vertices(v), num_vertices(count), indices(idx), num_indices(index_count) {}

  void set_vertices(KS_VERTEX* v, int count) {
    vertices = v;
    num_vertices = count;
  }
  void set_indices(uint16_t* idx, int count) {
    indices = idx;
    num_indices = count;
  }
  int vertex_count() const { return num_vertices; }
  int index_count() const { return num_indices; }
  bool is_empty() const { return vertices == nullptr; }

  // Null for an index out of range.
  KS_VERTEX* vertex_at(int i) const;
  // Colour of vertex 0; opaque white for a list without vertices.
  uint32_t color() const;
  void set_color(uint32_t argb);

  void translate(float dx, float dy, float dz);
  // p <- c + s * (p - c), per component.
  void scale_about(float cx, float cy, float cz, float sx, float sy, float sz);
  void move_uv(float du, float dv);
  void scale_uv_about(float cu, float cv, float su, float sv);
  void rotate_uv_about(float angle, float cu, float cv);
  // Turns every position about the origin: about z, then x, then y.
  void rotate_positions(float rx, float ry, float rz);
  // Per vertex: add the position, turn by the rotation as rotate_positions
  // does, then scale about the pivot.
  void apply_transform(const KS_TRANSFORM3& t);

  // Vertex 0 onto the last vertex; nothing for a list without vertices.
  void copy_first_to_last();
  // Frees the old vertex array and allocates count opaque-white vertices.
  void allocate_vertices(int count);
  // Gives this list its own copies of the other list's arrays. Meant for an
  // empty list: arrays this list pointed to are not freed, since a list may
  // point at arrays it does not own.
  void copy_from(const KS_VERTEX_LIST& other);
  // Frees the vertex array and empties the list.
  void release_vertices();
};

}  // namespace KOR
