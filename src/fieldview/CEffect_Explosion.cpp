#include "fieldview/CEffect_Explosion.h"

#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CEffect_Particle.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_TRANSFORM3.h"
#include "puzzle/CGame_Config.h"

namespace game {

namespace {
constexpr int kFrames = 9;
constexpr float kParticleLife = 1.0f;
constexpr unsigned kClear = 0x00FFFFFFu;
constexpr unsigned kOpaque = 0xFFFFFFFFu;
}  // namespace

CEffect_Explosion::CEffect_Explosion() = default;

CEffect_Explosion::~CEffect_Explosion() = default;

void CEffect_Explosion::init(unsigned int kind_, float x_, float y_) {
  kind = kind_;
  x = x_;
  y = y_;
  if (kind == KIND_COIN_BURST || kind == KIND_STAR_BURST) {
    init_burst();
  } else if (kind == KIND_FRAME_EXPLOSION) {
    init_frames();
  }
}

void CEffect_Explosion::init_burst() {
  particle_sprite.reset(texture_sprite(kind == KIND_COIN_BURST ? "graphics/main/interface coin.png"
                                                               : "graphics/main/interface star.png",
                                       KOR::HS_MID));
  if (particle_sprite != nullptr) particle_sprite->set_position(-300.0f, -300.0f, 0.0f);
  for (int id = 1; id <= particle_count; ++id) {
    CEffect_Particle* particle = (particles[id] = std::make_unique<CEffect_Particle>()).get();
    particle->setup(id, static_cast<int>(kind), x, y, kParticleLife);
  }
}

void CEffect_Explosion::init_frames() {
  pugi::xml_document atlas;
  const pugi::xml_node images = load_atlas(atlas, "xml/atlas/game_elements_atlas.xml");
  for (int i = 1; i <= kFrames; ++i) {
    KOR::KC_QUAD* frame = atlas_sprite(images, "main_animations_explosion_" + std::to_string(i),
                                       "graphics/main game_elements_atlas.png", KOR::HS_MID,
                                       kAtlasInset, kAtlasInset);
    if (frame != nullptr) {
      frame->set_position(x, y, 0.0f);
      frame->set_color(kClear);
    }
    frames[i].reset(frame);
  }
  frame_time = CGame_Config::instance().get_float("explosionAnimationFrameTime");
  current_frame = 1;
  set_frame_color(1, kOpaque);
  next_frame_time = 0;
}

void CEffect_Explosion::set_frame_color(int frame, unsigned argb) {
  auto it = frames.find(frame);
  if (it != frames.end() && it->second != nullptr) it->second->set_color(argb);
}

bool CEffect_Explosion::update(int time) {
  if (kind == KIND_FRAME_EXPLOSION) return step_frames(time);
  for (auto it = particles.begin(); it != particles.end();) {
    if (it->second->update(time)) {
      it = particles.erase(it);
    } else {
      ++it;
    }
  }
  return particles.empty();
}

bool CEffect_Explosion::step_frames(int time) {
  const int step = static_cast<int>(frame_time * 1000.0f);
  if (next_frame_time == 0) next_frame_time = time + step;
  if (time < next_frame_time) return false;
  ++current_frame;
  if (current_frame > kFrames) return true;
  set_frame_color(current_frame - 1, kClear);
  set_frame_color(current_frame, kOpaque);
  next_frame_time = time + step;
  return false;
}

void CEffect_Explosion::draw() {
  if (kind == KIND_FRAME_EXPLOSION) {
    auto it = frames.find(current_frame);
    if (it != frames.end() && it->second != nullptr) it->second->draw();
    return;
  }
  if (particle_sprite == nullptr) return;
  for (auto& [id, particle] : particles) {
    if (!particle->visible) continue;
    particle_sprite->set_position(particle->x, particle->y, 0.0f);
    particle_sprite->set_color(particle->color);
    particle_sprite->set_scale(particle->scale, particle->scale, 1.0f);
    particle_sprite->draw();
  }
}

void CEffect_Explosion::shift(float dx, float dy) {
  for (auto& [id, particle] : particles) particle->move(dx, dy);
  for (auto& [n, frame] : frames) {
    if (frame == nullptr) continue;
    const KOR::KS_VECTOR3& at = frame->transform()->position;
    frame->set_position(at.x + dx, at.y + dy, 0.0f);
  }
}

}  // namespace game
