#include "foundation/KS_MATRIX4.h"

#include <cmath>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

namespace {
// Cosine and sine in double precision, stored as float.
void cos_sin(float a, float& c, float& s) {
  c = static_cast<float>(std::cos(static_cast<double>(a)));
  s = static_cast<float>(std::sin(static_cast<double>(a)));
}

KS_MATRIX4 translation(float x, float y, float z) {
  KS_MATRIX4 t;
  t.set_translation(KS_VECTOR3(x, y, z));
  return t;
}

KS_MATRIX4 scaling(float x, float y, float z) {
  KS_MATRIX4 s;
  s.set_scaling(KS_VECTOR3(x, y, z));
  return s;
}

// Turns axis `from` towards axis `to` by a (0, 1, 2 for x, y, z): about z
// from x to y, about x from y to z, about y from z to x.
KS_MATRIX4 plane_rotation(int from, int to, float a) {
  float c, s;
  cos_sin(a, c, s);
  KS_MATRIX4 r;
  r.m[5 * from] = c;
  r.m[4 * from + to] = s;
  r.m[4 * to + from] = -s;
  r.m[5 * to] = c;
  return r;
}
}  // namespace

KS_MATRIX4::KS_MATRIX4() { set_identity(); }

KS_MATRIX4::KS_MATRIX4(float a0, float a1, float a2, float a3, float a4, float a5, float a6,
                       float a7, float a8, float a9, float a10, float a11, float a12, float a13,
                       float a14, float a15) {
  const float args[16] = {a0, a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14, a15};
  for (int k = 0; k < 16; ++k) m[4 * (k % 4) + k / 4] = args[k];
}

void KS_MATRIX4::set_identity() {
  for (int i = 0; i < 16; ++i) m[i] = (i % 5 == 0) ? 1.0f : 0.0f;
}

KS_MATRIX4 KS_MATRIX4::transpose() const {
  KS_MATRIX4 t;
  for (int r = 0; r < 4; ++r)
    for (int c = 0; c < 4; ++c) t.m[4 * c + r] = m[4 * r + c];
  return t;
}

void KS_MATRIX4::set_translation(const KS_VECTOR3& t) {
  set_identity();
  m[12] = t.x;
  m[13] = t.y;
  m[14] = t.z;
}

void KS_MATRIX4::set_translation_x(float x) { set_translation(KS_VECTOR3(x, 0.0f, 0.0f)); }
void KS_MATRIX4::set_translation_y(float y) { set_translation(KS_VECTOR3(0.0f, y, 0.0f)); }
void KS_MATRIX4::set_translation_z(float z) { set_translation(KS_VECTOR3(0.0f, 0.0f, z)); }

void KS_MATRIX4::set_scaling(const KS_VECTOR3& s) {
  set_identity();
  m[0] = s.x;
  m[5] = s.y;
  m[10] = s.z;
}

void KS_MATRIX4::set_rotation_z(float a) { *this = plane_rotation(0, 1, a); }
void KS_MATRIX4::set_rotation_y(float a) { *this = plane_rotation(2, 0, a); }
void KS_MATRIX4::set_rotation_x(float a) { *this = plane_rotation(1, 2, a); }

void KS_MATRIX4::set_rotation_axis(float a, KS_VECTOR3& axis) {
  axis.normalize();
  float c, s;
  cos_sin(a, c, s);
  const float t = 1.0f - c;
  const float x = axis.x, y = axis.y, z = axis.z;
  set_identity();
  m[0] = c + t * x * x;
  m[1] = t * x * y + s * z;
  m[2] = t * x * z - s * y;
  m[4] = t * x * y - s * z;
  m[5] = c + t * y * y;
  m[6] = t * y * z + s * x;
  m[8] = t * x * z + s * y;
  m[9] = t * y * z - s * x;
  m[10] = c + t * z * z;
}

KS_MATRIX4 KS_MATRIX4::operator+(const KS_MATRIX4& b) const {
  KS_MATRIX4 p;
  for (int i = 0; i < 16; ++i) p.m[i] = m[i] + b.m[i];
  return p;
}

KS_MATRIX4 KS_MATRIX4::operator-(const KS_MATRIX4& b) const {
  KS_MATRIX4 p;
  for (int i = 0; i < 16; ++i) p.m[i] = m[i] - b.m[i];
  return p;
}

KS_MATRIX4 KS_MATRIX4::operator*(float f) const {
  KS_MATRIX4 p;
  for (int i = 0; i < 16; ++i) p.m[i] = m[i] * f;
  return p;
}

KS_MATRIX4 KS_MATRIX4::operator*(const KS_MATRIX4& b) const {
  KS_MATRIX4 p;
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += b.m[4 * r + k] * m[4 * k + c];
      p.m[4 * r + c] = sum;
    }
  }
  return p;
}

KS_MATRIX4& KS_MATRIX4::operator*=(const KS_MATRIX4& b) { return *this = *this * b; }

void KS_MATRIX4::transform_point(KS_VECTOR3& v) const {
  const float x = v.x, y = v.y, z = v.z;
  v.x = x * m[0] + y * m[4] + z * m[8] + m[12];
  v.y = x * m[1] + y * m[5] + z * m[9] + m[13];
  v.z = x * m[2] + y * m[6] + z * m[10] + m[14];
}

void KS_MATRIX4::transform_direction(KS_VECTOR3& v) const {
  const float x = v.x, y = v.y, z = v.z;
  v.x = x * m[0] + y * m[4] + z * m[8];
  v.y = x * m[1] + y * m[5] + z * m[9];
  v.z = x * m[2] + y * m[6] + z * m[10];
}

KS_VECTOR3 KS_MATRIX4::rotate_point(const KS_VECTOR3& v) const {
  return {m[0] * v.x + m[1] * v.y + m[2] * v.z + m[3], m[4] * v.x + m[5] * v.y + m[6] * v.z + m[7],
          m[8] * v.x + m[9] * v.y + m[10] * v.z + m[11]};
}

// M <- step * M in the usual row-by-column reading, which is M * step with
// this type's operator.
void KS_MATRIX4::prepend(const KS_MATRIX4& step) { *this = *this * step; }

void KS_MATRIX4::translate(float x, float y, float z) { prepend(translation(x, y, z)); }
void KS_MATRIX4::translate_x(float x) { translate(x, 0.0f, 0.0f); }
void KS_MATRIX4::translate_y(float y) { translate(0.0f, y, 0.0f); }
void KS_MATRIX4::translate_z(float z) { translate(0.0f, 0.0f, z); }

void KS_MATRIX4::translate_by_position(const KS_TRANSFORM3& t) {
  translate(t.position.x, t.position.y, t.position.z);
}

void KS_MATRIX4::scale(float x, float y, float z) { prepend(scaling(x, y, z)); }
void KS_MATRIX4::scale_x(float x) { scale(x, 1.0f, 1.0f); }
void KS_MATRIX4::scale_y(float y) { scale(1.0f, y, 1.0f); }
void KS_MATRIX4::scale_z(float z) { scale(1.0f, 1.0f, z); }

void KS_MATRIX4::scale_by_transform(const KS_TRANSFORM3& t) {
  scale(t.scale.x, t.scale.y, t.scale.z);
}

void KS_MATRIX4::rotate_z(float a) { prepend(plane_rotation(0, 1, a)); }
void KS_MATRIX4::rotate_y(float a) { prepend(plane_rotation(2, 0, a)); }
void KS_MATRIX4::rotate_x(float a) { prepend(plane_rotation(1, 2, a)); }

void KS_MATRIX4::rotate(float rx, float ry, float rz) {
  if (rx != 0.0f) rotate_x(rx);
  if (ry != 0.0f) rotate_y(ry);
  if (rz != 0.0f) rotate_z(rz);
}

void KS_MATRIX4::rotate_by_transform(const KS_TRANSFORM3& t) {
  rotate(t.rotation.x, t.rotation.y, t.rotation.z);
}

void KS_MATRIX4::apply_transform3(const KS_TRANSFORM3& t) {
  translate_by_position(t);
  rotate_by_transform(t);
  scale_by_transform(t);
  translate(-t.pivot.x, -t.pivot.y, 0.0f);
}

}  // namespace KOR
