// The game drawn frame by frame both ways, shading only what changed and
// shading everything, must give the same picture: through the splashes, the
// title with its bubbles, menus sliding in, a level's board scrolling in,
// the tape moving, a pop-up, pieces laid, and the water running while the
// board scrolls to its end.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "e2e_game.h"
#include "level/CScene_Level.h"
#include "render/KC_RENDER.h"
#include "render/KS_LIGHT.h"
#include "render/gpu_kept_frame.h"
#include "support/level_player.h"
#include "support/scripted_player.h"

namespace {

using KOR::GPU;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// Sits between the renderer and its frame-keeping device. Each frame goes
// to the device as it comes, shading only what changed; once it is shown
// and the kept picture read, the same calls are made again from the states
// the frame began with, the device shading the whole frame, and that
// picture is read and compared.
class TWICE : public GPU {
 public:
  using CALL = std::function<void(GPU&)>;

  explicit TWICE(KOR::GPU_KEPT_FRAME* kept) : kept_(kept) {}

  std::string phase = "start";
  std::vector<std::string> differing;                    // one line per differing frame
  std::map<std::string, std::pair<int, double>> shaded;  // frames, screens by phase

  bool create_device() override { return kept_->create_device(); }
  KOR::GPU_STATUS status() override { return kept_->status(); }
  bool reset() override { return kept_->reset(); }
  void simulate_loss() override { kept_->simulate_loss(); }
  std::vector<KOR::GPU_DISPLAY_MODE> display_modes() override { return kept_->display_modes(); }
  void drawable_size(int* w, int* h) override { kept_->drawable_size(w, h); }
  bool take_exposed() override { return kept_->take_exposed(); }
  bool presents_rects() override { return kept_->presents_rects(); }
  void present_rects(const std::vector<KOR::GPU_RECT>& rects) override {
    kept_->present_rects(rects);
  }

  bool begin_scene() override {
    frame_ = target_ == nullptr || target_ == kept_->back_buffer();
    calls_.clear();
    if (frame_) {
      begun_ = last_;
      begun_bound_ = bound_;
    }
    return kept_->begin_scene();
  }
  void end_scene() override { kept_->end_scene(); }
  void present() override;
  bool clear(unsigned flags, uint32_t color, float depth, int stencil) override {
    log([=](GPU& g) { g.clear(flags, color, depth, stencil); });
    return kept_->clear(flags, color, depth, stencil);
  }

  void set_blend(bool on) override {
    state("blend", [=](GPU& g) { g.set_blend(on); });
  }
  void set_additive(bool on) override {
    state("additive", [=](GPU& g) { g.set_additive(on); });
  }
  void set_depth_test(bool on) override {
    state("depth", [=](GPU& g) { g.set_depth_test(on); });
  }
  void set_lighting(bool on) override {
    state("lighting", [=](GPU& g) { g.set_lighting(on); });
  }
  bool anisotropic_supported() const override { return kept_->anisotropic_supported(); }
  void set_filter(KOR::GPU_FILTER f) override {
    state("filter", [=](GPU& g) { g.set_filter(f); });
  }
  void set_point_sprites(bool on) override {
    state("sprites", [=](GPU& g) { g.set_point_sprites(on); });
  }
  void set_address(bool u, bool v, bool w) override {
    state("address", [=](GPU& g) { g.set_address(u, v, w); });
  }
  void set_antialias(bool on) override {
    state("antialias", [=](GPU& g) { g.set_antialias(on); });
  }
  void set_matrix(KOR::GPU_MATRIX which, const float* m) override {
    std::array<float, 16> copy;
    std::copy(m, m + 16, copy.begin());
    state("matrix" + std::to_string(static_cast<int>(which)),
          [=](GPU& g) { g.set_matrix(which, copy.data()); });
  }
  void set_texture(KOR::GPU_TEXTURE* t) override {
    bound_ = t;
    state("texture", [=](GPU& g) { g.set_texture(t); });
  }

  void draw(KOR::GPU_PRIMITIVE type, const KOR::KS_VERTEX* vertices, int vertex_count,
            const uint16_t* indices, int index_count, int primitive_count) override {
    const auto* bytes = reinterpret_cast<const uint8_t*>(vertices);
    std::vector<uint8_t> v(bytes, bytes + static_cast<size_t>(vertex_count) * KOR::kGpuVertexBytes);
    std::vector<uint16_t> i;
    if (indices != nullptr) i.assign(indices, indices + index_count);
    log([=](GPU& g) {
      g.draw(type, reinterpret_cast<const KOR::KS_VERTEX*>(v.data()), vertex_count,
             i.empty() ? nullptr : i.data(), index_count, primitive_count);
    });
    kept_->draw(type, vertices, vertex_count, indices, index_count, primitive_count);
  }
  void draw_points(const KOR::GPU_POINT* points, int count) override {
    std::vector<KOR::GPU_POINT> p(points, points + count);
    log([=](GPU& g) { g.draw_points(p.data(), count); });
    kept_->draw_points(points, count);
  }

  KOR::GPU_TEXTURE* create_texture(int w, int h, KOR::GPU_PIXELS order) override {
    return kept_->create_texture(w, h, order);
  }
  bool upload(KOR::GPU_TEXTURE* t, const void* pixels) override { return kept_->upload(t, pixels); }
  void* lock(KOR::GPU_TEXTURE* t) override { return kept_->lock(t); }
  bool unlock(KOR::GPU_TEXTURE* t) override { return kept_->unlock(t); }
  // A picture given back unbinds it; a frame that drew with it is not
  // drawn again.
  void release_texture(KOR::GPU_TEXTURE* t) override {
    if (bound_ == t) set_texture(nullptr);
    if (begun_bound_ == t) {
      begun_["texture"] = last_["texture"];
      begun_bound_ = nullptr;
    }
    frame_ = false;
    kept_->release_texture(t);
  }
  KOR::GPU_TARGET* create_target(KOR::GPU_TEXTURE* t, bool depth_stencil) override {
    return kept_->create_target(t, depth_stencil);
  }
  void release_target(KOR::GPU_TARGET* t) override { kept_->release_target(t); }
  KOR::GPU_TARGET* back_buffer() override { return kept_->back_buffer(); }
  void set_target(KOR::GPU_TARGET* t) override {
    target_ = t;
    kept_->set_target(t);
  }
  KOR::GPU_TARGET* create_frame_target(int w, int h) override {
    return kept_->create_frame_target(w, h);
  }
  void present_target(KOR::GPU_TARGET* frame) override { kept_->present_target(frame); }
  void set_scissor(const KOR::GPU_RECT* rect) override { kept_->set_scissor(rect); }

  void set_stencil(bool on) override {
    state("stencil", [=](GPU& g) { g.set_stencil(on); });
  }
  void set_stencil_func(KOR::GPU_COMPARE f, int ref) override {
    state("stencil_func", [=](GPU& g) { g.set_stencil_func(f, ref); });
  }
  void set_stencil_fail(KOR::GPU_STENCIL_OP op) override {
    state("stencil_fail", [=](GPU& g) { g.set_stencil_fail(op); });
  }
  void set_stencil_pass(KOR::GPU_STENCIL_OP op) override {
    state("stencil_pass", [=](GPU& g) { g.set_stencil_pass(op); });
  }
  void set_material(const KOR::KS_MATERIAL& m) override {
    state("material", [=](GPU& g) { g.set_material(m); });
  }
  void set_light(int index, const KOR::KS_LIGHT& l) override {
    state("light" + std::to_string(index), [=](GPU& g) { g.set_light(index, l); });
  }
  void enable_light(int index, bool on) override {
    state("on" + std::to_string(index), [=](GPU& g) { g.enable_light(index, on); });
  }
  bool load_vertex_shader(const std::string& source) override {
    return kept_->load_vertex_shader(source);
  }
  bool read_pixels(int x, int y, int w, int h, uint32_t* out) override {
    return kept_->read_pixels(x, y, w, h, out);
  }
  void count_shaded(bool on) override { kept_->count_shaded(on); }
  uint64_t shaded_samples() override { return kept_->shaded_samples(); }

 private:
  // A state call: made now, remembered as the latest of its kind, and
  // logged when it falls within a frame.
  void state(const std::string& kind, const CALL& call) {
    last_[kind] = call;
    log(call);
    call(*kept_);
  }

  void log(const CALL& call) {
    if (frame_) calls_.push_back(call);
  }

  std::vector<uint32_t> picture() {
    int width = 0, height = 0;
    kept_->drawable_size(&width, &height);
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    if (!kept_->read_pixels(0, 0, width, height, pixels.data())) return {};
    for (uint32_t& p : pixels) p &= 0xFFFFFFu;
    return pixels;
  }

  KOR::GPU_KEPT_FRAME* kept_;
  KOR::GPU_TARGET* target_ = nullptr;
  bool frame_ = false;
  KOR::GPU_TEXTURE* bound_ = nullptr;
  KOR::GPU_TEXTURE* begun_bound_ = nullptr;
  std::map<std::string, CALL> last_;
  std::map<std::string, CALL> begun_;
  std::vector<CALL> calls_;
  int frames_ = 0;
};

void TWICE::present() {
  if (!frame_) {
    kept_->present();
    return;
  }
  frame_ = false;
  kept_->present();
  const std::vector<uint32_t> kept = picture();
  int width = 0, height = 0;
  kept_->drawable_size(&width, &height);
  double screens = 0.0;
  for (const KOR::GPU_RECT& r : kept_->last_reshaded) {
    screens += static_cast<double>(r.width) * r.height / (static_cast<double>(width) * height);
  }
  auto& [count, sum] = shaded[phase];
  ++count;
  sum += screens;

  kept_->full_redraw = true;
  kept_->begin_scene();
  for (const auto& [kind, call] : begun_) call(*kept_);
  for (const CALL& call : calls_) call(*kept_);
  const std::vector<uint32_t> whole = picture();
  kept_->end_scene();
  kept_->full_redraw = false;
  ++frames_;

  size_t differ = 0, first = 0;
  for (size_t i = 0; i < whole.size() && i < kept.size(); ++i) {
    if (whole[i] != kept[i] && differ++ == 0) first = i;
  }
  if (whole.empty() || whole.size() != kept.size()) {
    differing.push_back(phase + ", frame " + std::to_string(frames_) + ": no picture read");
  } else if (differ > 0) {
    char line[256];
    std::snprintf(line, sizeof line,
                  "%s, frame %d: %zu pixels, the first at (%zu, %zu): %06X whole, %06X kept",
                  phase.c_str(), frames_, differ, first % width, first / width, whole[first],
                  kept[first]);
    differing.push_back(line);
  }
}

// Puts the comparing device in place for the life of a script.
class COMPARED {
 public:
  COMPARED() : render_(*KOR::KC_RENDER::instance), twice_(render_.kept_frame) {
    render_.kept_frame->full_redraw = false;
    static_cast<void>(render_.device.release());
    render_.device.reset(&twice_);
  }
  ~COMPARED() {
    static_cast<void>(render_.device.release());
    render_.device.reset(render_.kept_frame);
  }
  TWICE* operator->() { return &twice_; }

 private:
  KOR::KC_RENDER& render_;
  TWICE twice_;
};

game::CScene_Level& scene() { return *LEVEL_PLAYER::scene(); }

constexpr unsigned kPauseButton = 1;
constexpr unsigned kResume = 5;

TEST(kept_frame_display, EveryFrameOfPlayIsTheSameShadedWholeOrOnlyWhereItChanged) {
  SCRIPTED_PLAYER player;
  // A player who has seen the first comic, so the title leads on.
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const bool keep_frames = std::exchange(KOR::KC_RENDER::keep_frames, true);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    COMPARED frames;
    frames->phase = "splashes";
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    frames->phase = "title with bubbles";
    p.frames(60);
    frames->phase = "menus sliding in, the board scrolling in";
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(3) && level.wait_board_still());
    frames->phase = "tape moving";
    p.frames(60);
    frames->phase = "pause pop-up";
    ASSERT_TRUE(level.click_hud("HUD_PAUSE", kPauseButton));
    ASSERT_TRUE(p.wait_open("WINDOW_PAUSE"));
    p.frames(20);
    ASSERT_TRUE(p.click("WINDOW_PAUSE", kResume));
    ASSERT_TRUE(p.wait_until([] { return !scene().paused; }, "the level resumed"));
    frames->phase = "pieces laid on the standing board";
    ASSERT_TRUE(level.lay_solution(3, 2));
    p.frames(30);
    frames->phase = "water running, the board scrolling to its end";
    scene().start_water_with_end_scroll();
    p.frames(150);
    for (const std::string& line : frames->differing) ADD_FAILURE() << line;
    for (const auto& [phase, figures] : frames->shaded) {
      std::printf("%s: %d frames, %.3f screens reshaded per frame\n", phase.c_str(), figures.first,
                  figures.second / figures.first);
    }
  });
  KOR::KC_RENDER::keep_frames = keep_frames;
  EXPECT_EQ(status, 0);
}

}  // namespace
