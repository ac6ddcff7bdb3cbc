#pragma once

#include <string>

#include "gui/KC_GUI_PANEL_BASE.h"
#include "gui/KC_GUI_STRIP.h"

namespace KOR {

// A background picture the size of its texture, centred on its position;
// movable unless told otherwise.
class KC_GUI_PANEL : public KC_GUI_PANEL_BASE {
 public:
  KC_GUI_PANEL(unsigned int id, const std::string& texture_name);

  void draw() override { strip.draw(); }
  // The size is kept; the picture and hit area follow once they exist (the
  // build replaces an earlier size by the texture's).
  void set_size(int w, int h) override;
  float width() override { return strip.width(); }
  float height() override { return strip.height(); }
  void load_resources() override;
  void release_resources() override { strip.release(); }

  int panel_width = 0;
  int panel_height = 0;
  KC_GUI_STRIP strip;

 protected:
  bool pointer_inside() const override { return strip.contains_pointer(*this); }
};

}  // namespace KOR
