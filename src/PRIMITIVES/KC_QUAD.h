#pragma once

#include <cstdint>

#include "PRIMITIVES/KC_MESH.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {

// A region of a texture as an atlas describes it; the region may be stored
// in the texture turned by a quarter turn.
struct KS_TEXTURE_REGION {
  KC_TEXTURE* texture = nullptr;
  float width = 0.0f;  // pixels
  float height = 0.0f;
  float top = 0.0f;    // v of the upper edge
  float right = 1.0f;  // u of the right edge
  float left = 0.0f;
  float bottom = 1.0f;
  bool rotated = false;
};

// One corner as draw_corners writes it.
struct KS_QUAD_CORNER {
  float x = 0.0f;
  float y = 0.0f;
  float u = 0.0f;
  float v = 0.0f;
  uint32_t color = 0xFFFFFFFFu;
};

// Hot spots: the point of a quad its transform's position puts on the
// screen, also the centre of its rotation and scaling.
enum KE_HOT_SPOT : unsigned {
  HS_MID = 0,
  HS_UL = 1,
  HS_UR = 2,
  HS_DL = 3,
  HS_DR = 4,
  HS_MU = 5,
  HS_MD = 6,
  HS_ML = 7,
  HS_MR = 8,
};

// The render state of textured, alpha-blended triangles.
void set_quad_render_state(KS_RENDER_STATE& state);
// The index table of two triangles, 0-1-2 and 0-2-3, shared by every quad.
uint16_t* quad_index_table();
// Puts the transform's pivot on hot spot `type` of a width × height
// rectangle, moved by (dx, dy); types above HS_MR change nothing.
void place_hot_spot(KS_TRANSFORM3& transform, unsigned type, float width, float height, float dx,
                    float dy);
// Texture coordinates (ua, va) to (ub, vb) on four corners in quad order.
void set_corner_uvs(KS_VERTEX* corners, float ua, float va, float ub, float vb);

// The textured rectangle: four vertices (upper left, upper right, lower
// right, lower left) with vertex 0 fixed at the local origin, so the width
// is vertex 1's x and the height vertex 3's y. It shows a rectangle of a
// texture region, given as fractions of that region.
class KC_QUAD : public KC_MESH {
 public:
  // No texture and no transform; colours 0. Needs set_texture before use.
  KC_QUAD();
  // The whole texture; without a transform the quad makes and owns one.
  KC_QUAD(KC_TEXTURE* texture, KS_TRANSFORM3* transform);
  // A full copy: geometry, colours, region, hot spot and render state. An
  // owned transform is duplicated for the copy; a borrowed one is shared.
  KC_QUAD(const KC_QUAD& other) = default;
  KC_QUAD& operator=(const KC_QUAD&) = delete;

  // Four vertices with all values 0, owned.
  void alloc_vertices();

  // -1 and nothing changed for a null region or one without a texture. A
  // given transform is used and stays its caller's; null gives the quad an
  // identity transform of its own. The pivot and render state stay.
  int set_texture_region(const KS_TEXTURE_REGION* region, KS_TRANSFORM3* transform);
  // The whole texture as region; -1 for a null texture.
  int set_texture(KC_TEXTURE* texture, KS_TRANSFORM3* transform = nullptr);
  void set_region(float left, float top, float right, float bottom);
  float region_width() const { return uv_max.x - uv_min.x; }

  // Texture coordinates as fractions of the region.
  void set_uv_rect(float left, float top, float right, float bottom);
  // Cell `frame` of a grid laid over the region, numbered row by row from
  // 0. With resize the quad takes one cell's size of the size it had before
  // the first resize, so repeating the call does not shrink it again. A
  // grid without columns or rows changes nothing.
  void set_grid_frame(int columns, int rows, int frame, bool resize);
  void fit_uv_to_texture();
  void fit_uv_to_region();
  void set_uv_pixels(int x0, int y0, int x1, int y1);
  // Absolute texture coordinates; the region is ignored.
  void set_uv_corners(float ua, float va, float ub, float vb);
  void set_uv_corners_rotated(float ua, float va, float ub, float vb);
  // Moves every corner inward; 0 means 0.01.
  void inset_uv(float amount);

  void set_size(int width, int height);
  void set_size(float width, float height);
  float width() const;
  float height() const;
  // Types 0-8 set the pivot from the size; every type is stored.
  void set_hot_spot(unsigned type, float dx = 0.0f, float dy = 0.0f);
  unsigned hot_spot() const { return hot_spot_; }
  uint32_t vertex_color(int index) const;
  void set_vertex_colors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3);
  // Non-null: the quad uses the transform and hands the previous one back;
  // if the quad owned that one, its caller now answers for it. Null changes
  // nothing and returns null.
  KS_TRANSFORM3* use_transform(KS_TRANSFORM3* transform);

  void set_quad_state();
  void set_filter(int mode);
  void set_address_mode(int mode);
  // Point filtering (result 0) when the world transform neither turns nor
  // scales; else the anisotropic filter (result 1).
  int choose_filter();

  // Places, cuts and sizes the quad, upper-left hot spot, and draws it in
  // the world of its transform: one glyph of a font.
  void setup(float x, float y, float left, float top, float right, float bottom, int width,
             int height);
  // All four vertices written, then drawn.
  void draw_corners(const KS_QUAD_CORNER (&corners)[4]);

  KS_VECTOR2 uv_min{0.0f, 0.0f};
  KS_VECTOR2 uv_max{1.0f, 1.0f};
  bool rotated = false;

 private:
  unsigned hot_spot_ = 0;
  // The size a grid resize started from and the cell size it gave.
  int grid_base_w_ = -1;
  int grid_base_h_ = -1;
  int grid_cell_w_ = -1;
  int grid_cell_h_ = -1;
};

}  // namespace KOR
