#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "foundation/KS_COLOR.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_MATRIX4.h"
#include "foundation/KS_RENDER_STATE.h"
#include "foundation/KS_SCREEN_RECT.h"
#include "foundation/KS_VERTEX.h"
#include "render/gpu.h"

namespace KOR {

struct KC_TEXTURE;
struct KS_TRANSFORM3;
struct KS_HOST_WINDOW;
struct GPU_PICTURE;
class KC_CAMERA;
class GPU_KEPT_FRAME;

// A texture to draw into, kept by the renderer under its id.
struct KS_RENDER_TARGET {
  uint16_t target_id = 0;
  int width = 0;
  int height = 0;
  GPU_TEXTURE* target_texture = nullptr;
  KS_MATRIX4 target_view;
  KS_MATRIX4 target_projection;
  GPU_TARGET* target_surface = nullptr;
  // Made with depth and stencil planes (see GPU::create_target).
  bool depth_stencil = true;
};

// What a pass into the target starts by clearing: the planes it has.
inline unsigned target_clear(const KS_RENDER_TARGET& target) {
  return target.depth_stencil ? kFrameClear : GPU_CLEAR_TARGET;
}

// The stencil reference of the current mask level.
extern uint8_t mask_ref;

// Draws everything. Geometry of a frame is batched: positions are moved by
// the current world matrix on the processor, so consecutive meshes with the
// same render-state word (bits 0-17) and texture become one draw.
class KC_RENDER {
 public:
  static KC_RENDER* instance;

  // Without a device, init draws through OpenGL on its window.
  explicit KC_RENDER(std::unique_ptr<GPU> device = nullptr);
  ~KC_RENDER();
  KC_RENDER(const KC_RENDER&) = delete;
  KC_RENDER& operator=(const KC_RENDER&) = delete;

  int init(KS_HOST_WINDOW* window, float near_plane, float far_plane);
  void set_video_mode(int width, int height, bool full_screen, bool stretch);
  void reset_device();

  int begin_frame();
  int end_frame();
  void submit(const KS_VERTEX* vertices, KC_TEXTURE* texture, const KS_RENDER_STATE* state,
              int vertex_count, const uint16_t* indices, int index_count);
  void flush();
  int apply_state(KS_RENDER_STATE state);
  void set_world_transform(const KS_TRANSFORM3& t);
  void draw_line(int x1, int y1, int x2, int y2, KS_COLOR color);
  void draw_square(int x, int y, KS_COLOR color, float side);
  void draw_line_3d(float x1, float y1, float z1, float x2, float y2, float z2, KS_COLOR color);
  void draw_immediate(const KS_VERTEX* vertices, KC_TEXTURE* texture, const KS_RENDER_STATE* state,
                      int vertex_count, const uint16_t* indices, int index_count);

  // Point sprites from a particle list: each node's position, size and
  // colour, following `next`; streamed in chunks of 512.
  template <class PARTICLE>
  void draw_point_sprites(const PARTICLE* first, KC_TEXTURE* texture, KS_RENDER_STATE state) {
    if (!begin_points(first != nullptr, texture, state)) return;
    for (const PARTICLE* p = first; p != nullptr; p = p->next) {
      add_point(p->position.x, p->position.y, p->position.z, p->size, p->color.argb());
    }
    end_points();
  }

  // Textures.
  KC_TEXTURE* create_texture(int width, int height);
  // A picture prefetched for the path (picture_prefetch.h) is taken from
  // there.
  KC_TEXTURE* load_texture_file(const std::string& path);
  KC_TEXTURE* load_texture_memory(const void* bytes, size_t count);
  void release_texture(KC_TEXTURE* texture);
  bool upload_pixels(KC_TEXTURE* texture, const void* pixels);
  void* lock_texture(KC_TEXTURE* texture);
  bool unlock_texture(KC_TEXTURE* texture);

  // Camera.
  KC_CAMERA* create_camera(int width, int height);
  void set_camera(KC_CAMERA* camera);

  // Render targets, masks, lights, clears and the rest.
  KS_RENDER_TARGET* create_render_target(int width, int height, bool depth_stencil = true);
  int begin_target(KS_RENDER_TARGET* target);
  int end_target();
  void release_render_target(KS_RENDER_TARGET* target);
  // A still picture composed once and laid down again each frame: a target
  // the back buffer's size, drawn into within an open frame through the
  // screen's own view, so it holds what the same drawing would leave on the
  // back buffer, and laid back over the whole back buffer texel for pixel.
  // A target fits while it has the back buffer's size and a device surface.
  // It has no depth or stencil: no clip or mask within its pass.
  KS_RENDER_TARGET* create_screen_target();
  bool fits_screen(const KS_RENDER_TARGET* target);
  int begin_screen_target(KS_RENDER_TARGET* target);
  int end_screen_target();
  void draw_screen_target(KS_RENDER_TARGET* target);
  // Until end_clip, drawing lands only inside the rectangles (through the
  // stencil, which end_clip leaves as it found it).
  void begin_clip(const std::vector<KS_SCREEN_RECT>& rects);
  void end_clip();
  void begin_mask();
  void next_mask_level();
  void end_mask();
  void set_material(const KS_MATERIAL& material);
  int set_light(int index, const KS_LIGHT& light);
  void enable_light(int index, bool on);
  void set_lighting(bool on);
  int clear(unsigned flags, bool with_stencil, bool with_depth);
  int clear_stencil();
  int clear_depth();
  void list_display_modes(std::vector<KS_IVECTOR2>& out);
  void set_world_matrix(const KS_MATRIX4& m);
  void accumulate_world_transform(const KS_TRANSFORM3& t);
  GPU* get_device() { return device.get(); }
  // Every frame shaded whole instead of only what changed since the last.
  void set_full_redraw(bool on);
  // Whether renderers made from here on keep the last frame and reshade
  // only what changed: a still screen then costs next to nothing to show.
  static inline bool keep_frames = true;
  int release_all();
  int load_shader();

  int submit_count = 0;
  int draw_call_count = 0;
  int state_change_count = 0;
  KS_COLOR clear_color{0xFF444444};
  KS_RENDER_STATE current_state;
  KC_TEXTURE* current_texture = nullptr;
  int vertex_capacity = 8192;
  int point_capacity = 4096;
  KC_TEXTURE* default_texture = nullptr;
  // 1 no scene, 0 frame open, 2 render-target pass open, 3 a screen
  // target's pass within the open frame
  int frame_state = 1;
  // Device resets so far: each one empties every render target.
  int device_resets = 0;
  KS_HOST_WINDOW* window_handle = nullptr;
  // Owned, by device handle; a texture handed out stays the renderer's until released.
  std::map<GPU_TEXTURE*, std::unique_ptr<KC_TEXTURE>> textures;
  uint16_t next_target_id = 0;
  // Owned; a target handed out stays the renderer's until released.
  std::map<uint16_t, std::unique_ptr<KS_RENDER_TARGET>> render_targets;
  float near_plane = 0.0f;
  float far_plane = 0.0f;
  KS_MATRIX4 world_base;
  KS_MATRIX4 world;
  KS_MATRIX4 screen_world;
  KS_MATRIX4 screen_view;
  KS_MATRIX4 screen_projection;
  int batch_vertex_count = 0;
  int batch_index_count = 0;
  KC_CAMERA* camera = nullptr;
  GPU_TARGET* back_buffer = nullptr;
  std::unique_ptr<GPU> device;
  // The device that keeps the last frame, when init made the device.
  GPU_KEPT_FRAME* kept_frame = nullptr;
  bool device_ready = false;
  // The back buffer asked for: its size and whether it is windowed.
  KS_IVECTOR2 present_size;
  bool present_windowed = true;
  bool stretch = false;
  bool full_screen = false;
  KS_IVECTOR2 requested_size;
  KS_IVECTOR2 picture_size;
  KS_MATRIX4 stretch_matrix;

 private:
  int index_capacity() const { return 3 * (vertex_capacity - 2); }
  void update_stretch_matrix();
  void setup_screen_view();
  void use_screen_mode();
  void use_world_mode();
  void bind_for(KC_TEXTURE* texture);
  bool begin_points(bool any, KC_TEXTURE* texture, KS_RENDER_STATE state);
  void add_point(float x, float y, float z, float size, uint32_t color);
  void end_points();
  void release_targets_on_device();
  void create_targets_on_device();
  // Keeps a record of the new device texture and hands it out.
  KC_TEXTURE* keep_texture(GPU_TEXTURE* handle, int width, int height);
  // A kept texture of the picture; the default texture when none is made.
  KC_TEXTURE* texture_from_picture(const GPU_PICTURE& picture);
  // Gives the texture back to the device and forgets its record.
  void delete_texture_record(KC_TEXTURE* texture);
  void stencil_rects(const std::vector<KS_SCREEN_RECT>& rects, int value);
  std::vector<KS_SCREEN_RECT> clip_rects_;

  std::vector<KS_VERTEX> batch_vertices_;
  std::vector<uint16_t> batch_indices_;
  std::vector<GPU_POINT> points_;
};

}  // namespace KOR
