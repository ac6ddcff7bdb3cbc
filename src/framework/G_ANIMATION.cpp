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

G_ANIMATION::G_ANIMATION(const G_ANIMATION& other) : G_SPRITE(other) {
  render_state.set_addressing(KOR::KS_RENDER_STATE::kWrapUV);
  copy_animation(other);
  start_delay_ = 0.0f;
}

G_ANIMATION& G_ANIMATION::operator=(const G_ANIMATION& other) {
  if (this == &other) return *this;
  // The grid first: the sprite's assignment reloads through load, which
  // sizes the sprite by the grid.
  const float delay = start_delay_;
  copy_animation(other);
  start_delay_ = delay;
  G_SPRITE::operator=(other);
  return *this;
}

void G_ANIMATION::copy_animation(const G_ANIMATION& other) {
  direction_ = other.direction_;
  ping_pong_ = other.ping_pong_;
  loop_ = other.loop_;
  flip_ = other.flip_;
  playing_ = other.playing_;
  grid_ = other.grid_;
  frame_ = other.frame_;
  frames_ = other.frames_;
  step_ = other.step_;
  rate_ = other.rate_;
  clock_ = other.clock_;
  cell_width_ = other.cell_width_;
  cell_height_ = other.cell_height_;
}

void G_ANIMATION::load() {
  G_SPRITE::load();
  set_grid(grid_);
}

void G_ANIMATION::load_xml(const pugi::xml_node& node) {
  G_SPRITE::load_xml(node);
  const pugi::xml_node animation = node.child("ANIMATION");
  if (!animation) return;
  if (pugi::xml_attribute a = animation.attribute("loop")) loop_ = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("flip")) flip_ = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("ping_pong")) ping_pong_ = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("reverese")) direction_ = a.as_bool();
  if (pugi::xml_attribute a = animation.attribute("grid")) {
    KOR::KS_IVECTOR2 grid;
    grid.parse(a.value());
    set_grid(grid);
  }
  // Frame indices are taken modulo the count, so it is never below 1.
  if (pugi::xml_attribute a = animation.attribute("frames")) {
    frames_ = std::max(1, static_cast<int>(std::strtol(a.value(), nullptr, 10)));
  }
  if (pugi::xml_attribute a = animation.attribute("fps")) {
    rate_ = static_cast<float>(std::strtol(a.value(), nullptr, 10));
  }
  set_frame(frame_);
}

void G_ANIMATION::set_grid(const KOR::KS_IVECTOR2& grid) {
  grid_.set(std::max(1, grid.x), std::max(1, grid.y));
  cell_width_ = 1.0f / static_cast<float>(grid_.x);
  cell_height_ = 1.0f / static_cast<float>(grid_.y);
  if (texture_ == nullptr) return;
  set_size(static_cast<float>(texture_->image_size.x / grid_.x),
           static_cast<float>(texture_->image_size.y / grid_.y));
}

void G_ANIMATION::set_frame(int n) {
  frame_ = n % frames_;
  clock_ = 0.0f;
  const float left = static_cast<float>(frame_ % grid_.x) * cell_width_;
  const float top = static_cast<float>(frame_ / grid_.x) * cell_height_;
  const float right = left + cell_width_;
  const float bottom = top + cell_height_;
  if (flip_) {
    set_uv(right, top, left, bottom);
  } else {
    set_uv(left, top, right, bottom);
  }
}

void G_ANIMATION::start(float delay) {
  playing_ = true;
  start_delay_ = delay;
  set_frame(direction_ ? 0 : frames_ - 1);
}

int G_ANIMATION::update() {
  const float dt = KOR::frame_dt;
  if (!playing_ || dt == 0.0f) return 0;
  if (start_delay_ > 0.0f) {
    start_delay_ -= dt;
    if (start_delay_ > 0.0f) return 0;
  }
  clock_ += dt * rate_;
  if (clock_ <= 1.0f) return 0;
  set_frame(frame_);
  const int previous = frame_;
  const int previous_step = step_;
  frame_ += step_;
  turn_at_end(previous, previous_step);
  return 1;
}

void G_ANIMATION::turn_at_end(int previous, int previous_step) {
  if (std::abs(frame_) > frames_ - 1) {
    if (ping_pong_) {
      step_ = -step_;
      frame_ = previous - previous_step;
    } else if (loop_) {
      frame_ = 0;
    } else {
      playing_ = false;
    }
  }
  if (frame_ >= 0) return;
  if (ping_pong_ && loop_) {
    step_ = -step_;
    frame_ = 1;
  } else if (loop_) {
    frame_ = frames_ - 1;
  } else if (!ping_pong_ || step_ == -1) {
    playing_ = false;
  }
}

}  // namespace KOR_GF
