// The widgets of a named screen and its radio groups.

#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_NAMED_SCREEN.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_CHECKBOX5.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"

namespace KOR_GF {

namespace {

constexpr unsigned kLineboxLength = 12;
// Punctuation and the blank.
const wchar_t kLineboxForbidden[] = {0x21, 0x40, 0x23, 0x24, 0x25, 0x5E, 0x26, 0x2A, 0x28,
                                     0x29, 0x3E, 0x3C, 0x22, 0x27, 0x5B, 0x5D, 0x7B, 0x7D,
                                     0x7C, 0x3F, 0x2F, 0x2B, 0x3D, 0x7E, 0x60, 0x2E, 0x2C,
                                     0x3B, 0x3A, 0x2D, 0x5F, 0x20, 0};

// The widget of that name, or null.
template <typename WIDGET>
WIDGET* named(const std::map<std::string, WIDGET*>& table, const std::string& name) {
  const auto it = table.find(name);
  return it == table.end() ? nullptr : it->second;
}

KOR::KS_VECTOR2 position_of(const KOR::KC_GUI_OBJECT* widget) {
  if (!widget) return {};
  return KOR::KS_VECTOR2(widget->transform->position.x, widget->transform->position.y);
}

void place(KOR::KC_GUI_OBJECT* widget, float x, float y) {
  if (widget) widget->set_position(x, y, 0.0f);
}

void set_shown(KOR::KC_GUI_OBJECT* widget, bool visible) {
  if (widget) widget->set_visible(visible ? 1 : 0);
}

}  // namespace

template <typename WIDGET>
WIDGET* G_NAMED_SCREEN::adopt(WIDGET* widget, float x, float y, KOR::KC_GUI_OBJECT* parent) {
  widget->load_resources();
  widget->set_position(x, y, 0.0f);
  if (parent) {
    parent->add_child(widget);
  } else {
    root_->add(widget);
  }
  ++next_id_;
  return widget;
}

void G_NAMED_SCREEN::add_button(const std::string& name, const std::string& texture_name, float x,
                                float y) {
  buttons_[name] = adopt(new KOR::KC_GUI_BUTTON5(unsigned(next_id_), texture_name), x, y);
}

KOR::KC_GUI_BUTTON5* G_NAMED_SCREEN::button(const std::string& name) const {
  return named(buttons_, name);
}

KOR::KS_VECTOR2 G_NAMED_SCREEN::button_size(const std::string& name) const {
  KOR::KC_GUI_BUTTON5* b = button(name);
  return b ? KOR::KS_VECTOR2(b->width(), b->height()) : KOR::KS_VECTOR2();
}

void G_NAMED_SCREEN::set_button_position(const std::string& name, float x, float y) {
  place(button(name), x, y);
}

KOR::KS_VECTOR2 G_NAMED_SCREEN::button_position(const std::string& name) const {
  return position_of(button(name));
}

void G_NAMED_SCREEN::set_button_visible(const std::string& name, bool visible) {
  set_shown(button(name), visible);
}

void G_NAMED_SCREEN::enable_button(const std::string& name) {
  if (KOR::KC_GUI_BUTTON5* b = button(name)) b->enable();
}

void G_NAMED_SCREEN::disable_button(const std::string& name) {
  if (KOR::KC_GUI_BUTTON5* b = button(name)) b->disable();
}

unsigned G_NAMED_SCREEN::button_id(const std::string& name) const {
  const KOR::KC_GUI_BUTTON5* b = button(name);
  return b ? b->id() : 0;
}

void G_NAMED_SCREEN::add_checkbox(const std::string& name, const std::string& texture_name,
                                  bool checked, float x, float y) {
  KOR::KC_GUI_CHECKBOX5* box =
      adopt(new KOR::KC_GUI_CHECKBOX5(unsigned(next_id_), texture_name), x, y);
  box->set_checked(checked, true);
  checkboxes_[name] = box;
}

void G_NAMED_SCREEN::set_checkbox_size(const std::string& name, int w, int h) {
  if (KOR::KC_GUI_CHECKBOX5* box = named(checkboxes_, name)) box->set_size(w, h);
}

bool G_NAMED_SCREEN::is_checkbox_checked(const std::string& name) const {
  KOR::KC_GUI_CHECKBOX5* box = named(checkboxes_, name);
  return box && box->is_checked();
}

void G_NAMED_SCREEN::set_checkbox_checked(const std::string& name, bool checked) {
  if (KOR::KC_GUI_CHECKBOX5* box = named(checkboxes_, name)) box->set_checked(checked, true);
}

void G_NAMED_SCREEN::set_checkbox_position(const std::string& name, float x, float y) {
  place(named(checkboxes_, name), x, y);
}

void G_NAMED_SCREEN::set_checkbox_visible(const std::string& name, bool visible) {
  set_shown(named(checkboxes_, name), visible);
}

void G_NAMED_SCREEN::add_radio(const std::string& name, const std::string& texture_name,
                               bool checked, float x, float y) {
  KOR::KC_GUI_CHECKBOX5* radio =
      adopt(new KOR::KC_GUI_CHECKBOX5(unsigned(next_id_), texture_name), x, y);
  radio->set_checked(checked, true);
  radios_[name] = radio;
}

void G_NAMED_SCREEN::set_radio_size(const std::string& name, int w, int h) {
  if (KOR::KC_GUI_CHECKBOX5* radio = named(radios_, name)) radio->set_size(w, h);
}

bool G_NAMED_SCREEN::is_radio_checked(const std::string& name) const {
  KOR::KC_GUI_CHECKBOX5* radio = named(radios_, name);
  return radio && radio->is_checked();
}

void G_NAMED_SCREEN::set_radio_checked(const std::string& name, bool checked) {
  if (KOR::KC_GUI_CHECKBOX5* radio = named(radios_, name)) radio->set_checked(checked, true);
}

void G_NAMED_SCREEN::set_radio_position(const std::string& name, float x, float y) {
  place(named(radios_, name), x, y);
}

void G_NAMED_SCREEN::add_label(const std::string& name, const std::wstring& text, float x, float y,
                               KOR::KC_GUI_OBJECT* parent, const std::string& font_name,
                               const std::string& font_texture_name, int hot_spot) {
  auto* label = new KOR::KC_GUI_WLABEL(unsigned(next_id_), font_name, font_texture_name, text);
  label->set_hot_spot(hot_spot);
  labels_[name] = adopt(label, x, parent ? y - 10.0f : y, parent);
}

void G_NAMED_SCREEN::set_label_position(const std::string& name, float x, float y) {
  place(named(labels_, name), x, y);
}

void G_NAMED_SCREEN::set_label_text(const std::string& name, const std::wstring& text) {
  if (KOR::KC_GUI_WLABEL* label = named(labels_, name)) label->set_text(text);
}

void G_NAMED_SCREEN::set_label_visible(const std::string& name, bool visible) {
  set_shown(named(labels_, name), visible);
}

void G_NAMED_SCREEN::add_linebox(const std::string& name, const std::string& texture_name,
                                 const std::wstring& text, float x, float y,
                                 const std::string& font_name,
                                 const std::string& font_texture_name) {
  auto* box =
      new KOR::KC_GUI_LINEBOX(unsigned(next_id_), texture_name, font_texture_name, font_name);
  box->set_max_length(kLineboxLength);
  box->set_forbidden_chars(kLineboxForbidden);
  lineboxes_[name] = adopt(box, x, y);
  box->set_text(text);
}

void G_NAMED_SCREEN::set_linebox_position(const std::string& name, float x, float y) {
  place(named(lineboxes_, name), x, y);
}

std::wstring G_NAMED_SCREEN::linebox_text(const std::string& name) const {
  const KOR::KC_GUI_LINEBOX* box = named(lineboxes_, name);
  return box ? box->text() : std::wstring();
}

void G_NAMED_SCREEN::set_linebox_text(const std::string& name, const std::wstring& text) {
  if (KOR::KC_GUI_LINEBOX* box = named(lineboxes_, name)) box->set_text(text);
}

void G_NAMED_SCREEN::set_linebox_visible(const std::string& name, bool visible) {
  set_shown(named(lineboxes_, name), visible);
}

void G_NAMED_SCREEN::add_radio_to_group(const std::string& group, const std::string& radio) {
  if (!named(radios_, radio)) return;
  std::map<int, std::string>& members = radio_groups_[group];
  if (members.empty()) {
    members[1] = radio;
    members[0] = radio;
    set_radio_checked(radio, true);
    return;
  }
  members[int(members.size())] = radio;
  if (is_radio_checked(radio)) {
    set_radio_checked(members[0], false);
    members[0] = radio;
  }
}

void G_NAMED_SCREEN::select_radio(const std::string& group, const std::string& radio) {
  const auto it = radio_groups_.find(group);
  if (it == radio_groups_.end() || !named(radios_, radio)) return;
  set_radio_checked(it->second[0], false);
  it->second[0] = radio;
  set_radio_checked(radio, true);
}

std::string G_NAMED_SCREEN::selected_radio(const std::string& group) const {
  const auto it = radio_groups_.find(group);
  if (it == radio_groups_.end()) return {};
  const auto selection = it->second.find(0);
  return selection == it->second.end() ? std::string() : selection->second;
}

void G_NAMED_SCREEN::update_radio_group(const std::string& group) {
  const auto it = radio_groups_.find(group);
  if (it == radio_groups_.end() || it->second.size() < 2) return;
  std::map<int, std::string>& members = it->second;
  int checked = 0;
  std::string newest;
  for (const auto& [index, radio] : members) {
    if (index == 0 || !is_radio_checked(radio)) continue;
    ++checked;
    if (radio != members[0]) newest = radio;
  }
  if (checked == 0) {
    set_radio_checked(members[0], true);
  } else if (checked > 1 && !newest.empty()) {
    set_radio_checked(members[0], false);
    members[0] = newest;
  }
}

}  // namespace KOR_GF
