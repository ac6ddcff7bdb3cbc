#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What the renderer needs of a graphics device. One real backend draws with
// OpenGL (gpu_gl.cpp); GPU_NULL (gpu_null.h) records every call for tests.
// Nothing above this layer includes a GL header.

namespace KOR {

struct KS_VERTEX;
struct KS_LIGHT;
struct KS_MATERIAL;
struct GPU_PICTURE;

// Bytes of one KS_VERTEX: position, normal, colour, one uv pair.
constexpr int kGpuVertexBytes = 36;

// One point-sprite vertex: position, size in pixels, colour 0xAARRGGBB.
struct GPU_POINT {
  float x = 0, y = 0, z = 0, size = 1;
  uint32_t color = 0xFFFFFFFF;
};

enum class GPU_STATUS { OK, LOST, NOT_RESET };
enum class GPU_PRIMITIVE { POINTS, LINES, TRIANGLES };
enum class GPU_FILTER { POINT, LINEAR, ANISOTROPIC };
enum class GPU_MATRIX { WORLD, VIEW, PROJECTION };
enum class GPU_COMPARE { ALWAYS, LESS };
enum class GPU_STENCIL_OP { KEEP, REPLACE };

// Memory order of a texture's 32-bit pixels: BGRA for words 0xAARRGGBB
// (made textures), RGBA for decoded images.
enum class GPU_PIXELS { BGRA, RGBA };

enum GPU_CLEAR : unsigned { GPU_CLEAR_TARGET = 1, GPU_CLEAR_DEPTH = 2, GPU_CLEAR_STENCIL = 4 };

// What a frame or a render target starts from. The stencil goes with the
// depth buffer it shares its storage with: clearing depth alone makes a
// software rasteriser read and write every pixel. Masks clear the stencil
// they use themselves, so no one reads it across frames.
constexpr unsigned kFrameClear = GPU_CLEAR_TARGET | GPU_CLEAR_DEPTH | GPU_CLEAR_STENCIL;

// A device texture; each backend keeps its own kind.
struct GPU_TEXTURE {
  virtual ~GPU_TEXTURE() = default;
  int width = 0, height = 0;
  GPU_PIXELS order = GPU_PIXELS::BGRA;
  // Every pixel fully opaque; known only for decoded pictures.
  bool opaque = false;
  std::vector<uint8_t> locked;  // level 0 while locked
};

// A texture drawn into, or the back buffer (no texture).
struct GPU_TARGET {
  virtual ~GPU_TARGET() = default;
  GPU_TEXTURE* texture = nullptr;
  // Whether it has depth and stencil planes beside its colour.
  bool depth_stencil = true;
};

// Pixels of a target, top row 0.
struct GPU_RECT {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const GPU_RECT&) const = default;
};

struct GPU_DISPLAY_MODE {
  int width = 0, height = 0, refresh_rate = 0, bits_per_pixel = 0;
};

class GPU {
 public:
  virtual ~GPU() = default;

  // Device lifetime. A lost device reports LOST until it may be reset, then
  // NOT_RESET until `reset` rebuilds it; textures survive a reset. A
  // simulated loss reports LOST once, then NOT_RESET.
  virtual bool create_device() = 0;
  virtual GPU_STATUS status() = 0;
  virtual bool reset() = 0;
  virtual void simulate_loss() = 0;
  virtual std::vector<GPU_DISPLAY_MODE> display_modes() = 0;
  // The back buffer's size in pixels (the window's drawable).
  virtual void drawable_size(int* width, int* height) = 0;

  // Frame.
  virtual bool begin_scene() = 0;
  virtual void end_scene() = 0;
  virtual void present() = 0;
  virtual bool clear(unsigned flags, uint32_t color, float depth, int stencil) = 0;

  // Render states.
  virtual void set_blend(bool on) = 0;
  virtual void set_additive(bool on) = 0;
  virtual void set_depth_test(bool on) = 0;
  virtual void set_lighting(bool on) = 0;
  virtual bool anisotropic_supported() const = 0;
  virtual void set_filter(GPU_FILTER filter) = 0;
  virtual void set_point_sprites(bool on) = 0;
  virtual void set_address(bool wrap_u, bool wrap_v, bool wrap_w) = 0;
  virtual void set_antialias(bool on) = 0;
  // Sixteen floats, row-major, points as row vectors.
  virtual void set_matrix(GPU_MATRIX which, const float* m) = 0;
  virtual void set_texture(GPU_TEXTURE* texture) = 0;

  // Drawing: the vertices as they are (KS_VERTEX records), indices optional.
  virtual void draw(GPU_PRIMITIVE type, const KS_VERTEX* vertices, int vertex_count,
                    const uint16_t* indices, int index_count, int primitive_count) = 0;
  virtual void draw_points(const GPU_POINT* points, int count) = 0;

  // Textures. A made texture starts transparent black.
  virtual GPU_TEXTURE* create_texture(int width, int height, GPU_PIXELS order) = 0;
  // One made with `pixels` (as upload takes them) in place of black: a
  // device that can, fills it once rather than twice.
  virtual GPU_TEXTURE* create_texture_from(int width, int height, GPU_PIXELS order,
                                           const void* pixels);
  // Packed width × height × 4 bytes in the texture's own order.
  virtual bool upload(GPU_TEXTURE* texture, const void* pixels) = 0;
  virtual void* lock(GPU_TEXTURE* texture) = 0;
  virtual bool unlock(GPU_TEXTURE* texture) = 0;
  virtual void release_texture(GPU_TEXTURE* texture) = 0;
  // A texture of a decoded picture; null when it could not be made.
  GPU_TEXTURE* texture_from_picture(const GPU_PICTURE& picture);

  // Drawing into textures. The back buffer is owned by the device. Without
  // depth and stencil a target saves their planes, as large as its colour
  // under a software rasteriser; what is drawn into it then tests neither,
  // so no clip or mask works there.
  virtual GPU_TARGET* create_target(GPU_TEXTURE* texture, bool depth_stencil) = 0;
  virtual void release_target(GPU_TARGET* target) = 0;
  virtual GPU_TARGET* back_buffer() = 0;
  virtual void set_target(GPU_TARGET* target) = 0;
  // An offscreen picture of that size drawn exactly as the back buffer is,
  // with a stencil for clips and masks but no depth, which nothing the
  // renderer draws on the screen tests; and its presentation: copied into
  // the back buffer (no shading), then shown as `present` shows it.
  virtual GPU_TARGET* create_frame_target(int width, int height) = 0;
  virtual void present_target(GPU_TARGET* frame) = 0;
  // True once after the window lost what it showed (uncovered, restored):
  // a frame that changed nothing must be shown again all the same.
  virtual bool take_exposed() = 0;
  // Whether the window can be shown rectangles of the back buffer without a
  // swap, which leaves the back buffer as it is, and the showing.
  virtual bool presents_rects() = 0;
  virtual void present_rects(const std::vector<GPU_RECT>& rects) = 0;
  // Drawing and clearing limited to a rectangle of the current target; null
  // lifts the limit.
  virtual void set_scissor(const GPU_RECT* rect) = 0;

  // Stencil masks.
  virtual void set_stencil(bool on) = 0;
  virtual void set_stencil_func(GPU_COMPARE func, int ref) = 0;
  virtual void set_stencil_fail(GPU_STENCIL_OP op) = 0;
  virtual void set_stencil_pass(GPU_STENCIL_OP op) = 0;

  // Lights and material (per-vertex diffuse and ambient lighting).
  virtual void set_material(const KS_MATERIAL& material) = 0;
  virtual void set_light(int index, const KS_LIGHT& light) = 0;
  virtual void enable_light(int index, bool on) = 0;

  // A vertex shader of our own in place of the built-in one; false when it
  // does not compile or link.
  virtual bool load_vertex_shader(const std::string& source) = 0;

  // Top-down rows of 0xAARRGGBB from the current target, for tests.
  virtual bool read_pixels(int x, int y, int width, int height, uint32_t* out) = 0;

  // Pixels shaded, for benchmarks: while counting is on, every sample that
  // a draw between `begin_scene` and `end_scene` writes to any target,
  // once per draw that covers it. Clears and copies are not shading. Off
  // until asked for, as counting may cost the device a little per scene.
  virtual void count_shaded(bool on) = 0;
  // The samples counted since the device was made.
  virtual uint64_t shaded_samples() = 0;
};

// What the OpenGL backend needs of the window that owns its context.
struct GPU_GL_SURFACE {
  std::function<void()> make_current;
  std::function<void()> swap;
  std::function<bool()> take_exposed;
  std::function<bool()> can_show_rects;            // may be empty: no
  std::function<void(const GPU_RECT&)> show_rect;  // rows from the bottom
  std::function<void(int* width, int* height)> drawable_size;
  std::function<std::vector<GPU_DISPLAY_MODE>()> display_modes;
};

// The OpenGL device on that window's context (made current by the call).
GPU* gpu_create_gl(const GPU_GL_SURFACE& surface);

// The OpenGL device on an engine window (gpu_host.cpp).
struct KS_HOST_WINDOW;
GPU* gpu_create_for_window(KS_HOST_WINDOW* window);

}  // namespace KOR
