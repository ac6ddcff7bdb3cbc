#include "PRIMITIVES/KC_PARTICLE_SYSTEM.h"

#include <algorithm>
#include <cmath>

#include "SERVICE/engine_globals.h"
#include "foundation/KC_RANDOM.h"
#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {
constexpr float kTwoPi = 6.2831855f;

float random_float(float lo, float hi) {
  return random_current ? random_current->range_float(lo, hi) : lo;
}

// Whole pixels from lo up to, not including, hi (the bounds in order).
float random_pixel(float a, float b) {
  const int lo = static_cast<int>(std::min(a, b));
  const int hi = static_cast<int>(std::max(a, b));
  return static_cast<float>(random_current ? random_current->range_int(lo, hi) : lo);
}
}  // namespace

void KS_EMIT_AREA::move_by(float dx, float dy) {
  x1 += dx;
  y1 += dy;
  if (x2 != 0.0f) x2 += dx;
  if (y2 != 0.0f) y2 += dy;
}

KC_PARTICLE_SYSTEM::KC_PARTICLE_SYSTEM() { particle_template.color.set_argb(0xFFFFFFFFu); }

KC_PARTICLE_SYSTEM::KC_PARTICLE_SYSTEM(KC_TEXTURE* texture_, const KS_PARTICLE* given)
    : acceleration(0.0f, 140.0f, 0.0f),
      base_velocity(0.0f, 150.0f, 0.0f),
      start_color(0xFFFFFFFFu),
      mid_color(0xFF00FF00u),
      end_color(0x88FFF700u),
      texture(texture_),
      texture_height(texture_ ? texture_->size().y : 0) {
  render_state.word = 0x3416u;
  if (given != nullptr) {
    particle_template = *given;
  } else {
    particle_template.size = static_cast<float>(texture_height);
    particle_template.color.set_argb(start_color.argb());
    particle_template.life = 1.0f;
    particle_template.lifetime = 2.0f;
    particle_template.velocity = base_velocity;
  }
  // A template is never part of a list.
  particle_template.next = particle_template.prev = nullptr;
}

KC_PARTICLE_SYSTEM::~KC_PARTICLE_SYSTEM() { clear(); }

void KC_PARTICLE_SYSTEM::free_list(KS_PARTICLE*& head) {
  while (head != nullptr) {
    KS_PARTICLE* next = head->next;
    delete head;
    head = next;
  }
}

void KC_PARTICLE_SYSTEM::clear() {
  free_list(particles);
  free_list(recycled);
  count = 0;
}

void KC_PARTICLE_SYSTEM::noop_hook1(KS_PARTICLE*) {}

void KC_PARTICLE_SYSTEM::noop_hook2(KS_PARTICLE*) {}

void KC_PARTICLE_SYSTEM::step(KS_PARTICLE* p, float dt) {
  p->life += (-1.0f / p->lifetime) * dt;
  const float L = p->life;
  const KS_COLORF c = L > 0.5f ? start_color + (mid_color - start_color) * ((1.0f - L) * 2.0f)
                               : mid_color + (end_color - mid_color) * (1.0f - 2.0f * L);
  p->color.set_argb(c.argb());
  p->velocity += acceleration * dt;
  p->position += p->velocity * dt;
  noop_hook2(p);
}

void KC_PARTICLE_SYSTEM::update() {
  const float dt = frame_dt.load();
  for (KS_PARTICLE* p = particles; p != nullptr;) {
    KS_PARTICLE* next = p->next;
    if (p->life < 0.0f) {
      if (p->prev) p->prev->next = p->next;
      if (p->next) p->next->prev = p->prev;
      if (particles == p) particles = p->next;
      --count;
      p->prev = nullptr;
      p->next = recycled;
      recycled = p;
    } else {
      step(p, dt);
    }
    p = next;
  }
  free_list(recycled);
  if (emit_time != 0.0f) {
    emit_time -= dt;
    if (emit_time <= 0.0f) {
      emitting = 0;
      emit_time = 0.0f;
    }
  }
  since_spawn += dt;
  if (emitting && count < max_count && since_spawn >= rate_interval) {
    spawn();
    since_spawn = 0.0f;
  }
}

void KC_PARTICLE_SYSTEM::spawn() {
  KS_PARTICLE* p = new KS_PARTICLE(particle_template);
  p->color.set_argb(start_color.argb());
  if (area.x2 == 0.0f) {
    const float r = random_float(0.0f, area.radius);
    const float a = random_float(0.0f, kTwoPi);
    p->position.x = area.x1 + std::cos(a) * r;
    p->position.y = area.y1 + std::sin(a) * r;
  } else {
    p->position.x = random_pixel(area.x1, area.x2);
    p->position.y = random_pixel(area.y1, area.y2);
  }
  const float half = spread / 2.0f;
  const float bx = base_velocity.x * std::cos(half) - base_velocity.y * std::sin(half);
  const float by = base_velocity.x * std::sin(half) + base_velocity.y * std::cos(half);
  const float r = random_float(0.0f, spread);
  p->velocity.x = bx * std::cos(r) + by * std::sin(r);
  p->velocity.y = -bx * std::sin(r) + by * std::cos(r);
  noop_hook1(p);
  p->prev = nullptr;
  p->next = particles;
  if (particles) particles->prev = p;
  particles = p;
  ++count;
}

void KC_PARTICLE_SYSTEM::draw() {
  KC_RENDER* render = KC_RENDER::instance;
  if (render == nullptr) return;
  render->set_world_transform(transform_ ? transform_->world() : KS_TRANSFORM3());
  render->draw_point_sprites(particles, texture, render_state);
}

void KC_PARTICLE_SYSTEM::start() {
  emitting = 1;
  since_spawn = rate_interval;
  if (count < max_count) {
    spawn();
    since_spawn = 0.0f;
  }
}

void KC_PARTICLE_SYSTEM::emit_for(float seconds) {
  emit_time = seconds > 0.0f ? seconds : 0.1f;
  emitting = 1;
}

void KC_PARTICLE_SYSTEM::set_rate(float per_second) {
  rate = per_second;
  rate_interval = 1.0f / per_second;
}

void KC_PARTICLE_SYSTEM::burst(int n) {
  for (int i = 0; i < n; ++i) {
    if (emitting) spawn();
  }
}

void KC_PARTICLE_SYSTEM::burst_at(int n, int x, int y) {
  const KS_EMIT_AREA saved = area;
  area = KS_EMIT_AREA{static_cast<float>(x), static_cast<float>(y), 0.0f, 0.0f, 0.0f};
  burst(n);
  area = saved;
}

void KC_PARTICLE_SYSTEM::set_area_rect(float cx, float cy, float width, float height) {
  area = KS_EMIT_AREA{cx - width / 2.0f, cy - height / 2.0f, cx + width / 2.0f, cy + height / 2.0f,
                      0.0f};
}

void KC_PARTICLE_SYSTEM::set_area_circle(float cx, float cy, float radius) {
  area = KS_EMIT_AREA{cx, cy, 0.0f, 0.0f, radius};
}

void KC_PARTICLE_SYSTEM::set_area_centre(float x, float y) {
  if (area.x2 != 0.0f && area.y2 != 0.0f) {
    const float w = area.x2 - area.x1;
    const float h = area.y2 - area.y1;
    area = KS_EMIT_AREA{x - w / 2.0f, y - h / 2.0f, x + w / 2.0f, y + h / 2.0f, 0.0f};
  } else {
    area.x1 = x;
    area.y1 = y;
    area.x2 = area.y2 = 0.0f;
  }
}

void KC_PARTICLE_SYSTEM::shift_area_to(float x, float y) {
  if (area.x2 == 0.0f) {
    area.x1 = x;
    area.y1 = y;
  } else {
    area.move_by(x - (area.x1 + area.x2) / 2.0f, y - (area.y1 + area.y2) / 2.0f);
  }
}

void KC_PARTICLE_SYSTEM::set_texture(KC_TEXTURE* t) {
  texture = t;
  texture_height = t ? t->size().y : 0;
}

KS_PARTICLE* KC_PARTICLE_SYSTEM::last_particle() const {
  KS_PARTICLE* p = particles;
  while (p != nullptr && p->next != nullptr) p = p->next;
  return p;
}

}  // namespace KOR
