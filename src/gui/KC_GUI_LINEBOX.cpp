#include "gui/KC_GUI_LINEBOX.h"

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_fonts.h"
#include "gui/gui_input.h"
#include "gui/gui_resources.h"
#include "platform/KC_INPUT.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {

constexpr int kBackspace = 8;
constexpr wchar_t kTab = 9;
constexpr int kLeftArrow = 37;
constexpr int kRightArrow = 39;
constexpr int kDelete = 46;
constexpr wchar_t kCaret = L'|';

int fold_alignment(int code) {
  switch (code) {
    case 1:
    case 3:
    case 7:
      return KC_GUI_LINEBOX::LEFT;
    case 2:
    case 4:
    case 8:
      return KC_GUI_LINEBOX::RIGHT;
    default:
      return KC_GUI_LINEBOX::CENTRE;
  }
}

}  // namespace

KC_GUI_LINEBOX::KC_GUI_LINEBOX(unsigned int id, const std::string& texture_name,
                               const std::string& font_texture_name, const std::string& font_name)
    : KC_GUI_OBJECT(id),
      texture_name_(texture_name),
      font_texture_name_(font_texture_name),
      font_name_(font_name),
      text_transform_(new KS_TRANSFORM3) {
  kind = GUI_KIND_LINEBOX;
}

KC_GUI_LINEBOX::~KC_GUI_LINEBOX() { delete text_transform_; }

void KC_GUI_LINEBOX::set_text(const std::wstring& text) {
  if (!font_ || !input_area_) {
    pending_text_ = text;
    text_pending_ = true;
    return;
  }
  if (text.size() > max_length_ ||
      static_cast<float>(font_->text_width_w(text.c_str())) > input_area_->width()) {
    return;
  }
  text_ = text;
  caret_ = 0;
  no_room_at_ = std::wstring::npos;
}

void KC_GUI_LINEBOX::clear_text() {
  text_.clear();
  caret_ = 0;
  text_pending_ = false;
  no_room_at_ = std::wstring::npos;
}

bool KC_GUI_LINEBOX::is_allowed_char(wchar_t ch) const {
  return forbidden_.find(ch) == std::wstring::npos;
}

void KC_GUI_LINEBOX::set_max_length(unsigned int length) {
  max_length_ = length == 0 ? kNoLimit : length;
}

void KC_GUI_LINEBOX::set_caret(int index) {
  if (index < 0) {
    caret_ = 0;
  } else if (static_cast<size_t>(index) > text_.size()) {
    caret_ = static_cast<unsigned int>(text_.size());
  } else {
    caret_ = static_cast<unsigned int>(index);
  }
}

void KC_GUI_LINEBOX::restart_blink() {
  blink_timer_ = blink_period_;
  caret_visible_ = true;
}

void KC_GUI_LINEBOX::set_blink_period(float seconds) {
  blink_period_ = seconds;
  restart_blink();
}

void KC_GUI_LINEBOX::set_alignment(int code) {
  if (code < 0 || code > 8) return;
  if (!font_ || !input_area_) {
    wanted_alignment_ = code;
    return;
  }
  alignment_ = fold_alignment(code);
  const float half_glyph = static_cast<float>(font_->fixed_char_width / 2);
  const float half_width = 0.5f * input_area_->width();
  // Left text starts half a glyph inside the area, right text ends there.
  float x = 0.0f;
  if (alignment_ == LEFT) x = -half_width + half_glyph;
  if (alignment_ == RIGHT) x = half_width - half_glyph;
  text_transform_->set_position(x, 0.0f, 0.0f);
}

void KC_GUI_LINEBOX::set_input_area(float left, float top, float right, float bottom) {
  margin_left_ = left;
  margin_top_ = top;
  margin_right_ = right;
  margin_bottom_ = bottom;
  if (!input_area_) return;
  const float w = box_->width() - left - right;
  const float h = box_->height() - top - bottom;
  input_area_->set_width(w);
  input_area_->set_height(h);
  // Centred on its own middle like the box, and turned and scaled only
  // through the widget transform, so the area lies exactly inside the margins.
  input_transform_->set_pivot(0.5f * w, 0.5f * h, 0.0f);
  input_transform_->set_position((left - right) * 0.5f, (top - bottom) * 0.5f, 0.0f);
  set_alignment(alignment_);
}

float KC_GUI_LINEBOX::width() { return box_ ? box_->width() : 0.0f; }

float KC_GUI_LINEBOX::height() { return box_ ? box_->height() : 0.0f; }

KS_GUI_EVENT* KC_GUI_LINEBOX::update() {
  event.code = GUI_EVENT_NONE;
  if (!focused) {
    caret_visible_ = false;
  } else if (blink_timer_ > 0.0f) {
    blink_timer_ -= frame_dt;
  } else {
    blink_timer_ = blink_period_;
    caret_visible_ = !caret_visible_;
  }
  return nullptr;
}

KS_GUI_EVENT* KC_GUI_LINEBOX::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  if (!focus_on_hover_) return nullptr;
  focused = 1;
  event.code = GUI_EVENT_FOCUS;
  return &event;
}

KS_GUI_EVENT* KC_GUI_LINEBOX::on_press() {
  event.code = GUI_EVENT_NONE;
  if (!input_area_) return nullptr;
  const KC_INPUT* input = KC_INPUT::instance;
  if (gui_left_went_down()) {
    focused = gui_pointer_in(*this, input_area_.get()) ? 1 : 0;
    if (!focused) return nullptr;
    event.code = GUI_EVENT_DOWN;
    return &event;
  }
  if (!focused) return nullptr;
  const int key = input->last_key;
  if (key != 0) {
    restart_blink();
    switch (key) {
      case kBackspace:
        if (caret_ > 0) text_.erase(--caret_, 1);
        return nullptr;
      case kLeftArrow:
        if (caret_ > 0) --caret_;
        return nullptr;
      case kRightArrow:
        if (caret_ < text_.size()) ++caret_;
        return nullptr;
      case kDelete:
        if (caret_ < text_.size()) text_.erase(caret_, 1);
        return nullptr;
      default:
        break;
    }
  }
  if (!type_character(key)) return nullptr;
  event.code = GUI_EVENT_CHANGED;
  return &event;
}

bool KC_GUI_LINEBOX::type_character(int key) {
  const wchar_t ch = KC_INPUT::instance->typed_text[0];
  if (ch == 0 || ch == kTab || text_.size() >= max_length_ || KC_INPUT::is_control_key(key) ||
      !is_allowed_char(ch)) {
    return false;
  }
  const int room = font_->text_width_w(text_.c_str()) +
                   2 * (font_->glyph_advance(static_cast<int>(ch)) + font_->tracking);
  if (!(input_area_->width() > static_cast<float>(room))) {
    no_room_at_ = text_.size();
    return false;
  }
  if (caret_ > text_.size()) return false;
  text_.insert(caret_, 1, ch);
  ++caret_;
  no_room_at_ = std::wstring::npos;
  return true;
}

void KC_GUI_LINEBOX::draw() {
  if (!box_) return;
  box_->draw_in_world();
  KC_QUAD* page = font_->page();
  if (!page) return;
  font_->set_color(text_color.argb());
  KS_TRANSFORM3 at = text_transform_->world();
  at.parent = nullptr;
  page->transform()->parent = &at;
  const unsigned saved_anchor = font_->anchor;
  font_->anchor = static_cast<unsigned>(alignment_);
  const int x0 = font_->align_offset_x_w(text_.c_str());
  const int y = -static_cast<int>(margin_bottom_);
  int pen = 0;
  for (size_t i = 0; i <= text_.size(); ++i) {
    if (i == caret_ && caret_visible_) font_->draw_glyph(kCaret, x0 + pen - 2, y);
    if (i == text_.size()) break;
    pen += font_->draw_glyph(static_cast<int>(text_[i]), x0 + pen, y) + font_->tracking;
  }
  font_->anchor = saved_anchor;
  page->transform()->parent = nullptr;
}

void KC_GUI_LINEBOX::load_resources() {
  KC_TEXTURE* box = gui_get_texture(texture_name_);
  KC_TEXTURE* page = gui_get_texture(font_texture_name_);
  if (box_) {
    box_->KC_MESH::set_texture(box);
    if (font_->page()) font_->page()->KC_MESH::set_texture(page);
    return;
  }
  build(box, page);
}

void KC_GUI_LINEBOX::build(KC_TEXTURE* box, KC_TEXTURE* page) {
  font_ = gui_make_font(font_name_, page);
  font_->set_color(text_color.argb());
  font_->tracking = letter_spacing_;
  box_ = std::make_unique<KC_QUAD>(box, transform);
  box_->set_size(box->image_size.x, box->image_size.y);
  box_->set_hot_spot(HS_MID);
  input_transform_ = std::make_unique<KS_TRANSFORM3>();
  input_transform_->parent = transform;
  input_area_ = std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, input_transform_.get(),
                                               box_->width(), box_->height());
  text_transform_->parent = input_transform_.get();
  set_alignment(wanted_alignment_);
  set_input_area(margin_left_, margin_top_, margin_right_, margin_bottom_);
  if (text_pending_) {
    text_pending_ = false;
    set_text(pending_text_);
  }
}

void KC_GUI_LINEBOX::release_resources() {
  if (font_ && font_->page()) gui_release_mesh_texture(font_->page());
  if (box_) gui_release_mesh_texture(box_.get());
}

}  // namespace KOR
