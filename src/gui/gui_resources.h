#pragma once

#include <string>

namespace pugi {
class xml_document;
}

namespace KOR {

class KC_MESH;
struct KC_TEXTURE;

// How widgets take and give back what they draw with. Each call works
// without a resource manager or renderer (tests, early start-up) and then
// hands out the default texture, or null when there is no renderer either.

KC_TEXTURE* gui_default_texture();

// One reference more to the named texture; the default texture for a name
// that names nothing.
KC_TEXTURE* gui_get_texture(const std::string& name);

// One reference less; the default texture and null are ignored.
void gui_release_texture(KC_TEXTURE* texture);

// Gives the mesh's texture back and shows the default texture in its place.
void gui_release_mesh_texture(KC_MESH* mesh);

// Null when the document names nothing or does not parse.
pugi::xml_document* gui_get_xml(const std::string& name);
void gui_release_xml(pugi::xml_document* document);

}  // namespace KOR
