#pragma once

#include <map>
#include <memory>
#include <string>

#include "foundation/KS_VECTOR2.h"

namespace KOR {
class KC_GUI_BUTTON5;
class KC_GUI_CHECKBOX5;
class KC_GUI_LINEBOX;
class KC_GUI_OBJECT;
class KC_GUI_ROOT;
class KC_GUI_WLABEL;
class KC_QUAD;
struct KC_TEXTURE;
}  // namespace KOR

namespace KOR_GF {

// A screen put together in code: its owner makes sprites, buttons, check
// boxes, radio buttons in groups, labels and line boxes under names of its
// own and reaches them by those names. Sprites are drawn layer by layer
// under the widgets; the whole screen slides in from above and out
// downwards. Every picture is taken by resource name when it is made and
// given back when its sprite goes or the screen does.
class G_NAMED_SCREEN {
 public:
  enum STATE { SHOWN = 0, SLIDING_IN = 1, SLIDING_OUT = 2, HIDDEN = 3 };

  G_NAMED_SCREEN();
  ~G_NAMED_SCREEN();
  G_NAMED_SCREEN(const G_NAMED_SCREEN&) = delete;
  G_NAMED_SCREEN& operator=(const G_NAMED_SCREEN&) = delete;

  // For input dispatch and for finding widgets by id.
  KOR::KC_GUI_ROOT* root() const { return root_.get(); }
  int state() const { return state_; }
  // SHOWN also puts the widgets back at the origin.
  void set_state(int state);
  // At once, nothing moved.
  void set_visible(bool visible) { state_ = visible ? SHOWN : HIDDEN; }
  bool is_visible() const { return state_ != HIDDEN; }
  // From HIDDEN only: slides in from above.
  void show();
  // From SHOWN only: slides out downwards.
  void hide();
  void update(bool with_widgets);
  void draw();
  // The first sprite, by name, under the pointer; only sprites placed by
  // their upper-left corner or their centre are hit. Empty when none.
  std::string sprite_at_pointer() const;

  // An existing name gets the new sprite; the old one goes.
  void add_sprite(const std::string& name, const std::string& texture_name, float x, float y,
                  int hot_spot, int layer);
  int remove_sprite(const std::string& name);
  KOR::KC_QUAD* sprite(const std::string& name) const;
  KOR::KS_VECTOR2 sprite_position(const std::string& name) const;
  // The slides still start from where the sprite was made.
  void set_sprite_position(const std::string& name, float x, float y);
  void set_sprite_scale(const std::string& name, float sx, float sy);
  void set_sprite_size(const std::string& name, float w, float h);
  void set_sprite_rotation(const std::string& name, float degrees);
  float sprite_rotation(const std::string& name) const;
  // Each channel 0..255; values outside are held at the nearer end.
  void set_sprite_color(const std::string& name, float a, float r, float g, float b);
  void set_sprite_alpha(const std::string& name, float a);
  void set_sprite_visible(const std::string& name, bool visible);
  void set_sprite_layer(const std::string& name, int layer);
  int sprite_layer(const std::string& name) const;

  void add_button(const std::string& name, const std::string& texture_name, float x, float y);
  KOR::KC_GUI_BUTTON5* button(const std::string& name) const;
  KOR::KS_VECTOR2 button_size(const std::string& name) const;
  void set_button_position(const std::string& name, float x, float y);
  KOR::KS_VECTOR2 button_position(const std::string& name) const;
  void set_button_visible(const std::string& name, bool visible);
  void enable_button(const std::string& name);
  void disable_button(const std::string& name);
  unsigned button_id(const std::string& name) const;

  void add_checkbox(const std::string& name, const std::string& texture_name, bool checked, float x,
                    float y);
  void set_checkbox_size(const std::string& name, int w, int h);
  bool is_checkbox_checked(const std::string& name) const;
  void set_checkbox_checked(const std::string& name, bool checked);
  void set_checkbox_position(const std::string& name, float x, float y);
  void set_checkbox_visible(const std::string& name, bool visible);

  void add_radio(const std::string& name, const std::string& texture_name, bool checked, float x,
                 float y);
  void set_radio_size(const std::string& name, int w, int h);
  bool is_radio_checked(const std::string& name) const;
  void set_radio_checked(const std::string& name, bool checked);
  void set_radio_position(const std::string& name, float x, float y);

  // The font is named as the engine's labels load it: its description and
  // its page texture. Under a parent widget the label sits 10 pixels higher.
  void add_label(const std::string& name, const std::wstring& text, float x, float y,
                 KOR::KC_GUI_OBJECT* parent, const std::string& font_name,
                 const std::string& font_texture_name, int hot_spot);
  void set_label_position(const std::string& name, float x, float y);
  void set_label_text(const std::string& name, const std::wstring& text);
  void set_label_visible(const std::string& name, bool visible);

  // At most 12 characters, no punctuation and no blank.
  void add_linebox(const std::string& name, const std::string& texture_name,
                   const std::wstring& text, float x, float y, const std::string& font_name,
                   const std::string& font_texture_name);
  void set_linebox_position(const std::string& name, float x, float y);
  std::wstring linebox_text(const std::string& name) const;
  void set_linebox_text(const std::string& name, const std::wstring& text);
  void set_linebox_visible(const std::string& name, bool visible);

  // Index 0 of a group is its selection, 1 upwards its members in the
  // order added. A checked newcomer becomes the selection.
  void add_radio_to_group(const std::string& group, const std::string& radio);
  void select_radio(const std::string& group, const std::string& radio);
  std::string selected_radio(const std::string& group) const;
  // After a click in the group: exactly one member stays checked.
  void update_radio_group(const std::string& group);

 private:
  struct SPRITE;

  SPRITE* find_sprite(const std::string& name) const;
  void release_sprite(SPRITE& sprite);
  // Made sprites and widgets slide with the clock: 0 at the top of the
  // slide, 1 at its end; offset is where the slide starts.
  void place_for_slide(float offset);
  // The widget takes its pictures now, is placed, joins the root (or the
  // parent) and gets the next id.
  template <typename WIDGET>
  WIDGET* adopt(WIDGET* widget, float x, float y, KOR::KC_GUI_OBJECT* parent = nullptr);

  std::unique_ptr<KOR::KC_GUI_ROOT> root_;
  int next_id_ = 0;
  std::map<std::string, std::unique_ptr<SPRITE>> sprites_;
  int highest_layer_ = 0;
  std::map<std::string, KOR::KC_GUI_BUTTON5*> buttons_;
  std::map<std::string, KOR::KC_GUI_WLABEL*> labels_;
  std::map<std::string, KOR::KC_GUI_LINEBOX*> lineboxes_;
  std::map<std::string, KOR::KC_GUI_CHECKBOX5*> checkboxes_;
  std::map<std::string, KOR::KC_GUI_CHECKBOX5*> radios_;
  std::map<std::string, std::map<int, std::string>> radio_groups_;
  int slide_distance_ = 1024;
  double slide_clock_ = 0.0;
  int state_ = SHOWN;
};

}  // namespace KOR_GF
