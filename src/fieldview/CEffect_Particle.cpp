#include "fieldview/CEffect_Particle.h"

#include "SERVICE/engine_globals.h"
#include "fieldview/CEffect_List.h"
#include "platform/runtime_random.h"

namespace game {

namespace {
constexpr float kGravity = 180.0f;
}  // namespace

void CEffect_Particle::setup(int id_, int kind_, float x_, float y_, float life_) {
  using KOR::runtime_rand;
  id = id_;
  kind = kind_;
  start_x = x_;
  start_y = y_;
  life = life_;
  x = start_x + static_cast<float>(runtime_rand() % 10 - 5);
  y = start_y + static_cast<float>(runtime_rand() % 10 - 5);
  runtime_rand();  // drawn and not used: later draws keep their place
  scale = static_cast<float>(100 - runtime_rand() % 25) / 100.0f;
  start_time = 0;
  first_seen = 0;
  direction = id <= 4 ? -1 : (id == 5 ? 0 : 1);
  horizontal_speed = static_cast<float>(runtime_rand() % 20 + 10);
  vertical_speed = static_cast<float>(-(runtime_rand() % 60) - 100);
  start_delay = runtime_rand() % 250;
  visible = false;
}

bool CEffect_Particle::update(int time) {
  if (first_seen == 0) first_seen = time;
  int elapsed = 0;
  if (!visible) {
    if (time <= first_seen + start_delay) return false;
    start_time = time;
    visible = true;
    if (time == 0) return false;
  } else {
    elapsed = time - start_time;
  }
  const float dt = KOR::frame_dt.load();
  x += static_cast<float>(direction) * dt * horizontal_speed;
  y += dt * vertical_speed;
  vertical_speed += dt * kGravity;
  const float p = static_cast<float>(elapsed) / 1000.0f / life;
  color.a = p < 0.5f ? 255 : fade_alpha(255.0f - (p - 0.5f) * 2.0f * 255.0f);
  return static_cast<double>(time) >=
         static_cast<double>(start_time) + static_cast<double>(life) * 1000.0;
}

void CEffect_Particle::move(float dx, float dy) {
  x += dx;
  y += dy;
}

}  // namespace game
