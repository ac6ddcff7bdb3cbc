#pragma once

namespace KOR {

struct KS_MATRIX4;
struct KS_VECTOR3;

// The device-side matrix builders the renderer and camera need, for row
// vectors (a point is multiplied on the left) and a left-handed view.

// Roll about z first, then pitch about x, then yaw about y.
KS_MATRIX4 matrix_yaw_pitch_roll(float yaw, float pitch, float roll);
KS_MATRIX4 matrix_translation(float x, float y, float z);
KS_MATRIX4 matrix_scaling(float x, float y, float z);
KS_MATRIX4 matrix_look_at_lh(const KS_VECTOR3& eye, const KS_VECTOR3& at, const KS_VECTOR3& up);
KS_MATRIX4 matrix_perspective_fov_lh(float fov_y, float aspect, float near_plane, float far_plane);
// a applied to a point first, then b.
KS_MATRIX4 matrix_then(const KS_MATRIX4& a, const KS_MATRIX4& b);

}  // namespace KOR
