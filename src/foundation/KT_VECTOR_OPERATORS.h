#pragma once

namespace KOR {

// Component-wise arithmetic for a small vector type V with components of
// type T: with another V, with a T applied to every component, and the
// compound forms. V supplies combine(a, b, op), the V of op applied to each
// pair of components, and an explicit V(T) with every component set.
template <class V, class T>
class KT_VECTOR_OPERATORS {
 public:
  friend V operator-(const V& a) {
    return V::combine(a, a, [](T c, T) { return -c; });
  }
  friend V operator+(const V& a, const V& b) {
    return V::combine(a, b, [](T p, T q) { return p + q; });
  }
  friend V operator-(const V& a, const V& b) {
    return V::combine(a, b, [](T p, T q) { return p - q; });
  }
  friend V operator*(const V& a, const V& b) {
    return V::combine(a, b, [](T p, T q) { return p * q; });
  }
  friend V operator/(const V& a, const V& b) {
    return V::combine(a, b, [](T p, T q) { return p / q; });
  }
  friend V operator+(const V& a, T t) { return a + V(t); }
  friend V operator-(const V& a, T t) { return a - V(t); }
  friend V operator*(const V& a, T t) { return a * V(t); }
  friend V operator/(const V& a, T t) { return a / V(t); }
  friend V& operator+=(V& a, const V& b) { return a = a + b; }
  friend V& operator-=(V& a, const V& b) { return a = a - b; }
  friend V& operator*=(V& a, const V& b) { return a = a * b; }
  friend V& operator/=(V& a, const V& b) { return a = a / b; }
  friend V& operator+=(V& a, T t) { return a = a + t; }
  friend V& operator-=(V& a, T t) { return a = a - t; }
  friend V& operator*=(V& a, T t) { return a = a * t; }
  friend V& operator/=(V& a, T t) { return a = a / t; }
};

}  // namespace KOR
