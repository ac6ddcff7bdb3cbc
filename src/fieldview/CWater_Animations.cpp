#include "fieldview/CWater_Animations.h"

#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/field_atlas.h"
#include "puzzle/CGame_Config.h"

namespace game {

namespace {
constexpr int kFrames = 15;
constexpr unsigned kClear = 0x00FFFFFFu;
constexpr unsigned kOpaque = 0xFFFFFFFFu;
}  // namespace

void CWater_Animations::set_frame_color(int frame, unsigned argb) {
  auto it = frames.find(frame);
  if (it != frames.end() && it->second != nullptr) it->second->set_color(argb);
}

void CWater_Animations::load() {
  x = -7.0f;
  y = 0.0f;
  pugi::xml_document atlas;
  const pugi::xml_node images = load_atlas(atlas, "xml/atlas/game_elements_atlas.xml");
  for (int n = 1; n <= kFrames; ++n) {
    KOR::KC_QUAD* frame =
        atlas_sprite(images, "main_animations_water_" + std::to_string(n),
                     "graphics/main game_elements_atlas.png", KOR::HS_UL, kAtlasInset, kAtlasInset);
    if (frame != nullptr) frame->set_color(kClear);
    frames[n].reset(frame);
  }
  frame_time = CGame_Config::instance().get_float("waterAnimationFrameTime");
  current_frame = 1;
  set_frame_color(1, kOpaque);
  next_frame_time = 0;
}

void CWater_Animations::update(int clock_ms) {
  const int step = static_cast<int>(frame_time * 1000.0f);
  if (next_frame_time == 0) next_frame_time = clock_ms + step;
  if (clock_ms < next_frame_time) return;
  set_frame_color(current_frame, kClear);
  current_frame = current_frame % kFrames + 1;
  set_frame_color(current_frame, kOpaque);
  next_frame_time = clock_ms + step;
}

void CWater_Animations::reset() {
  current_frame = 1;
  set_frame_color(1, kOpaque);
  next_frame_time = 0;
}

void CWater_Animations::draw() {
  auto it = frames.find(current_frame);
  if (it == frames.end() || it->second == nullptr) return;
  for (int k = 0; k < 8; ++k) {
    it->second->set_position(x + 172.0f * static_cast<float>(k), y, 0.0f);
    it->second->draw();
  }
}

}  // namespace game
