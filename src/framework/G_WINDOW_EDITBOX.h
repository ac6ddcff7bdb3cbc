#pragma once

#include <string>

#include "foundation/KS_COLOR.h"
#include "framework/G_WINDOW.h"

namespace KOR {
class KC_GUI_BUTTON5;
class KC_GUI_LINEBOX;
}  // namespace KOR

namespace KOR_GF {

// A one-line text entry with OK (widget 3) and cancel (widget 4): a line
// box (widget 2) whose text a validator checks after every released key,
// an error label (widget 10) shown for rejected text, and a result callback
// called once per opening. The text it gives holds only what an XML file
// can (it names players). Missing widgets are tolerated.
class G_WINDOW_EDITBOX : public G_WINDOW {
 public:
  // ok is 1 or 0.
  using RESULT = void (*)(void* data, int ok, const std::wstring& text);
  using VALIDATOR = bool (*)(void* data, const std::wstring& text);

  // The widgets' ids in the window's description.
  enum : int {
    kLineBox = 2,
    kOkButton = 3,
    kCancelButton = 4,
    kErrorLabel = 10,
    // Shown while the line box takes no more letters, so that a key that
    // adds nothing is not lost without a word.
    kFullLabel = 11,
  };

  // "SETTINGS" may give "text_color" and "text_color_error" in hexadecimal.
  explicit G_WINDOW_EDITBOX(const pugi::xml_node& element);

  KOR::KS_GUI_EVENT* key_up(int code) override;
  void on_open_begin() override;
  void on_opened() override;
  // A release near OK or cancel counts for it: up to 20 pixels right of and
  // below the button's position, half its size left of and above it.
  void on_control(int widget_id) override;

  void set_result_callback(RESULT callback, void* data) {
    result_ = callback;
    result_data_ = data;
  }
  void set_validator(VALIDATOR validator, void* data) {
    validator_ = validator;
    validator_data_ = data;
  }
  std::wstring text() const;
  void bind_controls();
  void set_ok_enabled(bool enabled);
  void show_error(bool shown);
  // Only an open window answers, so one click that reaches on_control twice
  // calls back once.
  void finish(int widget_id);

  KOR::KC_GUI_LINEBOX* line_box() const { return line_box_; }
  KOR::KC_GUI_BUTTON5* ok_button() const { return ok_; }
  KOR::KC_GUI_BUTTON5* cancel_button() const { return cancel_; }
  const KOR::KS_COLOR& text_color() const { return text_color_; }
  const KOR::KS_COLOR& error_color() const { return error_color_; }

 private:
  bool pointer_on(KOR::KC_GUI_BUTTON5* button) const;
  // What a players file cannot hold leaves the line when the key that
  // typed it is released, before the text is checked or taken.
  void keep_storable_text();
  void validate(int code);

  KOR::KC_GUI_LINEBOX* line_box_ = nullptr;
  KOR::KC_GUI_BUTTON5* ok_ = nullptr;
  KOR::KC_GUI_BUTTON5* cancel_ = nullptr;
  KOR::KS_COLOR text_color_{0xFFFFFFFFu};
  KOR::KS_COLOR error_color_{0xFFFF0000u};
  void* result_data_ = nullptr;
  void* validator_data_ = nullptr;
  RESULT result_ = nullptr;
  VALIDATOR validator_ = nullptr;
};

}  // namespace KOR_GF
