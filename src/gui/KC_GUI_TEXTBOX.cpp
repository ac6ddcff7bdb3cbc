#include "gui/KC_GUI_TEXTBOX.h"

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/text_utilities.h"
#include "gui/gui_input.h"
#include "platform/KC_INPUT.h"

namespace KOR {

namespace {

constexpr int kRightButton = 2;
constexpr int kKeyBackspace = 8;
constexpr int kKeyLeft = 37;
constexpr int kKeyRight = 39;
constexpr int kKeyDelete = 46;

bool went_down(int key) { return KC_INPUT::instance && KC_INPUT::instance->key_pressed(key); }

}  // namespace

KC_GUI_TEXTBOX::KC_GUI_TEXTBOX(unsigned int id, const pugi::xml_node& description,
                               KC_TEXTURE* font_texture, KC_TEXTURE* box_texture)
    : KC_GUI_OBJECT(id),
      owned_font_(std::make_unique<KC_FONT>(description, font_texture, 600)),
      font_(owned_font_.get()) {
  set_up_box(box_texture);
  kind = GUI_KIND_TEXTBOX;
}

KC_GUI_TEXTBOX::KC_GUI_TEXTBOX(unsigned int id, KC_FONT* font, KC_TEXTURE* box_texture)
    : KC_GUI_OBJECT(id), font_(font) {
  if (font_) set_up_box(box_texture);
}

KC_GUI_TEXTBOX::~KC_GUI_TEXTBOX() = default;

void KC_GUI_TEXTBOX::set_up_box(KC_TEXTURE* box_texture) {
  box_ = std::make_unique<KC_QUAD>(box_texture, transform);
  if (!box_texture) box_->use_transform(transform);
  box_->set_hot_spot(HS_MID);
  box_width = static_cast<int>(box_->width());
  box_height = static_cast<int>(box_->height());
  unit_width = font_->line_height();
  compute_limit();
  hit_area_ =
      std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kRectangle, transform,
                                     static_cast<float>(box_width), static_cast<float>(box_height));
}

int KC_GUI_TEXTBOX::inset() const { return inset_divisor != 0 ? box_width / inset_divisor : 0; }

void KC_GUI_TEXTBOX::compute_limit() {
  const int unit = unit_width + letter_spacing;
  unit_limit = unit > 0 ? (box_width - 2 * inset()) / unit : 0;
}

void KC_GUI_TEXTBOX::set_letter_spacing(int value) {
  letter_spacing = value;
  compute_limit();
}

void KC_GUI_TEXTBOX::set_font(KC_FONT* value) {
  if (value != owned_font_.get()) owned_font_.reset();
  font_ = value;
  unit_width = font_ ? font_->line_height() : 0;
  compute_limit();
}

void KC_GUI_TEXTBOX::set_font_scale(float scale) {
  if (font_ && font_->page()) font_->page()->set_scale(scale, scale, scale);
}

int KC_GUI_TEXTBOX::char_width() const { return font_ ? font_->char_width() : -1; }

int KC_GUI_TEXTBOX::append_char(wchar_t unit) {
  return insert_char(unit, static_cast<unsigned int>(text.size()));
}

int KC_GUI_TEXTBOX::insert_char(wchar_t unit, unsigned int index) {
  // At or over the limit (a narrow text may be longer): full.
  if (static_cast<int>(text.size()) >= unit_limit) return 1;
  text.insert(std::min<size_t>(index, text.size()), 1, unit);
  return 0;
}

int KC_GUI_TEXTBOX::erase_char(uint8_t before) {
  if (before) {
    if (caret == 0) return 1;
    --caret;
  }
  if (caret >= text.size()) return 1;
  text.erase(caret, 1);
  return 0;
}

void KC_GUI_TEXTBOX::trim_right() {
  while (!text.empty() && text.back() == L' ') text.pop_back();
  if (caret > text.size()) caret = static_cast<unsigned int>(text.size());
}

void KC_GUI_TEXTBOX::clear() {
  caret = 0;
  text.clear();
}

void KC_GUI_TEXTBOX::set_text_narrow(const char* value) {
  text.clear();
  for (const char* p = value; p && *p; ++p)
    text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  if (caret > text.size()) caret = static_cast<unsigned int>(text.size());
}

const char* KC_GUI_TEXTBOX::text_narrow_of(const std::wstring& value) {
  static std::string shared;
  if (value.empty()) return nullptr;
  shared = text_from_wtext(value);
  return shared.c_str();
}

const wchar_t* KC_GUI_TEXTBOX::text_copy() const {
  static std::wstring shared;
  if (text.empty()) return nullptr;
  shared = text;
  return shared.c_str();
}

void KC_GUI_TEXTBOX::set_size(int w, int h) {
  if (w != 0) box_width = w;
  if (h != 0) box_height = h;
  compute_limit();
  if (!box_) return;
  box_->set_size(box_width, box_height);
  box_->set_hot_spot(HS_MID);
}

float KC_GUI_TEXTBOX::width() { return box_ ? box_->width() : 0.0f; }

float KC_GUI_TEXTBOX::height() { return box_ ? box_->height() : 0.0f; }

unsigned int KC_GUI_TEXTBOX::caret_at(int x) const {
  const int unit = letter_spacing + unit_width;
  const int left = static_cast<int>(transform->world().position.x);
  const int index = unit > 0 ? (box_width / 2 + x - left) / unit : 0;
  if (index < 0) return 0;
  return std::min(static_cast<unsigned int>(index), static_cast<unsigned int>(text.size()));
}

KS_GUI_EVENT* KC_GUI_TEXTBOX::update() {
  if (!hit_area_) return nullptr;
  event.code = GUI_EVENT_NONE;
  blink_timer += frame_dt.load();
  if (blink_timer < 0.5f) {
    caret_visible = 1;
  } else if (blink_timer < 1.0f) {
    caret_visible = 0;
  } else {
    blink_timer = 0.0f;
  }

  const bool inside = gui_pointer_in(*this, hit_area_.get());
  const KC_INPUT* input = KC_INPUT::instance;
  if (inside && gui_left_went_down()) {
    focused = 1;
    caret = caret_at(*pointer_x);
    event.code = GUI_EVENT_DOWN;
    return &event;
  }
  if (inside && gui_left_went_up()) {
    if (!focused) return nullptr;
    event.code = GUI_EVENT_UP;
    return &event;
  }
  if (!inside && gui_left_went_down()) {
    focused = 0;
    return nullptr;
  }
  if (!focused || !input) return nullptr;

  edit_keys();
  if (static_cast<int>(text.size()) >= unit_limit || KC_INPUT::is_control_key(input->last_key)) {
    return nullptr;
  }
  // A key that typed nothing (a function key) adds no character.
  const wchar_t typed = input->typed_text[0];
  if (input->last_key != 0 && typed != 0 && !gui_left_went_down() && !went_down(kRightButton)) {
    if (insert_char(typed, caret) == 0) ++caret;
  }
  return nullptr;
}

void KC_GUI_TEXTBOX::edit_keys() {
  if (went_down(kKeyRight) && caret < text.size() && static_cast<int>(caret) < unit_limit) ++caret;
  if (went_down(kKeyLeft) && caret > 0) --caret;
  if (went_down(kKeyBackspace)) erase_char(1);
  if (went_down(kKeyDelete)) erase_char(0);
}

void KC_GUI_TEXTBOX::draw() {
  if (!box_ || !font_) return;
  box_->draw_in_world();
  const KS_TRANSFORM3 world = transform->world();
  const int y = static_cast<int>(world.position.y);
  const float x0 = world.position.x - static_cast<float>(box_width / 2 - inset());
  const unsigned saved_anchor = font_->anchor;
  font_->anchor = HS_UL;
  const bool show_caret = focused && caret_visible;
  float pen = 0.0f;
  for (size_t i = 0; i <= text.size(); ++i) {
    const int x = static_cast<int>(x0 + pen);
    if (i < text.size()) font_->draw_glyph(static_cast<int>(text[i]), x, y);
    if (show_caret && caret == i) font_->print(x - 5, y, "|");
    if (i < text.size()) {
      pen += static_cast<float>(font_->glyph_advance(static_cast<int>(text[i])) + letter_spacing);
    }
  }
  font_->anchor = saved_anchor;
}

}  // namespace KOR
