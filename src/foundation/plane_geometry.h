#pragma once

#include <vector>

namespace KOR {

struct KS_IVECTOR2;
struct KS_TRANSFORM3;
struct KS_VECTOR2;

float distance_xy(float x1, float y1, float x2, float y2);
float distance_int(int x1, int y1, int x2, int y2);

// Strictly inside: a point on an edge is outside.
bool point_in_rect(const KS_IVECTOR2& p, int x0, int y0, int x1, int y1);

// Even-odd rule; false for an empty polygon.
bool point_in_polygon(const std::vector<KS_VECTOR2>& polygon, float x, float y);
bool point_in_polygon_int(const std::vector<KS_IVECTOR2>& polygon, int x, int y);
// The point taken relative to the world position of t (rotation and scale
// are not applied); a missing transform leaves the point as it is.
bool point_in_polygon_at(const std::vector<KS_VECTOR2>& polygon, float x, float y,
                         const KS_TRANSFORM3* t);
bool point_in_polygon_at_int(const std::vector<KS_IVECTOR2>& polygon, int x, int y,
                             const KS_TRANSFORM3* t);

// A random weighted average of the vertices, drawn through random_current:
// inside the convex hull. The first vertex when every weight came out 0;
// (0, 0) for an empty polygon.
KS_VECTOR2 random_point_in_polygon(const std::vector<KS_VECTOR2>& polygon);
KS_IVECTOR2 random_point_in_polygon_int(const std::vector<KS_IVECTOR2>& polygon);

// (x, y) turned about (cx, cy) by the angle in radians.
KS_VECTOR2 rotate_point(float cx, float cy, float x, float y, float angle);
// As rotate_point_about, each coordinate truncated toward zero.
void rotate_point_about_int(float cx, float cy, KS_IVECTOR2& p, float angle);
// p turned back by t's rotation z about t's position, then made relative to
// the position plus the pivot; t's own values, not its world. A missing
// transform leaves p as it is.
KS_IVECTOR2 point_to_local_int(const KS_IVECTOR2& p, const KS_TRANSFORM3* t);

}  // namespace KOR
