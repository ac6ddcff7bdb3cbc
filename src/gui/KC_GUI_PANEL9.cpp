#include "gui/KC_GUI_PANEL9.h"

#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"

namespace KOR {

namespace {

enum SLICE : int { UL, UM, UR, ML, MID, MR, DL, DM, DR };

// Edges repeat along the way they stretch; corners clamp.
constexpr uint32_t kAddressing[KC_GUI_PANEL9::kSlices] = {
    KS_RENDER_STATE::kClamp, KS_RENDER_STATE::kWrapU,  KS_RENDER_STATE::kClamp,
    KS_RENDER_STATE::kWrapV, KS_RENDER_STATE::kWrapUV, KS_RENDER_STATE::kWrapV,
    KS_RENDER_STATE::kClamp, KS_RENDER_STATE::kWrapU,  KS_RENDER_STATE::kClamp};

// Each slice's hot spot, and its offset in halves of the centre's size: the
// point of the slice that touches the centre lands on the centre's rim.
struct ANCHOR {
  SLICE slice;
  unsigned hot_spot;
  float half_x;
  float half_y;
};
constexpr ANCHOR kAnchors[KC_GUI_PANEL9::kSlices] = {
    {MID, HS_MID, 0, 0}, {UL, HS_DR, 1, 1},  {UM, HS_MD, 0, 1},
    {UR, HS_DL, -1, 1},  {ML, HS_MR, 1, 0},  {MR, HS_ML, -1, 0},
    {DL, HS_UR, 1, -1},  {DM, HS_MU, 0, -1}, {DR, HS_UL, -1, -1}};

}  // namespace

KC_GUI_PANEL9::KC_GUI_PANEL9(unsigned int id, const std::array<std::string, kSlices>& texture_names)
    : KC_GUI_PANEL_BASE(id, 0), texture_names(texture_names) {
  kind = GUI_KIND_PANEL9;
  hit_place_.parent = transform;
}

KC_GUI_PANEL9::~KC_GUI_PANEL9() = default;

void KC_GUI_PANEL9::draw() {
  if (!built_) return;
  for (const auto& slice : slices) slice->draw_in_world();
}

void KC_GUI_PANEL9::set_size(int w, int h) {
  panel_width = std::max(w, min_width);
  panel_height = std::max(h, min_height);
  if (!built_) return;
  layout_slices();
  fit_hit_area();
}

void KC_GUI_PANEL9::load_resources() {
  std::array<KC_TEXTURE*, kSlices> textures;
  for (int i = 0; i < kSlices; ++i) textures[i] = gui_get_texture(texture_names[i]);
  if (!built_) {
    build(textures);
    return;
  }
  for (int i = 0; i < kSlices; ++i) slices[i]->KC_MESH::set_texture(textures[i]);
}

void KC_GUI_PANEL9::release_resources() {
  for (const auto& slice : slices) gui_release_mesh_texture(slice.get());
}

bool KC_GUI_PANEL9::pointer_inside() const { return gui_pointer_in(*this, hit_area.get()); }

void KC_GUI_PANEL9::build(const std::array<KC_TEXTURE*, kSlices>& textures) {
  built_ = 1;
  for (int i = 0; i < kSlices; ++i) {
    slices[i] = std::make_unique<KC_QUAD>(textures[i], nullptr);
    slices[i]->render_state.set_addressing(kAddressing[i]);
    slices[i]->transform()->parent = transform;
  }
  min_width = static_cast<int>(slices[UL]->width() + slices[UR]->width());
  min_height = static_cast<int>(slices[UL]->height() + slices[DL]->height());
  // A size asked for before the build stays, but never below the corners:
  // a smaller one would turn the centre inside out.
  panel_width = std::max(panel_width, min_width);
  panel_height = std::max(panel_height, min_height);
  hit_area = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, &hit_place_, 0.0f, 0.0f);
  layout_slices();
  fit_hit_area();
}

void KC_GUI_PANEL9::layout_slices() {
  const int cw =
      static_cast<int>(static_cast<float>(panel_width) - slices[UL]->width() - slices[UR]->width());
  const int ch = static_cast<int>(static_cast<float>(panel_height) - slices[UL]->height() -
                                  slices[DL]->height());
  slices[MID]->set_size(cw, ch);
  for (SLICE s : {UM, DM}) slices[s]->set_size(cw, static_cast<int>(slices[s]->height()));
  for (SLICE s : {ML, MR}) slices[s]->set_size(static_cast<int>(slices[s]->width()), ch);
  anchor_slices();
}

void KC_GUI_PANEL9::anchor_slices() {
  const float half_w = slices[MID]->width() / 2.0f;
  const float half_h = slices[MID]->height() / 2.0f;
  for (const ANCHOR& a : kAnchors) {
    slices[a.slice]->set_hot_spot(a.hot_spot, a.half_x * half_w, a.half_y * half_h);
  }
}

void KC_GUI_PANEL9::fit_hit_area() {
  const float w = static_cast<float>(panel_width);
  const float h = static_cast<float>(panel_height);
  hit_area->set_width(w);
  hit_area->set_height(h);
  hit_place_.set_pivot(w / 2.0f, h / 2.0f, 0.0f);
}

}  // namespace KOR
