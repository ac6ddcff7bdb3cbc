#pragma once

#include <map>
#include <memory>
#include <vector>

#include "render/frame_diff.h"
#include "render/gpu.h"

namespace KOR {

// A device that keeps the last frame and shades only what changed. A
// frame's commands for the back buffer are recorded, not drawn; at present
// they are compared with the last frame's, and the whole list is drawn
// again into the kept picture limited to the changed rectangles, which are
// then shown. The kept picture is the back buffer itself where the window
// can be shown parts of it without a swap; elsewhere a picture of its own,
// copied whole to the back buffer and swapped. A frame that changed nothing
// leaves the window as it is, unless the window lost its picture. The
// picture is the one a full redraw gives. Drawing into textures passes
// straight through.
class GPU_KEPT_FRAME : public GPU {
 public:
  // `inner` is owned.
  explicit GPU_KEPT_FRAME(GPU* inner);
  ~GPU_KEPT_FRAME() override;

  // Every frame reshaded whole.
  bool full_redraw = false;
  // The rectangles the last present reshaded (all of it after a full redraw).
  std::vector<GPU_RECT> last_reshaded;

  bool create_device() override { return inner_->create_device(); }
  GPU_STATUS status() override { return inner_->status(); }
  bool reset() override;
  void simulate_loss() override { inner_->simulate_loss(); }
  std::vector<GPU_DISPLAY_MODE> display_modes() override { return inner_->display_modes(); }
  void drawable_size(int* width, int* height) override { inner_->drawable_size(width, height); }

  bool begin_scene() override;
  void end_scene() override { inner_->end_scene(); }
  void present() override;
  bool clear(unsigned flags, uint32_t color, float depth, int stencil) override;

  void set_blend(bool on) override;
  void set_additive(bool on) override;
  void set_depth_test(bool on) override;
  void set_lighting(bool on) override;
  bool anisotropic_supported() const override { return inner_->anisotropic_supported(); }
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
  GPU_TEXTURE* create_texture_from(int width, int height, GPU_PIXELS order,
                                   const void* pixels) override;
  bool upload(GPU_TEXTURE* texture, const void* pixels) override;
  void* lock(GPU_TEXTURE* texture) override { return inner_->lock(texture); }
  bool unlock(GPU_TEXTURE* texture) override;
  void release_texture(GPU_TEXTURE* texture) override;

  GPU_TARGET* create_target(GPU_TEXTURE* texture, bool depth_stencil) override;
  void release_target(GPU_TARGET* target) override;
  GPU_TARGET* back_buffer() override { return inner_->back_buffer(); }
  void set_target(GPU_TARGET* target) override;
  GPU_TARGET* create_frame_target(int width, int height) override {
    return inner_->create_frame_target(width, height);
  }
  void present_target(GPU_TARGET* frame) override { inner_->present_target(frame); }
  bool take_exposed() override { return inner_->take_exposed(); }
  bool presents_rects() override { return inner_->presents_rects(); }
  void present_rects(const std::vector<GPU_RECT>& rects) override { inner_->present_rects(rects); }
  void set_scissor(const GPU_RECT* rect) override { inner_->set_scissor(rect); }

  void set_stencil(bool on) override;
  void set_stencil_func(GPU_COMPARE func, int ref) override;
  void set_stencil_fail(GPU_STENCIL_OP op) override;
  void set_stencil_pass(GPU_STENCIL_OP op) override;

  void set_material(const KS_MATERIAL& material) override;
  void set_light(int index, const KS_LIGHT& light) override;
  void enable_light(int index, bool on) override;

  bool load_vertex_shader(const std::string& source) override;
  bool read_pixels(int x, int y, int width, int height, uint32_t* out) override;
  void count_shaded(bool on) override { inner_->count_shaded(on); }
  uint64_t shaded_samples() override { return inner_->shaded_samples(); }

 private:
  bool on_back_buffer() const;
  // A texture's content is about to change: draws recorded with it so far
  // must see the old one, so the frame is drawn up to here first.
  void content_changes(GPU_TEXTURE* texture);
  void new_content(GPU_TEXTURE* texture);
  FRAME_COMMAND& record(FRAME_COMMAND::KIND kind);
  // Makes the kept picture the drawable's size; false when it cannot.
  bool keep_picture(bool* fresh);
  // The frame so far drawn whole into the kept picture, and every command
  // after it drawn at once.
  void draw_through();
  void replay(const FRAME_COMMAND& command);
  void apply(const FRAME_STATE& state);
  void push_lighting(const FRAME_LIGHTING& lighting);
  FRAME_LIGHTING& own_lighting();
  // The device's states, and then its target, back to what the renderer
  // last set.
  void restore_states();
  void restore();
  void forget_kept_picture();
  // The kept picture shown on the window: whole, or where it changed.
  void show_kept(bool whole);

  std::unique_ptr<GPU> inner_;
  FRAME_STATE state_;
  std::shared_ptr<FRAME_LIGHTING> lighting_;  // shared with recorded draws
  GPU_TARGET* target_ = nullptr;              // null: the back buffer
  std::map<GPU_TEXTURE*, uint64_t> content_;
  uint64_t next_content_ = 1;
  uint64_t next_shader_ = 1;
  // The scene open on the back buffer is being recorded for the present.
  bool recording_ = false;
  bool drawing_through_ = false;
  // The last frame shown is the kept picture.
  bool shown_from_kept_ = false;
  int width_ = 0, height_ = 0;  // of the frame being recorded
  std::vector<FRAME_COMMAND> frame_;
  std::vector<FRAME_COMMAND> last_frame_;
  GPU_TARGET* kept_ = nullptr;
  // The kept picture is the back buffer, shown a rectangle at a time.
  bool kept_in_back_buffer_ = false;
  int kept_width_ = 0, kept_height_ = 0;
  // What the device was last given while drawing the kept picture.
  FRAME_STATE applied_;
  bool applied_valid_ = false;
};

}  // namespace KOR
