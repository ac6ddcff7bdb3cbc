#pragma once

#include <memory>
#include <string>

#include "PRIMITIVES/KC_MESH.h"

namespace pugi {
class xml_node;
}

namespace KOR_GF {

// A textured rectangle whose texture is known by resource name and held
// only while the sprite is loaded; unloaded, it shows the renderer's default
// texture. Its size follows the texture unless set, its hot spot places the
// transform's pivot, and it owns its four vertices and, normally, its
// transform. Vertex 0 is the upper-left corner and never moves.
class G_SPRITE : public KOR::KC_MESH {
 public:
  G_SPRITE();
  // The texture is fetched by the first load.
  explicit G_SPRITE(const std::string& texture_name);
  explicit G_SPRITE(const pugi::xml_node& node);
  // Shares a transform the source does not own; the copy starts white over
  // the whole texture and is loaded when the source is.
  G_SPRITE(const G_SPRITE& other);
  G_SPRITE& operator=(const G_SPRITE& other);
  virtual ~G_SPRITE();

  // Takes the named texture (one reference) unless loaded already or
  // nameless. A name the resource manager cannot give a real texture for
  // leaves the sprite unloaded.
  virtual void load();
  // Gives the texture back; size, hot spot, colour and frame stay.
  virtual void unload();
  // Children "FILE", "HOT_SPOT", "POS", "TRANSFORM", "COLOR" and "SIZE",
  // applied in that order whatever their order in the file.
  virtual void load_xml(const pugi::xml_node& node);

  // Also takes the texture's size while either extent is still -1.
  void set_texture(KOR::KC_TEXTURE* texture);
  // A loaded sprite swaps its texture at once.
  void set_texture_name(const std::string& name);
  const std::string& texture_name() const { return look_.texture_name; }

  void set_size(float w, float h);
  void set_width(float w);
  void set_height(float h);
  float width() const { return look_.width; }
  float height() const { return look_.height; }
  // The offset holds only until the next size or texture change, which
  // re-applies the code alone. Codes outside 0..8 are kept and move nothing.
  void set_hot_spot(int code, float dx, float dy);
  int hot_spot() const { return look_.hot_spot; }

  // Cell n of a cols × rows grid, row by row from the upper left; a grid
  // without columns or rows changes nothing.
  void set_grid_frame(int cols, int rows, int n);
  void set_uv(float umin, float vmin, float umax, float vmax);
  void set_uv_pixels(int x0, int y0, int x1, int y1);
  // One texel per pixel from the texture's upper-left corner.
  void set_uv_to_size();
  void set_color(const KOR::KS_COLOR& color);
  KOR::KS_COLOR color() const;
  bool has_texture() const;

  // Through the transform's whole parent chain; does not load.
  void draw();
  // Whether the pointer lies on the unscaled, unturned rectangle, edges
  // included.
  bool is_pointer_inside() const;
  void set_x(float x);
  void set_y(float y);
  // The sprite owns the given transform from now on; the one it held is
  // freed only if it was its own.
  void set_transform(std::unique_ptr<KOR::KS_TRANSFORM3> transform);

 private:
  void copy_from(const G_SPRITE& other);
  void free_all();
  void apply_hot_spot() { set_hot_spot(look_.hot_spot, 0.0f, 0.0f); }

  // What a copy takes over as it stands; the texture reference, vertices
  // and transform are the mesh's and are copied by their own rules.
  struct LOOK {
    std::string texture_name;
    float width = -1.0f;
    float height = -1.0f;
    int hot_spot = 0;
  };
  LOOK look_;
};

// The renderer's default texture, which every unloaded sprite shows; null
// without a renderer.
KOR::KC_TEXTURE* default_texture();

}  // namespace KOR_GF
