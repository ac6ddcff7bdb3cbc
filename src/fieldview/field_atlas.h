#pragma once

#include <memory>
#include <string>

namespace pugi {
class xml_document;
class xml_node;
}  // namespace pugi

namespace KOR {
class KC_QUAD;
}

namespace game {

// The inset that keeps a sprite's texture rectangle off its neighbours in
// the atlas image.
constexpr float kAtlasInset = 1.0f / 4096.0f;

// Reads an atlas description file (a plain file relative to the current
// directory) and gives its "images" element; a missing or unparsable file
// gives an empty element, so every item of it counts as missing.
pugi::xml_node load_atlas(pugi::xml_document& document, const std::string& path);

// A quad on the atlas image `texture_name` (from the resource manager, one
// reference held) cut to the item `id`: the item's pixel size, the hot
// spot, and the item's rectangle shrunk by the inset on every side. A
// missing item gives a 0 x 0 quad that draws nothing. Null when there is
// no resource manager.
KOR::KC_QUAD* atlas_sprite(const pugi::xml_node& images, const std::string& id,
                           const std::string& texture_name, unsigned hot_spot, float inset_u,
                           float inset_v);

// As atlas_sprite, with an inset of half a texel of the atlas image.
KOR::KC_QUAD* atlas_sprite_half_texel(const pugi::xml_node& images, const std::string& id,
                                      const std::string& texture_name, unsigned hot_spot);

// A quad on the whole texture `name` (from the resource manager, one
// reference held) with the hot spot; null when there is no resource manager.
KOR::KC_QUAD* texture_sprite(const std::string& name, unsigned hot_spot);

// Gives the quad's texture reference back to the resource manager and
// deletes the quad; null is allowed. The pointer is cleared.
void release_sprite(KOR::KC_QUAD*& sprite);

// Holds a sprite made above and releases it as release_sprite does.
struct SPRITE_RELEASE {
  void operator()(KOR::KC_QUAD* sprite) const { release_sprite(sprite); }
};
using OWNED_SPRITE = std::unique_ptr<KOR::KC_QUAD, SPRITE_RELEASE>;

}  // namespace game
