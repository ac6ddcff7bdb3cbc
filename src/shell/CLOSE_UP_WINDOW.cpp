#include "shell/CLOSE_UP_WINDOW.h"

#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_IMAGE.h"
#include "level/CScene_Level.h"
#include "puzzle/CGame_Config.h"
#include "render/KC_TEXTURE.h"
#include "shell/CGame_App.h"

namespace game {

namespace {

constexpr int kLastFrame = 15;
// The pictures are laid out on a 1024 × 768 screen and drawn about the
// window's place, which a close-up description puts at the screen's middle.
constexpr float kHalfWidth = 512.0f;
constexpr float kHalfHeight = 384.0f;

int32_t ms_after(int32_t clock, float seconds) {
  return static_cast<int32_t>(static_cast<float>(clock) + 1000.0f * seconds);
}

KOR::KC_QUAD* quad_of(KOR::KC_GUI_IMAGE* image) {
  return image != nullptr ? image->quad.get() : nullptr;
}

void show_frame(const KOR_GF::G_WINDOW& window, int32_t id, bool visible) {
  if (id > 0)
    KOR_GF::show_widget(widget_of<KOR::KC_GUI_IMAGE>(window, static_cast<unsigned>(id)), visible);
}

}  // namespace

void CLOSE_UP_WINDOW::on_open_begin() {
  frame_count = 0;
  current_frame = 0;
  first_pass_done = 0;
  close_time = 0;
  next_frame_time = -1;
  scale_end = -1;
  const CGame_Config& config = CGame_Config::instance();
  frame_time = config.get_float("closeUpAnimationFrameTime");
  time_after_first_pass = config.get_float("closeUpAnimationTotalTimeAfterFirstPlay");
  scale_time = config.get_float("closeUpShowScaleTime");
  for (int i = 1; i <= kLastFrame; ++i) {
    auto* image = widget_of<KOR::KC_GUI_IMAGE>(*this, static_cast<unsigned>(i));
    if (image == nullptr) continue;
    frame_count = i;
    if (KOR::KC_QUAD* quad = quad_of(image)) {
      quad->set_hot_spot(KOR::HS_UL);
      const KOR::KS_VECTOR3& at = quad->transform()->position;
      quad->set_position(at.x - kHalfWidth, at.y - kHalfHeight, 0.0f);
    }
  }
  if (KOR::KC_QUAD* quad = quad_of(widget_of<KOR::KC_GUI_IMAGE>(*this, kPicture))) {
    quad->set_hot_spot(KOR::HS_MID);
    const KOR::KS_VECTOR3& at = quad->transform()->position;
    quad->set_position(at.x - kHalfWidth + quad->width() / 2.0f,
                       at.y - kHalfHeight + quad->height() / 2.0f, 0.0f);
  }
}

void CLOSE_UP_WINDOW::on_opened() {
  if (CScene_Level* scene = game_instance().current_level_scene()) scene->hide_interface();
  scale_end = 0;
}

void CLOSE_UP_WINDOW::on_closed() {
  if (CScene_Level* scene = game_instance().current_level_scene()) {
    scene->state = CScene_Level::STATE_WON;
    scene->finish_level();
  }
}

int32_t CLOSE_UP_WINDOW::loop_frame() const {
  switch (pack) {
    case 3:
      return 3;
    case 6:
      return 7;
    case 9:
      return 4;
    default:
      return 5;
  }
}

void CLOSE_UP_WINDOW::update_animation(int32_t clock) {
  if (clock < 0) return;
  if (scale_end == 0) scale_end = ms_after(clock, scale_time);
  if (next_frame_time == -1) {
    if (scale_end <= 0) return;
    grow(clock);
  }
  if (next_frame_time == 0) {
    current_frame = 1;
    next_frame_time = ms_after(clock, frame_time);
    return;
  }
  if (next_frame_time < 0) return;
  if (next_frame_time <= clock) step_frame(clock);
  if (first_pass_done && clock >= close_time) close();
}

// The picture grows about its centre; at full size the frames are due.
void CLOSE_UP_WINDOW::grow(int32_t clock) {
  float s = 1.0f;
  if (clock < scale_end) {
    s = 1.0f - (static_cast<float>(scale_end - clock) / 1000.0f) / scale_time;
  } else {
    next_frame_time = 0;
    show_frame(*this, 1, true);
  }
  auto* picture = widget_of<KOR::KC_GUI_IMAGE>(*this, kPicture);
  KOR::KC_QUAD* quad = quad_of(picture);
  if (quad == nullptr) return;
  picture->set_visible(1);
  if (const KOR::KC_TEXTURE* texture = quad->texture()) {
    quad->set_size(static_cast<int>(s * static_cast<float>(texture->size().x)),
                   static_cast<int>(s * static_cast<float>(texture->size().y)));
  }
  quad->set_hot_spot(KOR::HS_MID);
}

// A loop frame beyond the last frame there is would leave nothing on
// screen, so the loop starts at the last frame at most.
void CLOSE_UP_WINDOW::step_frame(int32_t clock) {
  const int32_t previous = current_frame;
  ++current_frame;
  next_frame_time = ms_after(clock, frame_time);
  if (current_frame > frame_count) {
    if (!first_pass_done) {
      first_pass_done = 1;
      close_time = ms_after(clock, time_after_first_pass);
    }
    current_frame = std::min(loop_frame(), std::max(frame_count, 1));
  }
  show_frame(*this, previous, false);
  show_frame(*this, current_frame, true);
}

}  // namespace game
