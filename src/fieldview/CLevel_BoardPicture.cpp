#include "fieldview/CLevel_BoardPicture.h"

#include "render/KC_RENDER.h"

namespace game {

CLevel_BoardPicture::~CLevel_BoardPicture() {
  if (owned_by_current_renderer()) render_->release_render_target(target_);
}

bool CLevel_BoardPicture::owned_by_current_renderer() const {
  return target_ != nullptr && render_ != nullptr && KOR::KC_RENDER::instance == render_;
}

bool CLevel_BoardPicture::shows(const std::vector<int32_t>& still) const {
  return owned_by_current_renderer() && device_resets_ == render_->device_resets &&
         render_->fits_screen(target_) && still == still_;
}

bool CLevel_BoardPicture::begin() {
  KOR::KC_RENDER* render = KOR::KC_RENDER::instance;
  if (render == nullptr || render->frame_state != 0) return false;
  if (owned_by_current_renderer() && !render->fits_screen(target_)) {
    render->release_render_target(target_);
    target_ = nullptr;
  }
  if (!owned_by_current_renderer()) {
    render_ = render;
    target_ = render->create_screen_target();
  }
  if (render->begin_screen_target(target_) != 1) return false;
  still_.clear();
  return true;
}

void CLevel_BoardPicture::end(const std::vector<int32_t>& still) {
  if (render_->end_screen_target() != 0) return;
  still_ = still;
  device_resets_ = render_->device_resets;
  ++compositions;
}

void CLevel_BoardPicture::draw() const {
  if (owned_by_current_renderer()) render_->draw_screen_target(target_);
}

}  // namespace game
