#include "framework/G_ANIMATION.h"

#include <algorithm>
#include <cstdlib>
#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "render/KC_TEXTURE.h"

namespace KOR_GF {

G_ANIMATION::G_ANIMATION() { render_state.set_addressing(KOR::KS_RENDER_STATE::kWrapUV); }

G_ANIMATION::G_ANIMATION(const std::string& texture_name) : G_SPRITE(texture_name) {
  render_state.set_addressing(KOR::KS_RENDER_STATE::kWrapUV);
}

G_ANIMATION::G_ANIMATION(const pugi::xml_node& node) : G_ANIMATION() {
  G_ANIMATION::load_xml(node);
}

G_ANIMATION::G_ANIMATION(const G_ANIMATION& other) : G_SPRITE(other), cycle_(other.cycle_) {
  render_state.set_addressing(KOR::KS_RENDER_STATE::kWrapUV);
}

G_ANIMATION& G_ANIMATION::operator=(const G_ANIMATION& other) {
  if (this == &other) return *this;
  // The grid first: the sprite's assignment reloads through load, which
  // sizes the sprite by the grid.
  cycle_ = other.cycle_;
  G_SPRITE::operator=(other);
  return *this;
}

void G_ANIMATION::load() {
  G_SPRITE::load();
  set_grid(cycle_.grid);
}

void G_ANIMATION::load_xml(const pugi::xml_node& node) {
  G_SPRITE::load_xml(node);
  const pugi::xml_node animation = node.child("ANIMATION");
  if (!animation) return;
  if (pugi::xml_attribute a = animation.attribute("loop")) cycle_.loop = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("flip")) cycle_.flip = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("ping_pong")) cycle_.ping_pong = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("reverese")) cycle_.direction = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("grid")) {
    KOR::KS_IVECTOR2 grid;
    grid.parse(a.value());
    set_grid(grid);
  }
  // Frame indices are taken modulo the count, so it is never below 1.
  if (pugi::xml_attribute a = animation.attribute("frames")) {
    cycle_.frames = std::max(1, static_cast<int>(std::strtol(a.value(), nullptr, 10)));
  }
  if (pugi::xml_attribute a = animation.attribute("fps")) {
    cycle_.rate = static_cast<float>(std::strtol(a.value(), nullptr, 10));
  }
  set_frame(cycle_.frame);
}

void G_ANIMATION::set_grid(const KOR::KS_IVECTOR2& grid) {
  cycle_.grid.set(std::max(1, grid.x), std::max(1, grid.y));
  cycle_.cell_width = 1.0f / static_cast<float>(cycle_.grid.x);
  cycle_.cell_height = 1.0f / static_cast<float>(cycle_.grid.y);
  if (texture_ == nullptr) return;
  set_size(static_cast<float>(texture_->image_size.x / cycle_.grid.x),
           static_cast<float>(texture_->image_size.y / cycle_.grid.y));
}

void G_ANIMATION::set_frame(int n) {
  cycle_.frame = n % cycle_.frames;
  cycle_.clock = 0.0f;
  const float left = static_cast<float>(cycle_.frame % cycle_.grid.x) * cycle_.cell_width;
  const float top = static_cast<float>(cycle_.frame / cycle_.grid.x) * cycle_.cell_height;
  const float right = left + cycle_.cell_width;
  const float bottom = top + cycle_.cell_height;
  if (cycle_.flip) {
    set_uv(right, top, left, bottom);
  } else {
    set_uv(left, top, right, bottom);
  }
}

void G_ANIMATION::start(float delay) {
  cycle_.playing = true;
  start_delay_ = delay;
  set_frame(cycle_.direction ? 0 : cycle_.frames - 1);
}

int G_ANIMATION::update() {
  const float dt = KOR::frame_dt;
  if (!cycle_.playing || dt == 0.0f) return 0;
  if (start_delay_ > 0.0f) {
    start_delay_ -= dt;
    if (start_delay_ > 0.0f) return 0;
  }
  cycle_.clock += dt * cycle_.rate;
  if (cycle_.clock <= 1.0f) return 0;
  set_frame(cycle_.frame);
  const int previous = cycle_.frame;
  const int previous_step = cycle_.step;
  cycle_.frame += cycle_.step;
  turn_at_end(previous, previous_step);
  return 1;
}

void G_ANIMATION::turn_at_end(int previous, int previous_step) {
  if (std::abs(cycle_.frame) > cycle_.frames - 1) {
    if (cycle_.ping_pong) {
      cycle_.step = -cycle_.step;
      cycle_.frame = previous - previous_step;
    } else if (cycle_.loop) {
      cycle_.frame = 0;
    } else {
      cycle_.playing = false;
    }
  }
  if (cycle_.frame >= 0) return;
  if (cycle_.ping_pong && cycle_.loop) {
    cycle_.step = -cycle_.step;
    cycle_.frame = 1;
  } else if (cycle_.loop) {
    cycle_.frame = cycle_.frames - 1;
  } else if (!cycle_.ping_pong || cycle_.step == -1) {
    cycle_.playing = false;
  }
}

}  // namespace KOR_GF
