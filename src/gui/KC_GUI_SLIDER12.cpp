#include "gui/KC_GUI_SLIDER12.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {

constexpr int kFrames = 12;
// The middle reaches a pixel past each knob stop.
constexpr float kMiddleOverlap = 2.0f;

}  // namespace

KC_GUI_SLIDER12::KC_GUI_SLIDER12(unsigned int id, KC_TEXTURE* texture, KS_VECTOR2 start,
                                 KS_VECTOR2 end, float radius, float button_distance, float min,
                                 float max, float step, float value)
    : KC_BASESLIDER(id, start, end, static_cast<float>(texture->image_size.x / kFrames), radius,
                    button_distance, min, max, step, value) {
  strip_.build(texture, *this, kMiddleOverlap);
}

KC_GUI_SLIDER12::~KC_GUI_SLIDER12() {
  callback_invoke(hook_release_resource, strip_.start()->texture());
}

KS_GUI_EVENT* KC_GUI_SLIDER12::update() {
  KS_GUI_EVENT* answer = KC_BASESLIDER::update();
  strip_.show_states(*this);
  return answer;
}

void KC_GUI_SLIDER12::draw() { strip_.draw(); }

float KC_GUI_SLIDER12::width() { return strip_.width(*this); }

float KC_GUI_SLIDER12::height() { return strip_.height(*this); }

}  // namespace KOR
