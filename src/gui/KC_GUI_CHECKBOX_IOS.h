#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "bots/KC_BOT_LIST.h"
#include "foundation/KC_CALLBACK.h"
#include "gui/KC_GUI_CHECKBOX_INTERFACE.h"

namespace KOR {

class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// Sliding switch: a panel with a knob that slides to the other end in 0.3 s
// when the value changes, through a behaviour of the switch's own list. A
// press anywhere on the panel toggles it. It starts checked, and its value
// can be set only once the knob exists and while no slide runs.
class KC_GUI_CHECKBOX_IOS : public KC_GUI_CHECKBOX_INTERFACE {
 public:
  KC_GUI_CHECKBOX_IOS(unsigned int id, const std::string& panel_texture_name,
                      const std::string& knob_texture_name);
  ~KC_GUI_CHECKBOX_IOS() override;

  KS_GUI_EVENT* update() override;
  KS_GUI_EVENT* on_press() override;
  void draw() override;
  float width() override;
  float height() override;
  void load_resources() override;
  void release_resources() override;
  bool is_checked() override { return checked != 0; }
  void set_checked(bool value, bool immediately) override;

  // The slide's completion: the knob is at rest again. 0 for a null switch.
  static int on_move_done(void* widget);

  std::unique_ptr<KC_HIT_SHAPE> hit_area;
  uint8_t knob_at_rest = 1;
  uint8_t checked = 1;
  int checked_x = 0;
  int unchecked_x = 0;
  std::unique_ptr<KC_QUAD> panel;
  std::unique_ptr<KC_QUAD> knob;
  std::string panel_texture_name;
  std::string knob_texture_name;
  KC_BOT_LIST behaviours;
  KC_CALLBACK slide_done;

 private:
  void build(KC_TEXTURE* panel_texture, KC_TEXTURE* knob_texture);
  uint8_t built_ = 0;
};

}  // namespace KOR
