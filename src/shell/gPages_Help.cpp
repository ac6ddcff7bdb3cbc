#include "shell/gPages_Help.h"

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_SPRITE.h"
#include "resources/KC_STRING_TABLE.h"

namespace game {

gHelpItem::gHelpItem(const pugi::xml_node& node) {
  if (const pugi::xml_attribute picture = node.attribute("picture")) {
    picture_ = std::make_unique<KOR_GF::G_SPRITE>(std::string(picture.value()));
    picture_->transform()->parent = &position;
  }
  if (const pugi::xml_attribute text = node.attribute("text")) {
    text_ = KOR::string_table_instance().get_wide(text.value());
  }
  font_ = KOR_GF::font_list_instance().find(node.attribute("font").as_string("default"));
}

gHelpItem::~gHelpItem() = default;

int gHelpItem::width() {
  if (!text_.empty()) return font_ ? font_->text_width_w(text_.c_str()) : 0;
  return picture_ ? int(picture_->width()) : 0;
}

int gHelpItem::height() {
  if (!text_.empty()) return font_ ? font_->line_count_w(text_.c_str()) * font_->line_height() : 0;
  return picture_ ? int(picture_->height()) : 0;
}

void gHelpItem::load_resources() {
  if (picture_) picture_->load();
}

void gHelpItem::release_resources() {
  if (picture_) picture_->unload();
}

// The font is shared, so its anchor is set for the call: the block stands
// from its upper left corner.
void gHelpItem::draw() {
  if (picture_) picture_->draw();
  if (text_.empty() || font_ == nullptr) return;
  const KOR::KS_TRANSFORM3 world = position.world();
  const unsigned kept = font_->anchor;
  font_->anchor = KOR::HS_UL;
  font_->draw_text_w(int(world.position.x), int(world.position.y) - height() / 2, text_.c_str());
  font_->anchor = kept;
}

KOR_GF::G_PAGES_ITEM* gPages_Help::make_item(const pugi::xml_node& element, int /*index*/) {
  return new gHelpItem(element);
}

}  // namespace game
