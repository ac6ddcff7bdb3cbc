#pragma once

#include <memory>
#include <string>

#include "framework/gPages.h"

namespace KOR {
class KC_FONT;
}

namespace KOR_GF {
class G_SPRITE;
}

namespace game {

// One thing on a help page: a picture ("picture", a texture's resource
// name), a text ("text", a string id, in "font", "default" without one), or
// both. A text is measured and drawn from the item's position, its lines
// standing from its left edge and the block centred on the item's height.
class gHelpItem : public KOR_GF::G_PAGES_ITEM {
 public:
  explicit gHelpItem(const pugi::xml_node& node);
  ~gHelpItem() override;

  // With a text, the text's first line and its lines' height; else the
  // picture's size; else 0.
  int width() override;
  int height() override;
  void load_resources() override;
  void release_resources() override;
  void draw() override;

  KOR_GF::G_SPRITE* picture() const { return picture_.get(); }
  const std::wstring& text() const { return text_; }
  KOR::KC_FONT* font() const { return font_; }

 private:
  std::unique_ptr<KOR_GF::G_SPRITE> picture_;
  std::wstring text_;
  KOR::KC_FONT* font_ = nullptr;
};

// The help book: one help item per element of its file; pressing an item
// does nothing.
class gPages_Help : public KOR_GF::gPages {
 public:
  KOR_GF::G_PAGES_ITEM* make_item(const pugi::xml_node& element, int index) override;
  void on_item_pressed(KOR_GF::G_PAGES_ITEM* /*item*/) override {}
};

}  // namespace game
