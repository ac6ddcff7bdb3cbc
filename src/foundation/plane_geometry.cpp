#include "foundation/plane_geometry.h"

#include <cmath>
#include <cstdint>

#include "foundation/KC_RANDOM.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"
#include "foundation/float_math.h"

namespace KOR {

float distance_xy(float x1, float y1, float x2, float y2) {
  const float dx = x1 - x2;
  const float dy = y1 - y2;
  return std::sqrt(dx * dx + dy * dy);
}

float distance_int(int x1, int y1, int x2, int y2) {
  return KS_IVECTOR2(x1, y1).distance_to(x2, y2);
}

bool point_in_rect(const KS_IVECTOR2& p, int x0, int y0, int x1, int y1) {
  return x0 < p.x && p.x < x1 && y0 < p.y && p.y < y1;
}

bool point_in_polygon(const std::vector<KS_VECTOR2>& polygon, float x, float y) {
  bool inside = false;
  const size_t n = polygon.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const KS_VECTOR2& a = polygon[i];
    const KS_VECTOR2& b = polygon[j];
    if (((y > a.y && y <= b.y) || (y > b.y && y <= a.y)) &&
        x > a.x + (b.x - a.x) * (y - a.y) / (b.y - a.y)) {
      inside = !inside;
    }
  }
  return inside;
}

bool point_in_polygon_int(const std::vector<KS_IVECTOR2>& polygon, int x, int y) {
  bool inside = false;
  const size_t n = polygon.size();
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const KS_IVECTOR2& a = polygon[i];
    const KS_IVECTOR2& b = polygon[j];
    if ((y > a.y && y <= b.y) || (y > b.y && y <= a.y)) {
      // 64-bit so that large coordinates cannot overflow the product.
      const int64_t crossing = a.x + (static_cast<int64_t>(y) - a.y) *
                                         (static_cast<int64_t>(b.x) - a.x) /
                                         (static_cast<int64_t>(b.y) - a.y);
      if (crossing < x) inside = !inside;
    }
  }
  return inside;
}

bool point_in_polygon_at(const std::vector<KS_VECTOR2>& polygon, float x, float y,
                         const KS_TRANSFORM3* t) {
  if (t == nullptr) return point_in_polygon(polygon, x, y);
  const KS_TRANSFORM3 w = t->world();
  return point_in_polygon(polygon, x - w.position.x, y - w.position.y);
}

bool point_in_polygon_at_int(const std::vector<KS_IVECTOR2>& polygon, int x, int y,
                             const KS_TRANSFORM3* t) {
  if (t == nullptr) return point_in_polygon_int(polygon, x, y);
  const KS_TRANSFORM3 w = t->world();
  return point_in_polygon_int(polygon, x - truncate_to_int(w.position.x),
                              y - truncate_to_int(w.position.y));
}

KS_VECTOR2 random_point_in_polygon(const std::vector<KS_VECTOR2>& polygon) {
  if (polygon.empty()) return {};
  float sx = 0.0f, sy = 0.0f, sw = 0.0f;
  for (const KS_VECTOR2& v : polygon) {
    const float r = random_current->range_float(0.0f, 1.0f);
    const float w = r * r * r;
    sx += w * v.x;
    sy += w * v.y;
    sw += w;
  }
  // Every draw can come out 0; dividing would then give NaN.
  if (sw == 0.0f) return polygon.front();
  return {sx / sw, sy / sw};
}

KS_IVECTOR2 random_point_in_polygon_int(const std::vector<KS_IVECTOR2>& polygon) {
  std::vector<KS_VECTOR2> points;
  points.reserve(polygon.size());
  for (const KS_IVECTOR2& p : polygon) points.push_back(vector2_from_ints(p.x, p.y));
  const KS_VECTOR2 r = random_point_in_polygon(points);
  return ivector2_from_floats(r.x, r.y);
}

KS_VECTOR2 rotate_point(float cx, float cy, float x, float y, float angle) {
  if (angle == 0.0f) return {x, y};
  const double c = std::cos(static_cast<double>(angle));
  const double s = std::sin(static_cast<double>(angle));
  const double dx = static_cast<double>(x) - cx;
  const double dy = static_cast<double>(y) - cy;
  return {static_cast<float>(cx + (c * dx - s * dy)), static_cast<float>(cy + (dy * c + s * dx))};
}

void rotate_point_about_int(float cx, float cy, KS_IVECTOR2& p, float angle) {
  if (angle == 0.0f) return;
  float x = static_cast<float>(p.x);
  float y = static_cast<float>(p.y);
  rotate_point_about(cx, cy, x, y, angle);
  p.set(truncate_to_int(x), truncate_to_int(y));
}

KS_IVECTOR2 point_to_local_int(const KS_IVECTOR2& p, const KS_TRANSFORM3* t) {
  if (t == nullptr) return p;
  KS_IVECTOR2 q = p;
  rotate_point_about_int(t->position.x, t->position.y, q, -t->rotation.z);
  return {truncate_to_int(q.x - t->position.x + t->pivot.x),
          truncate_to_int(q.y - t->position.y + t->pivot.y)};
}

}  // namespace KOR
