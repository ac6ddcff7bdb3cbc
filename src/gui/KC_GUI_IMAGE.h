#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// A picture that answers presses (code 7) and releases (code 8) over its
// rectangle. Its quad is made at the first load of resources, on the
// widget's transform, with the widget's pivot set from the hot spot.
class KC_GUI_IMAGE : public KC_GUI_OBJECT {
 public:
  KC_GUI_IMAGE(unsigned int id, const std::string& texture_name);
  // Built at once from a texture its caller holds.
  KC_GUI_IMAGE(unsigned int id, KC_TEXTURE* texture);
  ~KC_GUI_IMAGE() override;

  KS_GUI_EVENT* update() override;
  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  void draw() override;
  // The picture only: the hit area keeps the texture's size.
  void set_size(int w, int h) override;
  float width() override;
  float height() override;
  void load_resources() override;
  void release_resources() override;

  void set_hot_spot(int value) { hot_spot = value; }
  void set_texture_name(const std::string& name);
  void set_texture(KC_TEXTURE* texture);
  // Makes the quad and hit area once; a null texture makes nothing.
  void build(KC_TEXTURE* texture);

  std::string texture_name;
  int hot_spot = 0;
  std::unique_ptr<KC_QUAD> quad;
  std::unique_ptr<KC_HIT_SHAPE> hit_area;
  uint8_t built = 0;

 private:
  KS_GUI_EVENT* hit_test(int code_inside);
};

}  // namespace KOR
