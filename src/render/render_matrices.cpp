#include "render/render_matrices.h"

#include <cmath>

#include "foundation/KS_MATRIX4.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

KS_MATRIX4 matrix_yaw_pitch_roll(float yaw, float pitch, float roll) {
  KS_MATRIX4 z, x, y;
  z.set_rotation_z(roll);
  x.set_rotation_x(pitch);
  y.set_rotation_y(yaw);
  return matrix_then(matrix_then(z, x), y);
}

KS_MATRIX4 matrix_translation(float x, float y, float z) {
  KS_MATRIX4 m;
  m.set_translation(KS_VECTOR3(x, y, z));
  return m;
}

KS_MATRIX4 matrix_scaling(float x, float y, float z) {
  KS_MATRIX4 m;
  m.set_scaling(KS_VECTOR3(x, y, z));
  return m;
}

KS_MATRIX4 matrix_look_at_lh(const KS_VECTOR3& eye, const KS_VECTOR3& at, const KS_VECTOR3& up) {
  KS_VECTOR3 z = at - eye;
  z.normalize();
  KS_VECTOR3 x = up.cross(z);
  x.normalize();
  const KS_VECTOR3 y = z.cross(x);
  KS_MATRIX4 m;
  m.m[0] = x.x, m.m[1] = y.x, m.m[2] = z.x;
  m.m[4] = x.y, m.m[5] = y.y, m.m[6] = z.y;
  m.m[8] = x.z, m.m[9] = y.z, m.m[10] = z.z;
  m.m[12] = -x.dot(eye), m.m[13] = -y.dot(eye), m.m[14] = -z.dot(eye);
  return m;
}

KS_MATRIX4 matrix_perspective_fov_lh(float fov_y, float aspect, float near_plane, float far_plane) {
  const float y_scale = 1.0f / std::tan(fov_y / 2.0f);
  KS_MATRIX4 m;
  m.m[0] = y_scale / aspect;
  m.m[5] = y_scale;
  m.m[10] = far_plane / (far_plane - near_plane);
  m.m[11] = 1.0f;
  m.m[14] = -near_plane * far_plane / (far_plane - near_plane);
  m.m[15] = 0.0f;
  return m;
}

KS_MATRIX4 matrix_then(const KS_MATRIX4& a, const KS_MATRIX4& b) { return b * a; }

}  // namespace KOR
