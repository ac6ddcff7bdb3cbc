#pragma once

#include "foundation/KS_MATRIX4.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

class GPU;

// A free-flying view: eye and three orthonormal axes. Every change rebuilds
// the view matrix and hands it to the device. Turns are relative to the
// current axes; the stored angles only record what was asked.
class KC_CAMERA {
 public:
  KC_CAMERA(GPU* device, float width, float height);

  void update_view();
  void set_position(float x, float y, float z);
  void set_eye_x(float value);
  void set_eye_y(float value);
  void set_eye_z(float value);
  void move(float along_forward, float along_right, float along_up);
  void rotate(float yaw, float pitch, float roll);
  void turn_pitch(float angle);
  void turn_yaw(float angle);
  void turn_roll(float angle);
  void set_angles(float yaw, float pitch, float roll);
  KS_VECTOR3 right_axis() const { return right; }
  KS_VECTOR3 up_axis() const { return up; }
  KS_VECTOR3 forward_axis() const { return forward; }

  float pitch = 0.0f;
  float yaw = 0.0f;
  float roll = 0.0f;
  KS_VECTOR3 eye_copy;
  GPU* device = nullptr;
  KS_MATRIX4 view_matrix;
  KS_VECTOR3 eye;
  KS_VECTOR3 forward{0.0f, 0.0f, 1.0f};
  KS_VECTOR3 up{0.0f, 1.0f, 0.0f};
  KS_VECTOR3 right{1.0f, 0.0f, 0.0f};

 private:
  // Turns a and b by the angle about the axis.
  static void turn(KS_VECTOR3 axis, float angle, KS_VECTOR3& a, KS_VECTOR3& b);
};

}  // namespace KOR
