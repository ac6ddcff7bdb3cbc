#include "shell/SG_WINDOW_CONFIRM_EX.h"

#include <pugixml.hpp>

#include "framework/G_FONT_LIST.h"
#include "framework/menu_sound.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"

namespace game {

std::wstring replace_text(const std::wstring& text, const std::wstring& searched,
                          const std::wstring& replacement, bool all) {
  std::wstring result = text;
  if (searched.empty()) return result;
  size_t at = result.find(searched);
  while (at != std::wstring::npos) {
    result.replace(at, searched.size(), replacement);
    if (!all) break;
    at = result.find(searched, at + replacement.size());
  }
  return result;
}

SG_WINDOW_CONFIRM_EX::SG_WINDOW_CONFIRM_EX(const pugi::xml_node& element)
    : G_WINDOW_CONFIRM(element) {
  if (const pugi::xml_node settings = element.child("SETTINGS")) {
    extra_font_name_ = settings.attribute("font_extra_text").as_string();
  }
}

void SG_WINDOW_CONFIRM_EX::on_open_begin() { KOR_GF::play_once("sound_gui_window"); }

void SG_WINDOW_CONFIRM_EX::on_enable() {
  extra_font_ = KOR_GF::font_list_instance().find(extra_font_name_);
}

void SG_WINDOW_CONFIRM_EX::set_extra_position(int x, int y) {
  extra_x_ = static_cast<float>(x);
  extra_y_ = static_cast<float>(y);
}

void SG_WINDOW_CONFIRM_EX::set_name_text(const std::wstring& name) {
  auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(gui()->find(kQuestionLabel));
  if (label == nullptr) return;
  if (!template_taken_) {
    name_template_ = label->text;
    template_taken_ = true;
  }
  label->set_text(replace_text(name_template_, L"%s", name, false));
}

}  // namespace game
