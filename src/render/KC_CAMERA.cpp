#include "render/KC_CAMERA.h"

#include <cmath>

#include "render/gpu.h"

namespace KOR {

KC_CAMERA::KC_CAMERA(GPU* gpu, float width, float height) : device(gpu) {
  eye = KS_VECTOR3((width + 1.0f) / 2.0f, -(height + 1.0f) / 2.0f,
                   -((height + 1.0f) / 2.0f) / std::tan(3.1415927f / 8.0f));
  eye_copy = eye;
  update_view();
}

void KC_CAMERA::update_view() {
  view_matrix.set_identity();
  forward.normalize();
  right = up.cross(forward);
  right.normalize();
  up = forward.cross(right);
  up.normalize();
  float* m = view_matrix.m;
  m[0] = right.x, m[1] = up.x, m[2] = forward.x, m[3] = 0.0f;
  m[4] = right.y, m[5] = up.y, m[6] = forward.y, m[7] = 0.0f;
  m[8] = right.z, m[9] = up.z, m[10] = forward.z, m[11] = 0.0f;
  m[12] = -eye.dot(right), m[13] = -eye.dot(up), m[14] = -eye.dot(forward), m[15] = 1.0f;
  if (device != nullptr) device->set_matrix(GPU_MATRIX::VIEW, view_matrix.data());
}

void KC_CAMERA::set_position(float x, float y, float z) {
  eye.set(x, y, z);
  eye_copy = eye;
  update_view();
}

void KC_CAMERA::set_eye_x(float value) { set_position(value, eye.y, eye.z); }

void KC_CAMERA::set_eye_y(float value) { set_position(eye.x, value, eye.z); }

void KC_CAMERA::set_eye_z(float value) { set_position(eye.x, eye.y, value); }

void KC_CAMERA::move(float a, float b, float c) {
  eye += forward * a + right * b + up * c;
  eye_copy = eye;
  update_view();
}

void KC_CAMERA::turn(KS_VECTOR3 axis, float angle, KS_VECTOR3& a, KS_VECTOR3& b) {
  KS_MATRIX4 m;
  m.set_rotation_axis(angle, axis);
  m.transform_direction(a);
  m.transform_direction(b);
}

void KC_CAMERA::turn_pitch(float angle) {
  pitch = angle;
  turn(right, angle, forward, up);
  update_view();
}

void KC_CAMERA::turn_yaw(float angle) {
  yaw = angle;
  turn(up, angle, forward, right);
  update_view();
}

void KC_CAMERA::turn_roll(float angle) {
  roll = angle;
  turn(forward, angle, right, up);
  update_view();
}

void KC_CAMERA::rotate(float dyaw, float dpitch, float droll) {
  yaw += dyaw;
  pitch += dpitch;
  roll += droll;
  turn(up, dyaw, forward, right);
  turn(right, dpitch, forward, up);
  turn(forward, droll, right, up);
  update_view();
}

void KC_CAMERA::set_angles(float new_yaw, float new_pitch, float new_roll) {
  yaw = new_yaw;
  pitch = new_pitch;
  roll = new_roll;
  forward = KS_VECTOR3(0.0f, 0.0f, 1.0f);
  up = KS_VECTOR3(0.0f, 1.0f, 0.0f);
  right = KS_VECTOR3(1.0f, 0.0f, 0.0f);
  update_view();
}

}  // namespace KOR
