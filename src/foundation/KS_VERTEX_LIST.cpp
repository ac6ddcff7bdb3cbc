#include "foundation/KS_VERTEX_LIST.h"

#include <algorithm>
#include <cmath>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"

namespace KOR {

namespace {
// One turn of rotate_positions: cosine and sine in double, used as float.
struct Turn {
  float c = 1.0f;
  float s = 0.0f;
  bool active = false;
  explicit Turn(float a)
      : c(static_cast<float>(std::cos(static_cast<double>(a)))),
        s(static_cast<float>(std::sin(static_cast<double>(a)))),
        active(a != 0.0f) {}
};

struct Turns {
  Turn x, y, z;
  Turns(float rx, float ry, float rz) : x(rx), y(ry), z(rz) {}

  void apply(KS_VECTOR3& p) const {
    if (z.active) p.set(z.c * p.x - z.s * p.y, z.s * p.x + z.c * p.y, p.z);
    if (x.active) p.set(p.x, x.s * p.z + x.c * p.y, x.c * p.z - x.s * p.y);
    if (y.active) p.set(y.c * p.x - y.s * p.z, p.y, y.s * p.x + y.c * p.z);
  }
};
}  // namespace

KS_VERTEX* KS_VERTEX_LIST::vertex_at(int i) const {
  if (vertices == nullptr || i < 0 || i >= num_vertices) return nullptr;
  return vertices + i;
}

uint32_t KS_VERTEX_LIST::color() const {
  return num_vertices > 0 && vertices != nullptr ? vertices[0].color.argb() : 0xFFFFFFFFu;
}

void KS_VERTEX_LIST::set_color(uint32_t argb) {
  for (int i = 0; i < num_vertices; ++i) vertices[i].set_color(argb);
}

void KS_VERTEX_LIST::translate(float dx, float dy, float dz) {
  for (int i = 0; i < num_vertices; ++i) vertices[i].position += KS_VECTOR3(dx, dy, dz);
}

void KS_VERTEX_LIST::scale_about(float cx, float cy, float cz, float sx, float sy, float sz) {
  const KS_VECTOR3 c(cx, cy, cz);
  const KS_VECTOR3 s(sx, sy, sz);
  for (int i = 0; i < num_vertices; ++i) {
    KS_VECTOR3& p = vertices[i].position;
    p = c + s * (p - c);
  }
}

void KS_VERTEX_LIST::move_uv(float du, float dv) {
  for (int i = 0; i < num_vertices; ++i) {
    vertices[i].u += du;
    vertices[i].v += dv;
  }
}

void KS_VERTEX_LIST::scale_uv_about(float cu, float cv, float su, float sv) {
  for (int i = 0; i < num_vertices; ++i) {
    KS_VERTEX& w = vertices[i];
    w.u = cu + su * (w.u - cu);
    w.v = cv + sv * (w.v - cv);
  }
}

void KS_VERTEX_LIST::rotate_uv_about(float angle, float cu, float cv) {
  if (angle == 0.0f) return;
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  for (int i = 0; i < num_vertices; ++i) {
    KS_VERTEX& w = vertices[i];
    const float du = w.u - cu;
    const float dv = w.v - cv;
    w.u = cu + c * du - s * dv;
    w.v = cv + s * du + c * dv;
  }
}

void KS_VERTEX_LIST::rotate_positions(float rx, float ry, float rz) {
  const Turns turns(rx, ry, rz);
  for (int i = 0; i < num_vertices; ++i) turns.apply(vertices[i].position);
}

void KS_VERTEX_LIST::apply_transform(const KS_TRANSFORM3& t) {
  const Turns turns(t.rotation.x, t.rotation.y, t.rotation.z);
  for (int i = 0; i < num_vertices; ++i) {
    KS_VECTOR3& p = vertices[i].position;
    p += t.position;
    turns.apply(p);
    p = t.pivot + (p - t.pivot) * t.scale;
  }
}

void KS_VERTEX_LIST::copy_first_to_last() {
  if (vertices == nullptr || num_vertices < 1) return;
  vertices[num_vertices - 1] = vertices[0];
}

void KS_VERTEX_LIST::allocate_vertices(int count) {
  delete[] vertices;
  num_vertices = std::max(count, 0);
  vertices = new KS_VERTEX[num_vertices];  // each opaque white
}

void KS_VERTEX_LIST::copy_from(const KS_VERTEX_LIST& other) {
  // A count without its array is taken as 0 so that no later pass walks a
  // missing array.
  vertices = nullptr;
  indices = nullptr;
  num_vertices = other.vertices != nullptr ? std::max(other.num_vertices, 0) : 0;
  num_indices = other.indices != nullptr ? std::max(other.num_indices, 0) : 0;
  if (other.vertices != nullptr) {
    vertices = new KS_VERTEX[num_vertices];
    std::copy(other.vertices, other.vertices + num_vertices, vertices);
  }
  if (other.indices != nullptr) {
    indices = new uint16_t[num_indices];
    std::copy(other.indices, other.indices + num_indices, indices);
  }
}

void KS_VERTEX_LIST::release_vertices() {
  delete[] vertices;
  vertices = nullptr;
  num_vertices = 0;
}

}  // namespace KOR
