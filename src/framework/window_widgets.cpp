#include "framework/window_widgets.h"

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/text_utilities.h"
#include "framework/G_WINDOW.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"

namespace KOR_GF {

KOR::KC_GUI_OBJECT* find_widget(const G_WINDOW& window, unsigned int id) {
  return window.gui() != nullptr ? window.gui()->find(id) : nullptr;
}

KOR::KS_VECTOR2 widget_position(const KOR::KC_GUI_OBJECT* widget) {
  if (widget == nullptr) return {};
  return {widget->transform->position.x, widget->transform->position.y};
}

KOR::KS_VECTOR2 widget_size(KOR::KC_GUI_OBJECT* widget) {
  if (widget == nullptr) return {};
  return {widget->width(), widget->height()};
}

void move_widget(KOR::KC_GUI_OBJECT* widget, float x, float y) {
  if (widget != nullptr) widget->set_position(x, y, 0.0f);
}

void show_widget(KOR::KC_GUI_OBJECT* widget, bool visible) {
  if (widget != nullptr) widget->set_visible(visible ? 1 : 0);
}

bool hud_point_in_centred_rect(float x, float y, float cx, float cy, float w, float h) {
  return cx - w / 2 <= x && x <= cx + w / 2 && cy - h / 2 <= y && y <= cy + h / 2;
}

// The widget keeps the choice too, so a picture built later follows it.
void place_by_upper_left(KOR::KC_GUI_IMAGE* image) {
  if (image == nullptr) return;
  image->set_hot_spot(KOR::HS_UL);
  if (image->quad != nullptr) image->quad->set_hot_spot(KOR::HS_UL);
}

void show_number(const G_WINDOW& window, unsigned int id, int number) {
  set_label_text(window, id, KOR::wtext_from_int(number));
}

void set_label_text(const G_WINDOW& window, unsigned int id, const std::wstring& text) {
  if (auto* label = widget_of<KOR::KC_GUI_WLABEL>(window, id)) label->set_text(text);
}

void LABEL_TEMPLATES::take(const G_WINDOW& window, std::initializer_list<unsigned int> ids) {
  for (unsigned int id : ids) {
    if (texts_.count(id) != 0) continue;
    if (auto* label = widget_of<KOR::KC_GUI_WLABEL>(window, id)) texts_[id] = label->text;
  }
}

void LABEL_TEMPLATES::fill(const G_WINDOW& window, unsigned int id,
                           std::initializer_list<int> numbers) {
  auto* label = widget_of<KOR::KC_GUI_WLABEL>(window, id);
  if (label == nullptr) return;
  const auto kept = texts_.find(id);
  const std::wstring& pattern = kept != texts_.end() ? kept->second : label->text;
  label->set_text(KOR::wtext_format(pattern, numbers));
}

}  // namespace KOR_GF
