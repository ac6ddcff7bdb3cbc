#pragma once

#include <string>

namespace KOR {

// Two ints: sizes, pointer positions, the resolution, cell coordinates.
// The orderings compare the sums x + y; == and != compare components.
struct KS_IVECTOR2 {
  int x = 0;
  int y = 0;

  KS_IVECTOR2() = default;
  explicit KS_IVECTOR2(int v) : x(v), y(v) {}
  KS_IVECTOR2(int x_, int y_) : x(x_), y(y_) {}

  void set_zero() { x = y = 0; }
  void set(int x_, int y_) {
    x = x_;
    y = y_;
  }
  KS_IVECTOR2& operator=(int n) {
    x = y = n;
    return *this;
  }

  bool is_zero() const { return x == 0 && y == 0; }

  // x for 0, y for 1, 0 for any other index.
  int operator[](int i) const {
    switch (static_cast<unsigned>(i)) {
      case 0:
        return x;
      case 1:
        return y;
      default:
        return 0;
    }
  }

  KS_IVECTOR2 operator-() const { return {-x, -y}; }
  KS_IVECTOR2 operator+(const KS_IVECTOR2& b) const { return {x + b.x, y + b.y}; }
  KS_IVECTOR2 operator-(const KS_IVECTOR2& b) const { return {x - b.x, y - b.y}; }
  KS_IVECTOR2 operator*(const KS_IVECTOR2& b) const { return {x * b.x, y * b.y}; }
  KS_IVECTOR2 operator/(const KS_IVECTOR2& b) const { return {x / b.x, y / b.y}; }
  KS_IVECTOR2 operator+(int n) const { return {x + n, y + n}; }
  KS_IVECTOR2 operator-(int n) const { return {x - n, y - n}; }
  KS_IVECTOR2 operator*(int n) const { return {x * n, y * n}; }
  KS_IVECTOR2 operator/(int n) const { return {x / n, y / n}; }
  KS_IVECTOR2& operator+=(const KS_IVECTOR2& b) { return *this = *this + b; }
  KS_IVECTOR2& operator-=(const KS_IVECTOR2& b) { return *this = *this - b; }
  KS_IVECTOR2& operator*=(const KS_IVECTOR2& b) { return *this = *this * b; }
  KS_IVECTOR2& operator/=(const KS_IVECTOR2& b) { return *this = *this / b; }
  KS_IVECTOR2& operator+=(int n) { return *this = *this + n; }
  KS_IVECTOR2& operator-=(int n) { return *this = *this - n; }
  KS_IVECTOR2& operator*=(int n) { return *this = *this * n; }
  KS_IVECTOR2& operator/=(int n) { return *this = *this / n; }

  bool operator==(const KS_IVECTOR2& b) const { return x == b.x && y == b.y; }
  bool operator!=(const KS_IVECTOR2& b) const { return !(*this == b); }
  bool operator<(const KS_IVECTOR2& b) const { return sum() < b.sum(); }
  bool operator<=(const KS_IVECTOR2& b) const { return sum() <= b.sum(); }
  bool operator>(const KS_IVECTOR2& b) const { return sum() > b.sum(); }
  bool operator>=(const KS_IVECTOR2& b) const { return sum() >= b.sum(); }

  // Distance from (px, py).
  float distance_to(int px, int py) const;
  // |length of this - length of b|, truncated toward zero.
  int length_difference(const KS_IVECTOR2& b) const;

  // "x y" with at least three digits each ('005 1024', '-005 000'), in a
  // buffer shared by every KS_IVECTOR2.
  const char* to_text() const;
  // Reads x then y from blank-separated text; too few numbers keep the value.
  void parse(const std::string& text);

 private:
  // Sums in 64 bits so that extreme components cannot overflow.
  long long sum() const { return static_cast<long long>(x) + y; }
};

// Each value truncated toward zero.
KS_IVECTOR2 ivector2_from_floats(float x, float y);

}  // namespace KOR
