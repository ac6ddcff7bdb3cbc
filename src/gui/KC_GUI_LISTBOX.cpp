#include "gui/KC_GUI_LISTBOX.h"

#include <algorithm>
#include <cmath>
#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "gui/gui_fonts.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"
#include "platform/KC_INPUT.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {

constexpr int kDownArrow = 40;
constexpr int kUpArrow = 38;
constexpr int kAllRows = 99999;
constexpr float kScrollButtonDistance = 0.5f;
// The scroll strip's width over this is how far its buttons reach past the
// panel's top and bottom.
constexpr int kScrollOverhang = 26;
constexpr float kScrollColumn = 1.8f;

}  // namespace

KC_GUI_LISTBOX::KC_GUI_LISTBOX(unsigned int id, const std::string& selection_texture,
                               const std::string& panel_texture,
                               const std::string& scroll_bar_texture,
                               const std::string& font_texture, const std::string& font_name)
    : KC_GUI_OBJECT(id),
      selection_texture_(selection_texture),
      font_texture_(font_texture),
      scroll_bar_texture_(scroll_bar_texture),
      font_name_(font_name),
      panel_(std::make_unique<KC_GUI_PANEL>(kPanelId, panel_texture)) {
  kind = GUI_KIND_LISTBOX;
  panel_->transform->parent = transform;
  panel_->movable = 0;
}

KC_GUI_LISTBOX::~KC_GUI_LISTBOX() {}

void KC_GUI_LISTBOX::add_item(const char* text) { add_item_w(pugi::as_wide(text)); }

void KC_GUI_LISTBOX::add_item_w(const std::wstring& text) {
  items_.push_back(text);
  update_scroll_range();
}

void KC_GUI_LISTBOX::clear() {
  items_.clear();
  selection_ = -1;
  update_scroll_range();
}

void KC_GUI_LISTBOX::remove_last() {
  if (items_.empty()) return;
  items_.pop_back();
  update_scroll_range();
}

void KC_GUI_LISTBOX::remove_at(int index) {
  if (index < 0 || index >= item_count()) return;
  items_.erase(items_.begin() + index);
  update_scroll_range();
}

std::wstring KC_GUI_LISTBOX::item_text(int index) const {
  return index >= 0 && index < item_count() ? items_[static_cast<size_t>(index)] : std::wstring();
}

const std::wstring* KC_GUI_LISTBOX::selected_text() const {
  if (selection_ < 0 || selection_ >= item_count()) return nullptr;
  return &items_[static_cast<size_t>(selection_)];
}

void KC_GUI_LISTBOX::select_text(const std::wstring& text) {
  for (int i = 0; i < item_count(); ++i) {
    if (items_[static_cast<size_t>(i)] == text) selection_ = i;
  }
}

void KC_GUI_LISTBOX::set_visible_count(int rows) {
  visible_rows_ = std::max(1, rows);
  row_height_ = static_cast<int>(panel_->height()) / visible_rows_;
  update_scroll_range();
}

void KC_GUI_LISTBOX::set_text_color(KS_COLOR color) {
  text_color_ = color;
  if (font_) font_->set_color(color.argb());
}

void KC_GUI_LISTBOX::set_slider_distance(int distance) {
  slider_distance_ = distance;
  if (!scroll_bar_) return;
  scroll_bar_->transform->set_position(
      0.5f * panel_->width() + 0.5f * scroll_bar_->width() + static_cast<float>(distance), 0.0f,
      0.0f);
}

int KC_GUI_LISTBOX::slider_distance() const {
  if (!scroll_bar_) return slider_distance_;
  return static_cast<int>(scroll_bar_->transform->position.x -
                          (0.5f * panel_->width() + 0.5f * scroll_bar_->width()));
}

void KC_GUI_LISTBOX::set_inset_divisor(int divisor) { inset_divisor_ = std::max(1, divisor); }

void KC_GUI_LISTBOX::set_row_texture(const std::string& name, int rows) {
  row_texture_ = name;
  visible_rows_ = rows == 0 ? kAllRows : std::max(1, rows);
}

void KC_GUI_LISTBOX::update_scroll_range() {
  if (!scroll_bar_) return;
  const int count = item_count();
  scroll_bar_->set_range(0.0f,
                         count > visible_rows_ ? static_cast<float>(count - visible_rows_) : 0.0f);
}

bool KC_GUI_LISTBOX::scroll_bar_live() const {
  return scroll_bar_ && scroll_bar_->min() != scroll_bar_->max();
}

KS_GUI_EVENT* KC_GUI_LISTBOX::scroll_answer(KS_GUI_EVENT* answer) {
  if (!answer) return nullptr;
  event.code = answer->code;
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_LISTBOX::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  if (!input_area_) return nullptr;
  KS_GUI_EVENT* answer = nullptr;
  if (scroll_bar_live()) {
    answer = scroll_bar_->on_pointer_move();
    if (answer) event.code = answer->code;
  }
  focused = gui_pointer_in(*this, input_area_.get()) || (scroll_bar_live() && scroll_bar_->focused);
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_LISTBOX::on_press() {
  event.code = GUI_EVENT_NONE;
  if (!focused || !input_area_) return nullptr;
  if (scroll_bar_live()) {
    if (KS_GUI_EVENT* answer = scroll_answer(scroll_bar_->on_press())) return answer;
  }
  if (!gui_left_went_down() || !gui_pointer_in(*this, input_area_.get())) return nullptr;
  const float top = transform->world().position.y;
  // A panel shorter than its rows still has rows a pixel high.
  const float h = static_cast<float>(std::max(1, row_height_));
  const float along = 0.5f * panel_->height() + (static_cast<float>(*pointer_y) - top);
  const int row = static_cast<int>(along / h + scroll_bar_->value());
  selection_ = row;
  if (static_cast<unsigned int>(row) >= items_.size()) selection_ = item_count() - 1;
  event.code = GUI_EVENT_DOWN;
  return &event;
}

KS_GUI_EVENT* KC_GUI_LISTBOX::on_release() {
  event.code = GUI_EVENT_NONE;
  if (!focused || !input_area_) return nullptr;
  if (scroll_bar_live()) {
    if (KS_GUI_EVENT* answer = scroll_answer(scroll_bar_->on_release())) return answer;
  }
  const int last = item_count() - 1;
  const KC_INPUT* input = KC_INPUT::instance;
  if (input->key_released(kDownArrow)) {
    selection_ = selection_ >= last ? last : selection_ + 1;
    if (selection_ - scroll_bar_->value() >= static_cast<float>(visible_rows_)) {
      scroll_bar_->step_by(1);
    }
    const float off = static_cast<float>(selection_) - scroll_bar_->value();
    if (off < 0.0f) scroll_bar_->step_by(static_cast<int>(off));
  } else if (input->key_released(kUpArrow)) {
    selection_ = selection_ <= 0 ? 0 : selection_ - 1;
    if (selection_ - scroll_bar_->value() < 0.0f) scroll_bar_->step_by(-1);
    const float off = static_cast<float>(selection_) - scroll_bar_->value();
    if (off > static_cast<float>(visible_rows_ - 1)) scroll_bar_->step_by(static_cast<int>(off));
  } else {
    return nullptr;
  }
  scroll_bar_->update_fill();
  return nullptr;
}

void KC_GUI_LISTBOX::draw() {
  if (!input_area_) return;
  panel_->draw();
  const KS_VECTOR2 at = panel_->transform->world().position_xy();
  const float w = panel_->width();
  const float h = panel_->height();
  const int half_row = row_height_ / 2;
  const float text_left = at.x - 0.5f * w + w / static_cast<float>(inset_divisor_);
  const float text_top = at.y - 0.5f * h + static_cast<float>(half_row - font_->line_height() / 2);
  const float v = scroll_bar_->value();
  const int end = std::min(item_count(), static_cast<int>(v + static_cast<float>(visible_rows_)));
  for (int i = static_cast<int>(v); i < end; ++i) {
    const float offset = (static_cast<float>(i) - v) * static_cast<float>(row_height_);
    const float centre = -0.5f * h + offset + static_cast<float>(half_row);
    for (KC_QUAD* q : {row_picture_.get(), i == selection_ ? selection_picture_.get() : nullptr}) {
      if (!q) continue;
      q->set_position(0.0f, centre, 0.0f);
      q->draw_in_world();
    }
    font_->draw_text_w(static_cast<int>(text_left) + left_margin_,
                       static_cast<int>(offset + text_top) + upper_margin_,
                       items_[static_cast<size_t>(i)].c_str());
  }
  if (scroll_bar_live()) scroll_bar_->draw();
}

std::unique_ptr<KC_QUAD> KC_GUI_LISTBOX::picture(KC_TEXTURE* texture) {
  auto q = std::make_unique<KC_QUAD>(texture, nullptr);
  q->transform()->parent = transform;
  q->set_hot_spot(HS_MID);
  return q;
}

void KC_GUI_LISTBOX::load_resources() {
  KC_TEXTURE* selection = gui_get_texture(selection_texture_);
  KC_TEXTURE* row = gui_get_texture(row_texture_);
  KC_TEXTURE* page = gui_get_texture(font_texture_);
  panel_->load_resources_tree();
  const bool first = input_area_ == nullptr;
  if (first) {
    build(selection, row, page);
  } else {
    selection_picture_->KC_MESH::set_texture(selection);
    if (row_picture_) row_picture_->KC_MESH::set_texture(row);
    if (font_->page()) font_->page()->KC_MESH::set_texture(page);
  }
  scroll_bar_->load_resources_tree();
  // The scroll bar settles on its track when it first loads; only then can
  // it stand beside the panel.
  if (first) set_slider_distance(slider_distance_);
}

void KC_GUI_LISTBOX::build(KC_TEXTURE* selection, KC_TEXTURE* row, KC_TEXTURE* page) {
  const float w = panel_->width();
  const float h = panel_->height();
  row_height_ = static_cast<int>(h) / visible_rows_;
  font_ = gui_make_font(font_name_, page);
  font_->set_color(text_color_.argb());
  if (!row_texture_.empty()) {
    row_picture_ = picture(row);
    row_height_ = static_cast<int>(row_picture_->height());
  }
  selection_picture_ = picture(selection);
  KC_TEXTURE* strip = gui_get_texture(scroll_bar_texture_);
  const float overhang = static_cast<float>(strip->image_size.x / kScrollOverhang);
  const float x = w / kScrollColumn;
  scroll_bar_ = std::make_unique<KC_GUI_SLIDER13>(
      kScrollBarId, scroll_bar_texture_, KS_VECTOR2(x, -(0.5f * h + overhang)),
      KS_VECTOR2(x, 0.5f * h + overhang), w / static_cast<float>(inset_divisor_),
      kScrollButtonDistance, 0.0f, 0.0f, 1.0f, 0.0f);
  gui_release_texture(strip);
  scroll_bar_->transform->parent = transform;
  input_area_ = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, panel_->transform, w, h);
  update_scroll_range();
}

void KC_GUI_LISTBOX::release_resources() {
  gui_release_mesh_texture(selection_picture_.get());
  gui_release_mesh_texture(row_picture_.get());
  if (font_) gui_release_mesh_texture(font_->page());
  panel_->release_resources_tree();
  if (scroll_bar_) scroll_bar_->release_resources_tree();
}

void KC_GUI_LISTBOX::set_size(int w, int h) {
  if (!input_area_) return;
  input_area_->set_width(static_cast<float>(w));
  input_area_->set_height(static_cast<float>(h));
  row_height_ = h / visible_rows_;
  panel_->set_size(w, h);
  const int d = inset_divisor_;
  scroll_bar_->set_button_radius(static_cast<float>(w / d));
  const float x = 0.5f * static_cast<float>(w) - static_cast<float>(w / d);
  const float reach = 0.5f * static_cast<float>(h) - static_cast<float>(h / d);
  scroll_bar_->set_track(KS_VECTOR2(x, reach), KS_VECTOR2(x, -reach));
  for (KC_QUAD* q : {selection_picture_.get(), row_picture_.get()}) {
    if (!q) continue;
    q->set_size(w, font_->line_height());
    q->set_hot_spot(HS_MID);
  }
  update_scroll_range();
}

}  // namespace KOR
