#include "PRIMITIVES/KC_FRAME_ANIMATION.h"

#include <cstdlib>
#include <utility>

#include "SERVICE/engine_globals.h"
#include "foundation/text_utilities.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

KC_FRAME_ANIMATION::KC_FRAME_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns_,
                                       int rows_, int count_, float cells_per_second, bool forward,
                                       bool loop, bool ping_pong, bool mirror)
    : KC_QUAD(texture, transform) {
  set_grid(columns_, rows_);
  assign(count_, cells_per_second, forward, loop, ping_pong, mirror);
  reset();
}

void KC_FRAME_ANIMATION::set_texture_grid(KC_TEXTURE* texture, KS_TRANSFORM3* transform,
                                          int columns_, int rows_, int count_,
                                          float cells_per_second, bool forward, bool loop,
                                          bool ping_pong, bool mirror) {
  set_texture(texture, transform);
  set_grid(columns_, rows_);
  assign(count_, cells_per_second, forward, loop, ping_pong, mirror);
  reset();
}

int KC_FRAME_ANIMATION::set_region_grid(const KS_TEXTURE_REGION* region, KS_TRANSFORM3* transform,
                                        int columns_, int rows_, int count_, float cells_per_second,
                                        bool forward, bool loop, bool ping_pong, bool mirror) {
  set_texture_region(region, transform);
  set_grid(columns_, rows_);
  assign(count_, cells_per_second, forward, loop, ping_pong, mirror);
  if (region != nullptr)
    set_size(static_cast<int>(region->width), static_cast<int>(region->height));
  set_hot_spot(HS_MID);
  reset();
  return 1;
}

void KC_FRAME_ANIMATION::setup(int columns_, int rows_, int count_, float cells_per_second,
                               bool forward, bool loop, bool ping_pong, bool mirror) {
  set_grid(columns_, rows_);
  assign(count_, cells_per_second, forward, loop, ping_pong, mirror);
}

void KC_FRAME_ANIMATION::assign(int count_, float cells_per_second, bool forward, bool loop,
                                bool ping_pong, bool mirror) {
  count = count_;
  speed = cells_per_second;
  set_flags((forward ? kForward : 0u) | (ping_pong ? kPingPong : 0u) | (loop ? kLoop : 0u) |
            (mirror ? kMirror : 0u));
}

void KC_FRAME_ANIMATION::set_grid(int columns_, int rows_) {
  if (columns_ <= 0 || rows_ <= 0) return;
  columns = columns_;
  rows = rows_;
  cell_u = 1.0f / static_cast<float>(columns);
  cell_v = 1.0f / static_cast<float>(rows);
  if (texture_ != nullptr) {
    const KS_IVECTOR2 size = texture_->size();
    set_size(static_cast<int>((uv_max.x - uv_min.x) * static_cast<float>(size.x / columns)),
             static_cast<int>((uv_max.y - uv_min.y) * static_cast<float>(size.y / rows)));
  }
  set_hot_spot(HS_MID);
}

void KC_FRAME_ANIMATION::set_flags(unsigned f) {
  flags = f;
  if (has(kForward)) {
    step = 1;
    current = 0;
  } else {
    step = -1;
    current = count - 1;
  }
}

void KC_FRAME_ANIMATION::set_frame(int n) {
  current = n;
  clock = 0.0f;
  const float column = static_cast<float>(n % columns);
  const float row = static_cast<float>(n / columns);
  const float c = static_cast<float>(columns);
  const float r = static_cast<float>(rows);
  float left = column / c;
  float right = (column + 1.0f) / c;
  if (has(kMirror)) std::swap(left, right);
  set_uv_rect(left, row / r, right, (row + 1.0f) / r);
}

void KC_FRAME_ANIMATION::reset() {
  clock = 0.0f;
  playing = false;
  set_flags(flags);
  set_frame(current);
}

void KC_FRAME_ANIMATION::stop() {
  playing = false;
  set_frame(0);
}

int KC_FRAME_ANIMATION::update() {
  const float dt = frame_dt.load();
  if (!playing || dt == 0.0f) return 0;
  clock += dt * speed;
  if (!(clock > 1.0f)) return 0;
  set_frame(current);
  const int old_step = step;
  current += step;
  const bool L = has(kLoop), P = has(kPingPong), F = has(kForward);
  // Past the last cell. Only the upper end: a current of -1 belongs to the
  // lower end's table, also for a single cell.
  if (current > count - 1) {
    if (P && (L || F)) {
      step = -step;
      current -= 2 * old_step;
    } else if (L && F) {
      current = 0;
      return 1;
    } else if (!L && (P || F)) {
      stop();
    }
  }
  if (current < 0) {
    if (L && P) {
      step = -step;
      current = 1;
    } else if (L && !F) {
      current = count - 1;
    } else if (!L && P && F) {
      if (step == -1) stop();
    } else if (!L && P && !F) {
      step = -step;
      current += 2 * step;
    } else if (!L && !P && !F) {
      stop();
    }
  }
  return 1;
}

void KC_FRAME_ANIMATION::parse(const std::string& text) {
  std::string rest = text;
  const std::vector<std::string> v = text_split(rest, ' ', true);
  if (v.size() < 8) return;
  flags = (std::atoi(v[0].c_str()) ? kForward : 0u) | (std::atoi(v[1].c_str()) ? kPingPong : 0u) |
          (std::atoi(v[2].c_str()) ? kLoop : 0u) | (std::atoi(v[3].c_str()) ? kMirror : 0u);
  set_grid(std::atoi(v[4].c_str()), std::atoi(v[5].c_str()));
  count = std::atoi(v[6].c_str());
  speed = static_cast<float>(std::atof(v[7].c_str()));
}

}  // namespace KOR
