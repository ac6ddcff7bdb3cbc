#include "render/frame_diff.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace KOR {

namespace {

// Tiles the changed pixels are gathered on, and how many rectangles of them
// a frame reshades at most.
constexpr int kTile = 16;
constexpr size_t kMostRects = 8;
constexpr size_t kMostMergedRects = 128;
// Above this many pairs the changed middle of a frame is not matched up.
constexpr size_t kMostMatchPairs = size_t{1} << 20;
// Rasterising rounds inside a pixel of the true shape; wide and smoothed
// lines and point sprites reach further.
constexpr int kPad = 2;

uint64_t mix(uint64_t hash, const void* bytes, size_t count) {
  if (count == 0) return hash;
  const auto* p = static_cast<const uint8_t*>(bytes);
  for (size_t i = 0; i < count; ++i) hash = (hash ^ p[i]) * 1099511628211ull;
  return hash;
}

template <class T>
uint64_t mix_value(uint64_t hash, const T& value) {
  return mix(hash, &value, sizeof value);
}

std::array<float, 16> multiply(const std::array<float, 16>& a, const std::array<float, 16>& b) {
  std::array<float, 16> out{};
  for (int r = 0; r < 4; ++r) {
    for (int c = 0; c < 4; ++c) {
      float sum = 0.0f;
      for (int k = 0; k < 4; ++k) sum += a[4 * r + k] * b[4 * k + c];
      out[4 * r + c] = sum;
    }
  }
  return out;
}

int vertices_per(GPU_PRIMITIVE type) {
  switch (type) {
    case GPU_PRIMITIVE::POINTS:
      return 1;
    case GPU_PRIMITIVE::LINES:
      return 2;
    case GPU_PRIMITIVE::TRIANGLES:
      break;
  }
  return 3;
}

// Screen bounds of positions seen through one matrix, top row 0.
class BOUNDS {
 public:
  BOUNDS(const FRAME_STATE& state, int width, int height)
      : to_clip_(multiply(multiply(state.matrices[0], state.matrices[1]), state.matrices[2])),
        width_(width),
        height_(height),
        everywhere_(state.vertex_shader != 0) {}

  void add(const float* position, float reach) {
    const float* m = to_clip_.data();
    float clip[4];
    for (int c = 0; c < 4; ++c) {
      clip[c] = position[0] * m[c] + position[1] * m[4 + c] + position[2] * m[8 + c] + m[12 + c];
    }
    // A point behind the eye projects anywhere once clipped.
    if (!(clip[3] > 1e-6f)) {
      everywhere_ = true;
      return;
    }
    const float x = (clip[0] / clip[3] + 1.0f) * 0.5f * static_cast<float>(width_);
    const float y = (1.0f - clip[1] / clip[3]) * 0.5f * static_cast<float>(height_);
    if (!std::isfinite(x) || !std::isfinite(y)) {
      everywhere_ = true;
      return;
    }
    min_x_ = std::min(min_x_, x - reach);
    max_x_ = std::max(max_x_, x + reach);
    min_y_ = std::min(min_y_, y - reach);
    max_y_ = std::max(max_y_, y + reach);
  }

  GPU_RECT rect() const {
    if (everywhere_) return GPU_RECT{0, 0, width_, height_};
    if (min_x_ > max_x_) return GPU_RECT{};
    const float w = static_cast<float>(width_), h = static_cast<float>(height_);
    const int x0 = static_cast<int>(std::floor(std::clamp(min_x_, -1.0f, w + 1.0f))) - kPad;
    const int y0 = static_cast<int>(std::floor(std::clamp(min_y_, -1.0f, h + 1.0f))) - kPad;
    const int x1 = static_cast<int>(std::ceil(std::clamp(max_x_, -1.0f, w + 1.0f))) + kPad;
    const int y1 = static_cast<int>(std::ceil(std::clamp(max_y_, -1.0f, h + 1.0f))) + kPad;
    const int left = std::max(x0, 0), top = std::max(y0, 0);
    const int right = std::min(x1, width_), bottom = std::min(y1, height_);
    if (right <= left || bottom <= top) return GPU_RECT{};
    return GPU_RECT{left, top, right - left, bottom - top};
  }

 private:
  std::array<float, 16> to_clip_;
  int width_, height_;
  bool everywhere_;
  float min_x_ = 1e30f, max_x_ = -1e30f, min_y_ = 1e30f, max_y_ = -1e30f;
};

const float* vertex_position(const FRAME_COMMAND& c, int vertex) {
  return reinterpret_cast<const float*>(c.vertices.data() +
                                        static_cast<size_t>(vertex) * kGpuVertexBytes);
}

// The vertex numbers of one primitive of a draw.
int primitive_vertex(const FRAME_COMMAND& c, int primitive, int corner) {
  const int n = vertices_per(c.type) * primitive + corner;
  return c.indices.empty() ? n : c.indices[n];
}

bool primitive_in_range(const FRAME_COMMAND& c, int primitive) {
  const int per = vertices_per(c.type);
  const size_t last = static_cast<size_t>(per) * (primitive + 1);
  if (!c.indices.empty()) {
    if (last > c.indices.size()) return false;
    for (int k = 0; k < per; ++k) {
      if (primitive_vertex(c, primitive, k) >= c.vertex_count) return false;
    }
    return true;
  }
  return last <= static_cast<size_t>(c.vertex_count);
}

float reach_of(const FRAME_COMMAND& c) { return c.type == GPU_PRIMITIVE::TRIANGLES ? 0.0f : 1.0f; }

GPU_RECT primitive_bounds(const FRAME_COMMAND& c, int primitive, int width, int height) {
  BOUNDS b(c.state, width, height);
  if (c.kind == FRAME_COMMAND::KIND::POINTS) {
    const GPU_POINT& p = c.points[primitive];
    const float position[3] = {p.x, p.y, p.z};
    b.add(position, p.size * 0.5f + 1.0f);
    return b.rect();
  }
  if (!primitive_in_range(c, primitive)) return GPU_RECT{};
  for (int k = 0; k < vertices_per(c.type); ++k) {
    b.add(vertex_position(c, primitive_vertex(c, primitive, k)), reach_of(c));
  }
  return b.rect();
}

int primitives_of(const FRAME_COMMAND& c) {
  return c.kind == FRAME_COMMAND::KIND::POINTS ? static_cast<int>(c.points.size())
                                               : c.primitive_count;
}

bool same_primitive(const FRAME_COMMAND& a, const FRAME_COMMAND& b, int primitive) {
  if (a.kind == FRAME_COMMAND::KIND::POINTS) {
    return std::memcmp(&a.points[primitive], &b.points[primitive], sizeof(GPU_POINT)) == 0;
  }
  const bool in_a = primitive_in_range(a, primitive), in_b = primitive_in_range(b, primitive);
  if (!in_a || !in_b) return in_a == in_b;
  for (int k = 0; k < vertices_per(a.type); ++k) {
    if (std::memcmp(vertex_position(a, primitive_vertex(a, primitive, k)),
                    vertex_position(b, primitive_vertex(b, primitive, k)), kGpuVertexBytes) != 0) {
      return false;
    }
  }
  return true;
}

// The changed pixels, gathered on tiles.
class DIRTY {
 public:
  DIRTY(int width, int height)
      : width_(width),
        height_(height),
        columns_((width + kTile - 1) / kTile),
        rows_((height + kTile - 1) / kTile),
        tiles_(static_cast<size_t>(columns_) * rows_, 0) {}

  void add(const GPU_RECT& r) {
    if (r.width <= 0 || r.height <= 0) return;
    const int c1 = (r.x + r.width - 1) / kTile, r1 = (r.y + r.height - 1) / kTile;
    for (int row = r.y / kTile; row <= r1 && row < rows_; ++row) {
      for (int column = r.x / kTile; column <= c1 && column < columns_; ++column) {
        tiles_[static_cast<size_t>(row) * columns_ + column] = 1;
      }
    }
  }

  // Runs of tiles per row, stacked where rows repeat, then merged into a
  // few at the least added area.
  std::vector<GPU_RECT> rects() const {
    std::vector<GPU_RECT> out;
    std::vector<size_t> open;  // rectangles reaching the row above
    for (int row = 0; row < rows_; ++row) {
      std::vector<size_t> next;
      for (int column = 0; column < columns_;) {
        if (!tiles_[static_cast<size_t>(row) * columns_ + column]) {
          ++column;
          continue;
        }
        const int start = column;
        while (column < columns_ && tiles_[static_cast<size_t>(row) * columns_ + column]) ++column;
        const GPU_RECT run =
            clipped(GPU_RECT{start * kTile, row * kTile, (column - start) * kTile, kTile});
        auto above = std::find_if(open.begin(), open.end(), [&](size_t i) {
          return out[i].x == run.x && out[i].width == run.width;
        });
        if (above != open.end()) {
          out[*above].height = run.y + run.height - out[*above].y;
          next.push_back(*above);
        } else {
          out.push_back(run);
          next.push_back(out.size() - 1);
        }
      }
      open = std::move(next);
    }
    if (out.size() > kMostMergedRects) return {enclosing(out)};
    while (out.size() > kMostRects) merge_cheapest(out);
    return out;
  }

 private:
  GPU_RECT clipped(GPU_RECT r) const {
    r.width = std::min(r.width, width_ - r.x);
    r.height = std::min(r.height, height_ - r.y);
    return r;
  }

  static GPU_RECT joined(const GPU_RECT& a, const GPU_RECT& b) {
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return GPU_RECT{x, y, std::max(a.x + a.width, b.x + b.width) - x,
                    std::max(a.y + a.height, b.y + b.height) - y};
  }

  static int64_t area(const GPU_RECT& r) { return int64_t{r.width} * r.height; }

  static GPU_RECT enclosing(const std::vector<GPU_RECT>& rects) {
    GPU_RECT all = rects.front();
    for (const GPU_RECT& r : rects) all = joined(all, r);
    return all;
  }

  static void merge_cheapest(std::vector<GPU_RECT>& rects) {
    size_t best_a = 0, best_b = 1;
    int64_t best = INT64_MAX;
    for (size_t a = 0; a < rects.size(); ++a) {
      for (size_t b = a + 1; b < rects.size(); ++b) {
        const int64_t added = area(joined(rects[a], rects[b])) - area(rects[a]) - area(rects[b]);
        if (added < best) {
          best = added;
          best_a = a;
          best_b = b;
        }
      }
    }
    rects[best_a] = joined(rects[best_a], rects[best_b]);
    rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(best_b));
  }

  int width_, height_, columns_, rows_;
  std::vector<uint8_t> tiles_;
};

// What a command added or removed touches: each of a draw's primitives
// where it lies, so a batch spread over the screen is not one big block.
void add_command(const FRAME_COMMAND& c, int width, int height, DIRTY& dirty) {
  if (c.kind == FRAME_COMMAND::KIND::CLEAR || c.bounds.width == 0 || c.state.vertex_shader != 0) {
    dirty.add(c.bounds);
    return;
  }
  for (int p = 0; p < primitives_of(c); ++p) dirty.add(primitive_bounds(c, p, width, height));
}

// Two commands in the same place of both frames: where only some of a
// draw's primitives changed, only theirs are dirty.
void compare_pair(const FRAME_COMMAND& before, const FRAME_COMMAND& now, int width, int height,
                  DIRTY& dirty) {
  if (before == now) return;
  const bool refinable = before.kind == now.kind && before.kind != FRAME_COMMAND::KIND::CLEAR &&
                         before.type == now.type && before.state == now.state &&
                         primitives_of(before) == primitives_of(now);
  if (!refinable) {
    add_command(before, width, height, dirty);
    add_command(now, width, height, dirty);
    return;
  }
  for (int p = 0; p < primitives_of(now); ++p) {
    if (same_primitive(before, now, p)) continue;
    dirty.add(primitive_bounds(before, p, width, height));
    dirty.add(primitive_bounds(now, p, width, height));
  }
}

// Pairs of equal hashes in order, longest first (a common subsequence).
std::vector<std::pair<size_t, size_t>> matches(const FRAME_COMMAND* a, size_t n,
                                               const FRAME_COMMAND* b, size_t m) {
  std::vector<std::pair<size_t, size_t>> out;
  if (n == 0 || m == 0 || n * m > kMostMatchPairs) return out;
  std::vector<uint32_t> length((n + 1) * (m + 1), 0);
  auto at = [&](size_t i, size_t j) -> uint32_t& { return length[i * (m + 1) + j]; };
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      at(i, j) =
          a[i].hash == b[j].hash ? at(i + 1, j + 1) + 1 : std::max(at(i + 1, j), at(i, j + 1));
    }
  }
  for (size_t i = 0, j = 0; i < n && j < m;) {
    if (a[i].hash == b[j].hash) {
      out.emplace_back(i++, j++);
    } else if (at(i + 1, j) >= at(i, j + 1)) {
      ++i;
    } else {
      ++j;
    }
  }
  return out;
}

}  // namespace

bool FRAME_LIGHTING::same(const FRAME_LIGHTING& other) const {
  return std::memcmp(&material, &other.material, sizeof material) == 0 &&
         std::memcmp(lights.data(), other.lights.data(), sizeof lights) == 0 && on == other.on;
}

bool FRAME_STATE::operator==(const FRAME_STATE& o) const {
  const bool same_flags =
      blend == o.blend && additive == o.additive && depth_test == o.depth_test &&
      lighting == o.lighting && point_sprites == o.point_sprites && antialias == o.antialias &&
      filter == o.filter && wrap_u == o.wrap_u && wrap_v == o.wrap_v && wrap_w == o.wrap_w &&
      stencil == o.stencil && stencil_func == o.stencil_func && stencil_ref == o.stencil_ref &&
      stencil_fail == o.stencil_fail && stencil_pass == o.stencil_pass;
  if (!same_flags || texture != o.texture || texture_content != o.texture_content ||
      vertex_shader != o.vertex_shader ||
      std::memcmp(matrices.data(), o.matrices.data(), sizeof matrices) != 0) {
    return false;
  }
  if (!lighting || lights == o.lights) return true;
  return lights != nullptr && o.lights != nullptr && lights->same(*o.lights);
}

bool FRAME_COMMAND::operator==(const FRAME_COMMAND& o) const {
  if (kind != o.kind) return false;
  if (kind == KIND::CLEAR) {
    return clear_flags == o.clear_flags && clear_color == o.clear_color &&
           std::memcmp(&clear_depth, &o.clear_depth, sizeof clear_depth) == 0 &&
           clear_stencil == o.clear_stencil;
  }
  return type == o.type && vertex_count == o.vertex_count && primitive_count == o.primitive_count &&
         state == o.state && vertices == o.vertices && indices == o.indices &&
         points.size() == o.points.size() &&
         (points.empty() ||
          std::memcmp(points.data(), o.points.data(), points.size() * sizeof(GPU_POINT)) == 0);
}

void frame_command_finish(FRAME_COMMAND& c, int width, int height) {
  uint64_t h = 14695981039346656037ull;
  h = mix_value(h, c.kind);
  if (c.kind == FRAME_COMMAND::KIND::CLEAR) {
    // A clear reaches the whole target.
    c.bounds = GPU_RECT{0, 0, width, height};
    h = mix_value(h, c.clear_flags);
    h = mix_value(h, c.clear_color);
    h = mix_value(h, c.clear_depth);
    c.hash = mix_value(h, c.clear_stencil);
    return;
  }
  BOUNDS b(c.state, width, height);
  if (c.kind == FRAME_COMMAND::KIND::POINTS) {
    for (const GPU_POINT& p : c.points) {
      const float position[3] = {p.x, p.y, p.z};
      b.add(position, p.size * 0.5f + 1.0f);
    }
  } else {
    for (int v = 0; v < c.vertex_count; ++v) b.add(vertex_position(c, v), reach_of(c));
  }
  c.bounds = b.rect();
  const FRAME_STATE& s = c.state;
  const uint32_t flags =
      s.blend | s.additive << 1 | s.depth_test << 2 | s.lighting << 3 | s.point_sprites << 4 |
      s.antialias << 5 | s.wrap_u << 6 | s.wrap_v << 7 | s.wrap_w << 8 | s.stencil << 9 |
      static_cast<uint32_t>(s.filter) << 10 | static_cast<uint32_t>(s.stencil_func) << 12 |
      static_cast<uint32_t>(s.stencil_fail) << 13 | static_cast<uint32_t>(s.stencil_pass) << 14;
  h = mix_value(h, flags);
  h = mix_value(h, s.stencil_ref);
  h = mix(h, s.matrices.data(), sizeof s.matrices);
  h = mix_value(h, s.texture);
  h = mix_value(h, s.texture_content);
  h = mix_value(h, s.vertex_shader);
  h = mix_value(h, c.type);
  h = mix_value(h, c.primitive_count);
  h = mix(h, c.vertices.data(), c.vertices.size());
  h = mix(h, c.indices.data(), c.indices.size() * sizeof(uint16_t));
  c.hash = mix(h, c.points.data(), c.points.size() * sizeof(GPU_POINT));
}

std::vector<GPU_RECT> frame_changes(const std::vector<FRAME_COMMAND>& before,
                                    const std::vector<FRAME_COMMAND>& now, int width, int height) {
  DIRTY dirty(width, height);
  size_t head = 0;
  while (head < before.size() && head < now.size() && before[head] == now[head]) ++head;
  size_t tail = 0;
  while (tail < before.size() - head && tail < now.size() - head &&
         before[before.size() - 1 - tail] == now[now.size() - 1 - tail]) {
    ++tail;
  }
  const FRAME_COMMAND* a = before.data() + head;
  const FRAME_COMMAND* b = now.data() + head;
  const size_t n = before.size() - head - tail, m = now.size() - head - tail;
  // Between matched commands, the unmatched ones pair up in order; the rest
  // were added or removed.
  std::vector<std::pair<size_t, size_t>> pairs = matches(a, n, b, m);
  pairs.emplace_back(n, m);
  size_t i = 0, j = 0;
  for (const auto& [match_i, match_j] : pairs) {
    for (; i < match_i && j < match_j; ++i, ++j) compare_pair(a[i], b[j], width, height, dirty);
    for (; i < match_i; ++i) add_command(a[i], width, height, dirty);
    for (; j < match_j; ++j) add_command(b[j], width, height, dirty);
    if (i < n && j < m) compare_pair(a[i++], b[j++], width, height, dirty);
  }
  return dirty.rects();
}

bool rects_overlap(const GPU_RECT& a, const GPU_RECT& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace KOR
