#include "framework/G_PAGE_DOTS.h"

#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "render/KC_TEXTURE.h"

namespace KOR_GF {

G_PAGE_DOTS::G_PAGE_DOTS(const std::string& texture_name) : sprite_(texture_name) {}

G_PAGE_DOTS::G_PAGE_DOTS(const pugi::xml_node& element)
    : sprite_(std::string(element.attribute("file").as_string())) {
  if (const pugi::xml_node transform = element.child("TRANSFORM")) {
    placement_.parse(transform.child_value());
  }
}

// An empty row has no last dot to stop at.
void G_PAGE_DOTS::next() {
  if (current_ + 1 < count_) ++current_;
}

void G_PAGE_DOTS::previous() {
  if (current_ > 0) --current_;
}

void G_PAGE_DOTS::load() {
  sprite_.load();
  if (const KOR::KC_TEXTURE* texture = sprite_.texture()) {
    sprite_.set_width(float(texture->image_size.x) / 2.0f);
  }
  sprite_.set_hot_spot(KOR::HS_ML, 0.0f, 0.0f);
}

void G_PAGE_DOTS::draw() {
  if (count_ < 2) return;
  const KOR::KS_TRANSFORM3 world = placement_.world();
  const float w = sprite_.width();
  for (unsigned i = 0; i < count_; ++i) {
    sprite_.set_grid_frame(2, 1, i == current_ ? 0 : 1);
    sprite_.draw_at(world.position.x - w * float(count_ / 2) + w * float(i), world.position.y, 0.0f,
                    1.0f, 1.0f);
  }
}

}  // namespace KOR_GF
