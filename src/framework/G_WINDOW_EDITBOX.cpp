#include "framework/G_WINDOW_EDITBOX.h"

#include <pugixml.hpp>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/text_utilities.h"
#include "framework/G_SOUND_MANAGER.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "platform/KC_INPUT.h"

namespace KOR_GF {

using KOR::KC_GUI_BUTTON5;

namespace {

constexpr int kLeftButton = 1;

void show_label(KOR::KC_GUI_ROOT& gui, unsigned int id, bool shown) {
  if (auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(gui.find(id))) {
    label->set_visible(shown ? 1 : 0);
  }
}
// How far right of and below a button's position a release still hits it.
constexpr float kHitMargin = 20.0f;

}  // namespace

G_WINDOW_EDITBOX::G_WINDOW_EDITBOX(const pugi::xml_node& element) : G_WINDOW(element) {
  if (const pugi::xml_node settings = element.child("SETTINGS")) {
    if (const pugi::xml_attribute a = settings.attribute("text_color")) {
      text_color_ = KOR::color_from_hex(a.value());
    }
    if (const pugi::xml_attribute a = settings.attribute("text_color_error")) {
      error_color_ = KOR::color_from_hex(a.value());
    }
  }
  bind_controls();
}

void G_WINDOW_EDITBOX::bind_controls() {
  ok_ = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(kOkButton));
  cancel_ = dynamic_cast<KC_GUI_BUTTON5*>(gui()->find(kCancelButton));
  line_box_ = dynamic_cast<KOR::KC_GUI_LINEBOX*>(gui()->find(kLineBox));
}

std::wstring G_WINDOW_EDITBOX::text() const { return line_box_ ? line_box_->text() : L""; }

void G_WINDOW_EDITBOX::set_ok_enabled(bool enabled) {
  if (!ok_) return;
  if (enabled) {
    ok_->enable();
  } else {
    ok_->disable();
  }
}

void G_WINDOW_EDITBOX::show_error(bool shown) { show_label(*gui(), kErrorLabel, shown); }

void G_WINDOW_EDITBOX::on_open_begin() {
  if (line_box_) {
    line_box_->text_color = text_color_;
    line_box_->set_text(L"");
    line_box_->set_focus_on_hover(true);
    set_ok_enabled(false);
  }
  show_error(false);
  show_label(*gui(), kFullLabel, false);
}

void G_WINDOW_EDITBOX::on_opened() {
  if (line_box_) line_box_->set_focus_tree(1);
}

KOR::KS_GUI_EVENT* G_WINDOW_EDITBOX::key_up(int code) {
  if (line_box_) keep_storable_text();
  // The buttons' generous hit area is tested by the -1 event.
  if (code == kLeftButton) on_control(-1);
  KOR::KS_GUI_EVENT* const result = G_WINDOW::key_up(code);
  if (line_box_) validate(code);
  return result;
}

void G_WINDOW_EDITBOX::validate(int code) {
  const std::wstring& typed = line_box_->text();
  if (typed.empty()) {
    set_ok_enabled(false);
  } else if (!validator_ || validator_(validator_data_, typed)) {
    set_ok_enabled(true);
    if (validator_) {
      line_box_->text_color = text_color_;
      show_error(false);
    }
  } else if (code != kLeftButton) {
    set_ok_enabled(false);
    line_box_->text_color = error_color_;
    show_error(true);
  }
  // The note shares the error's place under the line: the error, which
  // says why OK is off, goes first.
  const KOR::KC_GUI_OBJECT* error = gui()->find(kErrorLabel);
  show_label(*gui(), kFullLabel, line_box_->is_full() && !(error && error->visible));
}

void G_WINDOW_EDITBOX::keep_storable_text() {
  const std::wstring typed = line_box_->text();
  const std::wstring kept = KOR::wtext_xml_chars(typed);
  if (kept == typed) return;
  const std::wstring before_caret = KOR::wtext_xml_chars(typed.substr(0, line_box_->caret()));
  line_box_->set_text(kept);
  line_box_->set_caret(static_cast<int>(before_caret.size()));
}

bool G_WINDOW_EDITBOX::pointer_on(KC_GUI_BUTTON5* button) const {
  const KOR::KC_INPUT* input = KOR::KC_INPUT::instance;
  if (!button || !input || !button->enabled || !button->visible ||
      button->state == KC_GUI_BUTTON5::DISABLED) {
    return false;
  }
  const float x = shown().position.x + button->transform->position.x;
  const float y = shown().position.y + button->transform->position.y;
  const auto px = static_cast<float>(input->pointer.x);
  const auto py = static_cast<float>(input->pointer.y);
  return x - button->width() / 2 <= px && px <= x + kHitMargin && y - button->height() / 2 <= py &&
         py <= y + kHitMargin;
}

void G_WINDOW_EDITBOX::on_control(int widget_id) {
  if (pointer_on(ok_)) {
    widget_id = kOkButton;
  } else if (pointer_on(cancel_)) {
    widget_id = kCancelButton;
  }
  finish(widget_id);
}

void G_WINDOW_EDITBOX::finish(int widget_id) {
  if ((widget_id != kOkButton && widget_id != kCancelButton) || !is_open()) return;
  if (result_) result_(result_data_, widget_id == kOkButton ? 1 : 0, text());
  close();
  sound_manager_instance().play("sound_gui_window", false, 0.0f, 0.0f);
}

}  // namespace KOR_GF
