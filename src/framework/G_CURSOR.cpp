#include "framework/G_CURSOR.h"

#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "framework/G_SPRITE.h"
#include "platform/KC_INPUT.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR_GF {

namespace {

constexpr int kHotSpotUpperLeft = 1;

}  // namespace

G_CURSOR::G_CURSOR() = default;

G_CURSOR::~G_CURSOR() = default;

bool G_CURSOR::load_xml(const std::string& resource_name) {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  pugi::xml_document* document = manager ? manager->get_xml(resource_name) : nullptr;
  if (document == nullptr) return false;
  const std::string file = document->first_child().attribute("file").as_string();
  if (sprite_ == nullptr) {
    sprite_ = std::make_unique<G_SPRITE>(file);
  } else {
    sprite_->set_texture_name(file);
  }
  sprite_->set_hot_spot(kHotSpotUpperLeft, 0.0f, 0.0f);
  manager->release_xml(document);
  return true;
}

void G_CURSOR::load() {
  if (sprite_ != nullptr) sprite_->load();
}

void G_CURSOR::unload() {
  if (sprite_ != nullptr) sprite_->unload();
}

void G_CURSOR::draw() {
  if (!visible_ || sprite_ == nullptr || KOR::KC_INPUT::instance == nullptr) return;
  const KOR::KS_IVECTOR2& pointer = KOR::KC_INPUT::instance->pointer;
  sprite_->draw_at(float(pointer.x), float(pointer.y), 0.0f, 1.0f, 1.0f);
}

}  // namespace KOR_GF
