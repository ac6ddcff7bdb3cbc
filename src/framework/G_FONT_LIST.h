#pragma once

#include <map>
#include <memory>
#include <string>

namespace KOR {
class KC_FONT;
}

namespace KOR_GF {

// The game's bitmap fonts by name, read once from the font list. The list
// owns the fonts; each holds one reference on its page texture until
// release_textures.
class G_FONT_LIST {
 public:
  G_FONT_LIST();
  ~G_FONT_LIST();
  G_FONT_LIST(const G_FONT_LIST&) = delete;
  G_FONT_LIST& operator=(const G_FONT_LIST&) = delete;

  // False when the list resource is missing or has no "fonts" element.
  // Entries lacking "name", "texture" or "xml", repeating a name, or naming
  // a description that cannot be had are skipped.
  bool load(const std::string& list_name);
  bool has(const std::string& name) const;
  // Null for an unknown name.
  KOR::KC_FONT* find(const std::string& name) const;
  // Gives every page texture back and unloads what nothing uses any more;
  // the fonts then draw with the renderer's default texture.
  void release_textures();

 private:
  std::map<std::string, std::unique_ptr<KOR::KC_FONT>> fonts_;
};

G_FONT_LIST& font_list_instance();

}  // namespace KOR_GF
