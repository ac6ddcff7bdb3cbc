#pragma once

#include <memory>
#include <string>

namespace KOR_GF {

class G_SPRITE;

// The game's own mouse pointer: a sprite drawn at the pointer position over
// everything else, its upper-left corner on the pointer.
class G_CURSOR {
 public:
  G_CURSOR();
  G_CURSOR(const G_CURSOR&) = delete;
  G_CURSOR& operator=(const G_CURSOR&) = delete;
  ~G_CURSOR();

  // Takes the texture name from the root's "file" attribute; a second call
  // renames the sprite made by the first. False when the description cannot
  // be had.
  bool load_xml(const std::string& resource_name);
  void load();
  void unload();
  void set_visible(bool visible) { visible_ = visible; }
  bool visible() const { return visible_ != 0; }
  void draw();

  const G_SPRITE* sprite() const { return sprite_.get(); }

 private:
  int visible_ = 1;
  std::unique_ptr<G_SPRITE> sprite_;
};

}  // namespace KOR_GF
