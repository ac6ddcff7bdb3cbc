#pragma once

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "render/gpu.h"

namespace KOR {

// A device that draws nothing and records what it is asked, so the renderer
// can be tested without a display. Failures can be scripted.
class GPU_NULL : public GPU {
 public:
  struct DRAW {
    GPU_PRIMITIVE type = GPU_PRIMITIVE::TRIANGLES;
    int vertex_count = 0;
    int index_count = 0;
    int primitive_count = 0;
    GPU_TEXTURE* texture = nullptr;
    std::array<float, 16> world{};  // the device's world matrix at the draw
    std::vector<std::array<float, 3>> positions;
    std::vector<uint32_t> colors;
    std::vector<uint16_t> indices;
  };

  GPU_NULL();
  ~GPU_NULL() override;

  bool create_device() override;
  GPU_STATUS status() override;
  bool reset() override;
  void simulate_loss() override;
  std::vector<GPU_DISPLAY_MODE> display_modes() override { return modes; }
  void drawable_size(int* width, int* height) override {
    *width = drawable_width;
    *height = drawable_height;
  }

  bool begin_scene() override;
  void end_scene() override;
  void present() override;
  bool clear(unsigned flags, uint32_t color, float depth, int stencil) override;

  void set_blend(bool on) override;
  void set_additive(bool on) override;
  void set_depth_test(bool on) override;
  void set_lighting(bool on) override;
  bool anisotropic_supported() const override { return anisotropic; }
  void set_filter(GPU_FILTER filter) override;
  void set_point_sprites(bool on) override;
  void set_address(bool wrap_u, bool wrap_v, bool wrap_w) override;
  void set_antialias(bool on) override;
  void set_matrix(GPU_MATRIX which, const float* m) override;
  void set_texture(GPU_TEXTURE* texture) override;

  void draw(GPU_PRIMITIVE type, const KS_VERTEX* vertices, int vertex_count,
            const uint16_t* indices, int index_count, int primitive_count) override;
  void draw_points(const GPU_POINT* points, int count) override;

  GPU_TEXTURE* create_texture(int width, int height, GPU_PIXELS order) override;
  bool upload(GPU_TEXTURE* texture, const void* pixels) override;
  void* lock(GPU_TEXTURE* texture) override;
  bool unlock(GPU_TEXTURE* texture) override;
  void release_texture(GPU_TEXTURE* texture) override;

  GPU_TARGET* create_target(GPU_TEXTURE* texture, bool depth_stencil) override;
  void release_target(GPU_TARGET* target) override;
  GPU_TARGET* back_buffer() override { return &back_buffer_; }
  void set_target(GPU_TARGET* target) override;
  GPU_TARGET* create_frame_target(int width, int height) override;
  void present_target(GPU_TARGET* frame) override;
  bool take_exposed() override { return std::exchange(exposed, false); }
  bool presents_rects() override { return shows_rects; }
  void present_rects(const std::vector<GPU_RECT>& rects) override;
  void set_scissor(const GPU_RECT* rect) override;

  void set_stencil(bool on) override;
  void set_stencil_func(GPU_COMPARE func, int ref) override;
  void set_stencil_fail(GPU_STENCIL_OP op) override;
  void set_stencil_pass(GPU_STENCIL_OP op) override;

  void set_material(const KS_MATERIAL& material) override;
  void set_light(int index, const KS_LIGHT& light) override;
  void enable_light(int index, bool on) override;

  bool load_vertex_shader(const std::string& source) override;
  bool read_pixels(int x, int y, int width, int height, uint32_t* out) override;
  // Nothing is drawn, so nothing is shaded.
  void count_shaded(bool on) override;
  uint64_t shaded_samples() override { return 0; }

  // What was asked, one readable line per state call, e.g. "blend 1".
  std::vector<std::string> calls;
  std::vector<DRAW> draws;
  // The scissor at each draw; a full rectangle of the target when off.
  std::vector<GPU_RECT> draw_scissors;
  std::vector<std::vector<GPU_POINT>> point_draws;
  std::array<std::array<float, 16>, 3> matrices{};  // by GPU_MATRIX
  GPU_TEXTURE* bound_texture = nullptr;
  GPU_TARGET* bound_target = nullptr;
  int live_textures = 0;
  int live_targets = 0;
  int resets = 0;

  // Scripted behaviour.
  bool fail_create_device = false;
  bool fail_create_texture = false;
  bool fail_begin_scene = false;
  bool fail_clear = false;
  bool fail_reset = false;
  bool anisotropic = true;
  std::vector<GPU_DISPLAY_MODE> modes;
  // The window lost what it showed: `take_exposed` says so once.
  bool exposed = false;
  bool shows_rects = false;
  // What each present_rects showed.
  std::vector<std::vector<GPU_RECT>> shown_rects;
  int drawable_width = 1024;
  int drawable_height = 768;
  GPU_RECT scissor;
  bool scissor_on = false;

 private:
  GPU_TARGET back_buffer_;
  GPU_STATUS loss_ = GPU_STATUS::OK;
};

}  // namespace KOR
