#include "foundation/KS_TRANSFORM3.h"

#include <cmath>

#include "foundation/value_text.h"

namespace KOR {

namespace {
char text_buffer[256];

// A parent chain is finite by contract; a cyclic one is cut here instead of
// recursing until the stack is gone.
constexpr int kMaxChainDepth = 64;

// (x, y) relative to the world position w, turned back by w's rotation z.
void offset_from(const KS_TRANSFORM3& w, float& x, float& y) {
  if (w.rotation.z != 0.0f) rotate_point_about(w.position.x, w.position.y, x, y, -w.rotation.z);
  x -= w.position.x;
  y -= w.position.y;
}
}  // namespace

KS_TRANSFORM3 KS_TRANSFORM3::world(bool skip_position, bool skip_rotation, bool skip_scale) const {
  const KS_TRANSFORM3* chain[kMaxChainDepth];
  int depth = 0;
  for (const KS_TRANSFORM3* p = parent; p != nullptr && depth < kMaxChainDepth; p = p->parent) {
    chain[depth++] = p;
  }
  // Resolve from the top of the chain down; the flags apply to this
  // transform's own step only.
  KS_TRANSFORM3 above;
  bool has_above = false;
  for (int i = depth - 1; i >= 0; --i) {
    KS_TRANSFORM3 w = *chain[i];
    w.reserved = chain[i]->reserved;
    if (has_above) w.compose(above);
    above = w;
    has_above = true;
  }
  KS_TRANSFORM3 r = *this;
  r.reserved = reserved;
  if (has_above) r.compose(above, skip_position, skip_rotation, skip_scale);
  return r;
}

void KS_TRANSFORM3::compose(KS_TRANSFORM3 p, bool skip_position, bool skip_rotation,
                            bool skip_scale) {
  if (!skip_scale) {
    scale *= p.scale;
    position.x *= p.scale.x;
    position.y *= p.scale.y;
  }
  if (!skip_position) {
    position.x += p.position.x;
    position.y += p.position.y;
  }
  if (skip_rotation) return;
  rotate_point_about(p.position.x, p.position.y, position.x, position.y, p.rotation.z);
  rotation += p.rotation;
}

void KS_TRANSFORM3::compose_unscaled_offset(KS_TRANSFORM3 p) {
  position.x += p.position.x;
  position.y += p.position.y;
  rotate_point_about(p.position.x, p.position.y, position.x, position.y, p.rotation.z);
  scale *= p.scale;
  rotation += p.rotation;
}

void KS_TRANSFORM3::world_to_local_offset(float& x, float& y) const { offset_from(world(), x, y); }

void KS_TRANSFORM3::world_to_local(float& x, float& y) const {
  const KS_TRANSFORM3 w = world();
  offset_from(w, x, y);
  x += w.pivot.x;
  y += w.pivot.y;
}

const char* KS_TRANSFORM3::to_text() const {
  return value_text_write(text_buffer, sizeof text_buffer,
                          {position.x, position.y, position.z, pivot.x, pivot.y, pivot.z,
                           rotation.x, rotation.y, rotation.z, scale.x, scale.y, scale.z});
}

void KS_TRANSFORM3::parse(const std::string& text) {
  *this = KS_TRANSFORM3();
  value_text_read(text, {&position.x, &position.y, &position.z, &pivot.x, &pivot.y, &pivot.z,
                         &rotation.x, &rotation.y, &rotation.z, &scale.x, &scale.y, &scale.z});
}

void rotate_point_about(float cx, float cy, float& x, float& y, float angle) {
  if (angle == 0.0f) return;
  const float dx = x - cx;
  const float dy = y - cy;
  const float c = std::cos(angle);
  const float s = std::sin(angle);
  x = cx + dx * c - dy * s;
  y = cy + dy * c + dx * s;
}

void point_to_local(float& x, float& y, const KS_TRANSFORM3& t) {
  rotate_point_about(t.position.x, t.position.y, x, y, -t.rotation.z);
  x = (t.position.x - x + t.pivot.x) * t.scale.x;
  y = (t.position.y - y + t.pivot.y) * t.scale.y;
}

void world_to_local_offset(float& x, float& y, const KS_TRANSFORM3& t) {
  t.world_to_local_offset(x, y);
}

void world_to_local(float& x, float& y, const KS_TRANSFORM3& t) { t.world_to_local(x, y); }

}  // namespace KOR
