#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_PANEL_BASE.h"

namespace KOR {

class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// Nine-slice panel: corners of their texture's size around edges and a
// centre that stretch to the requested size, the whole centred on the
// widget's position. Slices and names run row by row from the upper left
// (1_1, 1_2, 1_3, 2_1, ... 3_3). Fixed unless told otherwise.
class KC_GUI_PANEL9 : public KC_GUI_PANEL_BASE {
 public:
  static constexpr int kSlices = 9;

  KC_GUI_PANEL9(unsigned int id, const std::array<std::string, kSlices>& texture_names);
  ~KC_GUI_PANEL9() override;

  void draw() override;
  // Never below the corners' total size.
  void set_size(int w, int h) override;
  float width() override { return static_cast<float>(panel_width); }
  float height() override { return static_cast<float>(panel_height); }
  void load_resources() override;
  void release_resources() override;

  int panel_width = 0;
  int panel_height = 0;
  int min_width = 0;
  int min_height = 0;
  std::array<std::unique_ptr<KC_QUAD>, kSlices> slices;
  std::array<std::string, kSlices> texture_names;
  std::unique_ptr<KC_HIT_SHAPE> hit_area;

 protected:
  bool pointer_inside() const override;

 private:
  void build(const std::array<KC_TEXTURE*, kSlices>& textures);
  void layout_slices();
  void anchor_slices();
  void fit_hit_area();

  // Where the hit rectangle lies: centred on the widget's position like the
  // slices, whatever pivot the widget's own transform has.
  KS_TRANSFORM3 hit_place_;
  uint8_t built_ = 0;
};

}  // namespace KOR
