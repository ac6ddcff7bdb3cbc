#pragma once

#include <cstdint>

#include "foundation/KS_COLOR.h"
#include "foundation/KS_COLORF.h"
#include "foundation/KS_RENDER_STATE.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KC_TEXTURE;
struct KS_TRANSFORM3;

// One particle: the renderer's point-sprite drawing reads its position,
// size and colour and follows `next`.
struct KS_PARTICLE {
  KS_VECTOR3 position;
  float size = 0.0f;
  KS_COLOR color;
  float life = 1.0f;      // removed once below 0
  float lifetime = 0.0f;  // seconds per unit of life
  KS_VECTOR3 velocity;    // pixels per second
  uint32_t spare[3] = {0, 0, 0};
  KS_PARTICLE* next = nullptr;
  KS_PARTICLE* prev = nullptr;
};

// Where particles are born: a circle around (x1, y1) when x2 is exactly 0,
// else the rectangle between (x1, y1) and (x2, y2).
struct KS_EMIT_AREA {
  float x1 = 0.0f;
  float y1 = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;
  float radius = 0.0f;

  // x2 and y2 move only where they are not 0.
  void move_by(float dx, float dy);
};

// Textured point sprites made in an area at a rate, moved under a constant
// acceleration and coloured through three colours over their life. The
// hooks let a derived system act on each new and each living particle.
class KC_PARTICLE_SYSTEM {
 public:
  // Every value zero or empty; the template opaque white.
  KC_PARTICLE_SYSTEM();
  // `particle_template` null: size the texture's height, life 1, lifetime 2.
  KC_PARTICLE_SYSTEM(KC_TEXTURE* texture, const KS_PARTICLE* particle_template);
  KC_PARTICLE_SYSTEM(const KC_PARTICLE_SYSTEM&) = delete;
  KC_PARTICLE_SYSTEM& operator=(const KC_PARTICLE_SYSTEM&) = delete;
  virtual ~KC_PARTICLE_SYSTEM();

  // Ages, moves and recolours every particle, removes the dead ones, and
  // makes at most one new particle.
  virtual void update();
  virtual void noop_hook1(KS_PARTICLE* particle);
  virtual void noop_hook2(KS_PARTICLE* particle);

  void draw();
  // Emitting, with one particle at once.
  void start();
  void resume() { emitting = 1; }
  void stop() { emitting = 0; }
  // Emits for that many seconds (0.1 when not above 0).
  void emit_for(float seconds);
  void set_rate(float per_second);
  // While emitting: count particles at once, whatever the maximum.
  void burst(int count);
  // A burst exactly at (x, y); the area is kept.
  void burst_at(int count, int x, int y);
  void set_area_rect(float cx, float cy, float width, float height);
  void set_area_circle(float cx, float cy, float radius);
  // A rectangle keeps its size around the point; else the point itself.
  void set_area_centre(float x, float y);
  // Moves a circle's centre, or a rectangle's centre, to (x, y).
  void shift_area_to(float x, float y);
  void set_texture(KC_TEXTURE* texture);
  void set_transform(KS_TRANSFORM3* t) { transform_ = t; }
  KS_TRANSFORM3* transform() const { return transform_; }
  // The oldest living particle; null when none lives.
  KS_PARTICLE* last_particle() const;
  void clear();

  int count = 0;
  int max_count = 8096;
  KS_VECTOR3 acceleration;
  KS_VECTOR3 base_velocity;
  float spread = 0.0f;
  KS_COLORF start_color;
  KS_COLORF mid_color;
  KS_COLORF end_color;
  KS_RENDER_STATE render_state;
  KS_PARTICLE particle_template;
  KS_PARTICLE* particles = nullptr;
  KS_PARTICLE* recycled = nullptr;
  float emit_time = 0.0f;  // seconds left; 0 = no limit
  uint8_t emitting = 0;
  float rate = 1.0f;
  float rate_interval = 1.0f;
  float since_spawn = 0.0f;
  KC_TEXTURE* texture = nullptr;
  int texture_height = 0;
  KS_EMIT_AREA area;

 private:
  void spawn();
  void step(KS_PARTICLE* p, float dt);
  static void free_list(KS_PARTICLE*& head);

  KS_TRANSFORM3* transform_ = nullptr;
};

}  // namespace KOR
