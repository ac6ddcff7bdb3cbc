#pragma once

#include <string>

#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_SPRITE.h"

namespace pugi {
class xml_node;
}

namespace KOR_GF {

// A row of dots, one per page, the current page's dot drawn from the left
// half of the picture and the others from its right half.
class G_PAGE_DOTS {
 public:
  explicit G_PAGE_DOTS(const std::string& texture_name);
  // Attribute "file" names the picture, child "TRANSFORM" is the placement.
  explicit G_PAGE_DOTS(const pugi::xml_node& element);

  void set_count(unsigned count) { count_ = count; }
  unsigned count() const { return count_; }
  unsigned current() const { return current_; }
  // Both stop at the ends of the row.
  void next();
  void previous();
  void set_parent(KOR::KS_TRANSFORM3* parent) { placement_.parent = parent; }
  void set_position(float x, float y) { placement_.set_position(x, y, 0.0f); }
  // One dot is half the picture wide.
  void load();
  void release() { sprite_.unload(); }
  // Nothing for fewer than two pages.
  void draw();

  const G_SPRITE& sprite() const { return sprite_; }

 private:
  KOR::KS_TRANSFORM3 placement_;
  unsigned count_ = 0;
  unsigned current_ = 0;
  G_SPRITE sprite_;
};

}  // namespace KOR_GF
