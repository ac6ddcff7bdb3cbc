#pragma once

namespace KOR {

struct KS_VECTOR3;
struct KS_TRANSFORM3;

// 4x4 float matrix as the device takes it: element 4r + c is row r, column
// c, points are row vectors multiplied on the left, so the translation sits
// in m[12..14].
struct KS_MATRIX4 {
  float m[16];

  // The identity.
  KS_MATRIX4();
  // Arguments taken column by column: argument k goes to element
  // 4 * (k % 4) + k / 4.
  KS_MATRIX4(float a0, float a1, float a2, float a3, float a4, float a5, float a6, float a7,
             float a8, float a9, float a10, float a11, float a12, float a13, float a14, float a15);

  static KS_MATRIX4 identity() { return {}; }
  void set_identity();
  float* data() { return m; }
  const float* data() const { return m; }
  KS_MATRIX4 transpose() const;

  // Builders: each starts from the identity.
  void set_translation(const KS_VECTOR3& t);
  void set_translation_x(float x);
  void set_translation_y(float y);
  void set_translation_z(float z);
  void set_scaling(const KS_VECTOR3& s);
  void set_rotation_z(float a);
  void set_rotation_y(float a);
  void set_rotation_x(float a);
  // Rotation by a about the axis; the caller's axis is normalised in place.
  void set_rotation_axis(float a, KS_VECTOR3& axis);

  KS_MATRIX4 operator+(const KS_MATRIX4& b) const;
  KS_MATRIX4 operator-(const KS_MATRIX4& b) const;
  KS_MATRIX4 operator*(float f) const;
  // P[4r + c] = sum over k of b[4r + k] * this[4k + c]: applied to a row
  // vector, b acts first and this second.
  KS_MATRIX4 operator*(const KS_MATRIX4& b) const;
  KS_MATRIX4& operator*=(const KS_MATRIX4& b);

  // v <- (x, y, z, 1) * M, no division by w.
  void transform_point(KS_VECTOR3& v) const;
  // v <- (x, y, z, 0) * M.
  void transform_direction(KS_VECTOR3& v) const;
  // The rows applied to v as a column vector, each plus its fourth element.
  KS_VECTOR3 rotate_point(const KS_VECTOR3& v) const;

  // In-place steps: each new step acts on a point before everything already
  // in the matrix.
  void translate(float x, float y, float z);
  void translate_x(float x);
  void translate_y(float y);
  void translate_z(float z);
  void translate_by_position(const KS_TRANSFORM3& t);
  void scale(float x, float y, float z);
  void scale_x(float x);
  void scale_y(float y);
  void scale_z(float z);
  void scale_by_transform(const KS_TRANSFORM3& t);
  void rotate_z(float a);
  void rotate_y(float a);
  void rotate_x(float a);
  // A point is turned about z first, then y, then x; zero angles are skipped.
  void rotate(float rx, float ry, float rz);
  void rotate_by_transform(const KS_TRANSFORM3& t);
  // Takes a point p of an object's geometry to ((p - pivot) * scale, turned
  // about z, y, x) + position; the pivot's z is ignored.
  void apply_transform3(const KS_TRANSFORM3& t);

 private:
  void prepend(const KS_MATRIX4& step);
};

}  // namespace KOR
