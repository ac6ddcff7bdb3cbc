#include "PRIMITIVES/KC_FADE_ANIMATION.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "SERVICE/engine_globals.h"
#include "foundation/text_utilities.h"
#include "platform/host.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

KC_FADE_ANIMATION::KC_FADE_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns_,
                                     int rows_, unsigned first_, unsigned last_,
                                     float cells_per_second, bool forward, bool loop_,
                                     bool ping_pong_, bool mirror_x_)
    : KC_QUAD(texture, transform) {
  setup(columns_, rows_, first_, last_, cells_per_second, forward, loop_, ping_pong_, mirror_x_);
}

KC_FADE_ANIMATION::KC_FADE_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns_,
                                     int rows_, unsigned last_, float cells_per_second,
                                     bool forward, bool loop_, bool ping_pong_, bool mirror_x_)
    : KC_FADE_ANIMATION(texture, transform, columns_, rows_, 1, last_, cells_per_second, forward,
                        loop_, ping_pong_, mirror_x_) {}

void KC_FADE_ANIMATION::setup(int columns_, int rows_, unsigned last_, float cells_per_second,
                              bool forward, bool loop_, bool ping_pong_, bool mirror_x_) {
  setup(columns_, rows_, 1, last_, cells_per_second, forward, loop_, ping_pong_, mirror_x_);
}

void KC_FADE_ANIMATION::setup(int columns_, int rows_, unsigned first_, unsigned last_,
                              float cells_per_second, bool forward, bool loop_, bool ping_pong_,
                              bool mirror_x_) {
  if (columns_ <= 0 || rows_ <= 0) return;
  columns = columns_;
  rows = rows_;
  first = first_;
  last = last_;
  loop = loop_;
  ping_pong = ping_pong_;
  mirror_x = mirror_x_;
  mirror_y = cross_fade = playing = false;
  start = static_cast<int>(forward ? first : last);
  end = static_cast<int>(forward ? last : first);
  direction = forward ? 1 : 255;
  frame_time = time_left = 1.0f / cells_per_second;
  end_pause = pause_left = 0.0f;
  // One cell of the region; taken from the region, so a second setup does
  // not divide the size again.
  if (texture_ != nullptr) {
    const KS_IVECTOR2 size = texture_->size();
    set_size(static_cast<int>((uv_max.x - uv_min.x) * static_cast<float>(size.x)) / columns,
             static_cast<int>((uv_max.y - uv_min.y) * static_cast<float>(size.y)) / rows);
  }
  current = start;
  step = forward ? 1 : -1;
  next = next_frame(current);
  playing = false;
}

int KC_FADE_ANIMATION::next_frame(int n) {
  const int candidate = n + step;
  if (candidate >= static_cast<int>(first) && candidate <= static_cast<int>(last)) {
    return candidate;
  }
  if (ping_pong) {
    step = static_cast<int8_t>(-step);
    if (loop || current != start) return n + step;
  } else if (loop) {
    return start;
  }
  playing = false;
  return n;
}

void KC_FADE_ANIMATION::set_frame_uv(int n) {
  const int index = n - 1;
  const float c = static_cast<float>(columns);
  const float r = static_cast<float>(rows);
  const float column = static_cast<float>(index % columns);
  const float row = static_cast<float>(index / columns);
  float left = column / c, right = (column + 1.0f) / c;
  float top = row / r, bottom = (row + 1.0f) / r;
  if (mirror_x) std::swap(left, right);
  if (mirror_y) std::swap(top, bottom);
  set_uv_rect(left, top, right, bottom);
}

int KC_FADE_ANIMATION::update() {
  if (!playing) return 0;
  const float dt = frame_dt.load();
  if (pause_left > 0.0f) {
    pause_left -= dt;
    return 0;
  }
  if (time_left > 0.0f) {
    time_left -= dt;
    return 0;
  }
  const int due = std::max(1, static_cast<int>(1.0f - std::ceil(time_left / frame_time)));
  time_left = frame_time;
  for (int i = 0; i < due; ++i) {
    current = next;
    next = next_frame(next);
  }
  if (loop) {
    const bool at_end = current == static_cast<int>(first) || current == static_cast<int>(last);
    if ((!ping_pong && at_end && current != start) || (ping_pong && current == start)) {
      pause_left = end_pause;
    }
  }
  return -105;
}

void KC_FADE_ANIMATION::draw_cells(bool in_world) {
  auto draw_quad = [&] { in_world ? KC_MESH::draw_in_world() : KC_MESH::draw(); };
  if (cross_fade) {
    // Between updates the time left may run below 0: the alpha stays in range.
    const int f = std::clamp(static_cast<int>(time_left / frame_time * 255.0f), 0, 255);
    set_frame_uv(next);
    set_color(static_cast<uint32_t>(255 - f) << 24 | 0xFFFFFFu);
    draw_quad();
    set_frame_uv(current);
    set_color(static_cast<uint32_t>(f) << 24 | 0xFFFFFFu);
    last_drawn = current;
  } else if (columns != 0 && rows != 0 && current != last_drawn) {
    set_frame_uv(current);
    last_drawn = current;
  }
  draw_quad();
}

void KC_FADE_ANIMATION::draw() { draw_cells(false); }

void KC_FADE_ANIMATION::draw_in_world() { draw_cells(true); }

void KC_FADE_ANIMATION::by_str(const std::string& text) {
  std::string rest = text;
  const std::vector<std::string> v = text_split(rest, ' ', true);
  if (v.size() < 8) {
    host_message_box("", "Error in KC_FADE_ANIMATION::by_str: Count params must be 8");
    return;
  }
  auto flag = [&](int i) { return std::atoi(v[static_cast<size_t>(i)].c_str()) != 0; };
  setup(std::atoi(v[4].c_str()), std::atoi(v[5].c_str()), 1,
        static_cast<unsigned>(std::atoi(v[6].c_str())), static_cast<float>(std::atof(v[7].c_str())),
        flag(0), flag(2), flag(1), flag(3));
}

const char* KC_FADE_ANIMATION::to_str() const {
  static char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%i %i %i %i %i %i %i %f", direction == 1 ? 1 : 0,
                ping_pong ? 1 : 0, loop ? 1 : 0, mirror_x ? 1 : 0, columns, rows,
                static_cast<int>(last), static_cast<double>(1.0f / frame_time));
  return buffer;
}

}  // namespace KOR
