#include "shell/SG_WINDOW_TITLE_TOP.h"

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_PLAYERS.h"
#include "framework/gPlayer.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "platform/KC_INPUT.h"
#include "render/KC_RENDER.h"
#include "resources/KC_STRING_TABLE.h"

namespace game {

namespace {

constexpr int kLeftButton = 1;
constexpr unsigned int kAnchor = 1;
constexpr int kChangePlayer = 2;

}  // namespace

SG_WINDOW_TITLE_TOP::SG_WINDOW_TITLE_TOP(const pugi::xml_node& element) : G_WINDOW(element) {
  if (KOR::KC_GUI_OBJECT* anchor = gui()->find(kAnchor)) anchor_ = anchor->transform;
  read_settings(element.child("SETTINGS"));
}

void SG_WINDOW_TITLE_TOP::read_settings(const pugi::xml_node& settings) {
  if (const pugi::xml_attribute a = settings.attribute("text_color")) {
    text_color_ = KOR::color_from_hex(a.value());
  }
  if (const pugi::xml_attribute a = settings.attribute("text_color_highlight")) {
    highlight_color_ = KOR::color_from_hex(a.value());
  }
  if (const pugi::xml_attribute a = settings.attribute("font_big")) big_font_name_ = a.value();
  if (const pugi::xml_attribute a = settings.attribute("font_med")) medium_font_name_ = a.value();
  if (const pugi::xml_attribute a = settings.attribute("shift_x")) shift_x_ = a.as_int();
  if (const pugi::xml_attribute a = settings.attribute("shift_y")) shift_y_ = a.as_int();
}

void SG_WINDOW_TITLE_TOP::on_enable() {
  const KOR_GF::G_FONT_LIST& fonts = KOR_GF::font_list_instance();
  big_font_ = fonts.find(big_font_name_);
  medium_font_ = fonts.find(medium_font_name_);
  change_text_ = KOR::string_table_instance().get_wide("label_change_player");
  // The change text is measured in the font it is written in.
  if (medium_font_ != nullptr) {
    half_text_width_ = medium_font_->text_width_w(change_text_.c_str()) / 2;
    half_line_height_ = medium_font_->line_height() / 2;
  }
}

void SG_WINDOW_TITLE_TOP::on_refresh() {
  const KOR_GF::gPlayer* player = KOR_GF::players_instance().current;
  const KOR::KC_STRING_TABLE& texts = KOR::string_table_instance();
  greeting_ =
      texts.get_wide(player != nullptr ? "label_hello_player_with_name" : "label_hello_player");
  player_name_ = player != nullptr ? player->name() : std::wstring();
}

void SG_WINDOW_TITLE_TOP::draw() {
  G_WINDOW::draw();
  if (big_font_ == nullptr) return;
  big_font_->anchor = 0;
  // The greeting is a format for the one argument it is given.
  big_font_->print_w(static_cast<int>(placement().position.x + static_cast<float>(shift_x_)),
                     static_cast<int>(placement().position.y + static_cast<float>(shift_y_)),
                     greeting_.c_str(), player_name_);
}

bool SG_WINDOW_TITLE_TOP::change_rect(RECT& rect) const {
  if (anchor_ == nullptr) return false;
  const KOR::KS_TRANSFORM3 world = anchor_->world();
  const int x = static_cast<int>(world.position.x);
  const int centre_y =
      static_cast<int>(world.position.y + 0.7f * static_cast<float>(half_line_height_));
  const int below = big_font_ != nullptr ? big_font_->line_height() : 0;
  rect = {x - half_text_width_, centre_y - half_line_height_ + below, x + half_text_width_,
          centre_y + half_line_height_ + below};
  return true;
}

KOR::KS_GUI_EVENT* SG_WINDOW_TITLE_TOP::mouse_move() {
  G_WINDOW::mouse_move();
  RECT rect{};
  const KOR::KC_INPUT* input = KOR::KC_INPUT::instance;
  const bool inside = input != nullptr && change_rect(rect) && rect.left < input->pointer.x &&
                      input->pointer.x < rect.right && rect.top < input->pointer.y &&
                      input->pointer.y < rect.bottom;
  current_color_ = inside ? highlight_color_ : text_color_;
  return nullptr;
}

KOR::KS_GUI_EVENT* SG_WINDOW_TITLE_TOP::key_up(int code) {
  G_WINDOW::key_up(code);
  if (code != kLeftButton || current_color_.argb() != highlight_color_.argb()) return nullptr;
  on_control(kChangePlayer);
  return &change_event_;
}

void SG_WINDOW_TITLE_TOP::on_deactivate() { current_color_ = text_color_; }

void SG_WINDOW_TITLE_TOP::draw_hit_outline() const {
  RECT r{};
  if (KOR::KC_RENDER::instance == nullptr || !change_rect(r)) return;
  const KOR::KS_COLOR red(0xFFFF0000u);
  KOR::KC_RENDER::instance->draw_line(r.left, r.top, r.right, r.top, red);
  KOR::KC_RENDER::instance->draw_line(r.right, r.top, r.right, r.bottom, red);
  KOR::KC_RENDER::instance->draw_line(r.right, r.bottom, r.left, r.bottom, red);
  KOR::KC_RENDER::instance->draw_line(r.left, r.bottom, r.left, r.top, red);
}

}  // namespace game
