#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/KC_BASEPROGRESS.h"

namespace KOR {

class KC_QUAD;
struct KC_TEXTURE;

// Horizontal bar from a two-frame strip: the empty bar, and over it the
// full bar cut to the fraction, growing from the left edge. Arriving at the
// end fires FILLED once; it fires again only after the value left the end.
// Takes no pointer input.
class KC_GUI_PROGRESS_BAR : public KC_BASEPROGRESS {
 public:
  KC_GUI_PROGRESS_BAR(unsigned int id, const std::string& texture_name);
  ~KC_GUI_PROGRESS_BAR() override;

  void draw() override;
  // Before the first load only the frame size is kept; the build sets it
  // from the texture.
  void set_size(int w, int h) override;
  void load_resources() override;
  void release_resources() override;
  // Lays out the fill; nothing before the build.
  void on_value_changed() override;

  std::unique_ptr<KC_CALLBACK> hook_filled;  // set by the builder, owned
  uint8_t filled_armed = 1;
  int frame_width = 0;
  int frame_height = 0;
  std::string texture_name;
  std::unique_ptr<KC_QUAD> background;
  std::unique_ptr<KC_QUAD> fill;

 private:
  void build(KC_TEXTURE* texture);
};

}  // namespace KOR
