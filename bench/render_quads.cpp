// Frames per second for 5,000 textured 32×32 quads: through the engine's
// renderer (one transform and one submit per quad) and through the smallest
// hand-written OpenGL loop that draws the same picture. Both compile their
// shaders, and draw one frame for the driver to compile what it compiles on
// first use, before the timed loop. Needs a display; without one every
// benchmark is skipped.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"

namespace {

using namespace KOR;

constexpr int kQuads = 5000;
constexpr float kSide = 32.0f;

KS_HOST_WINDOW* bench_window() {
  static KS_HOST_WINDOW* window = host_window_create("render benchmark", 1024, 768);
  return window;
}

// Where quad n sits: a grid that fills the screen several times over.
void quad_position(int n, float* x, float* y) {
  *x = static_cast<float>((n * 37) % (1024 - 32));
  *y = static_cast<float>((n * 53) % (768 - 32));
}

std::vector<uint32_t> checker_pixels() {
  std::vector<uint32_t> pixels(32 * 32);
  for (int i = 0; i < 32 * 32; ++i) pixels[i] = ((i / 32 + i) / 4) % 2 ? 0xC0FFFFFF : 0xC0FF8040;
  return pixels;
}

double engine_fps = 0;
double hand_fps = 0;

// Frames per second over the timed loop, as a counter and for the ratio.
class FPS {
 public:
  explicit FPS(benchmark::State& state) : state_(state) {}
  double report() {
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
    const double fps = static_cast<double>(state_.iterations()) / spent.count();
    state_.counters["fps"] = fps;
    return fps;
  }

 private:
  benchmark::State& state_;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

void BM_EngineQuads(benchmark::State& state) {
  if (bench_window() == nullptr) {
    state.SkipWithError("no display");
    return;
  }
  KC_RENDER render;
  if (render.init(bench_window(), 0.1f, 0.0f) != 1) {
    state.SkipWithError("no renderer");
    return;
  }
  host_gl_set_swap_interval(0);  // frames as fast as they can be drawn
  KC_TEXTURE* texture = render.create_texture(32, 32);
  texture->upload_pixels(checker_pixels().data());
  KS_VERTEX vertices[4];
  vertices[0].set_position(0, 0, 0);
  vertices[1].set_position(kSide, 0, 0);
  vertices[2].set_position(kSide, kSide, 0);
  vertices[3].set_position(0, kSide, 0);
  vertices[1].set_uv(1, 0);
  vertices[2].set_uv(1, 1);
  vertices[3].set_uv(0, 1);
  const uint16_t indices[6] = {0, 1, 2, 2, 3, 0};
  KS_RENDER_STATE word;
  word.set_flag(KS_RENDER_STATE::kAlphaBlend, true);
  word.set_filter(KS_RENDER_STATE::kFilterLinear);
  word.set_flag(KS_RENDER_STATE::kTextured, true);
  word.set_primitive(KS_RENDER_STATE::kTriangles);
  word.set_flag(KS_RENDER_STATE::kScreenMode, true);
  KS_TRANSFORM3 t;
  const auto frame = [&] {
    render.begin_frame();
    for (int n = 0; n < kQuads; ++n) {
      quad_position(n, &t.position.x, &t.position.y);
      render.set_world_transform(t);
      render.submit(vertices, texture, &word, 4, indices, 6);
    }
    render.end_frame();
  };
  frame();  // the driver's first use of each shader program compiles it
  FPS fps(state);
  for (auto _ : state) frame();
  engine_fps = fps.report();
}

GLuint compile(GLenum kind, const char* source) {
  GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  return shader;
}

void BM_HandWrittenGL(benchmark::State& state) {
  if (bench_window() == nullptr) {
    state.SkipWithError("no display");
    return;
  }
  host_gl_make_current(bench_window());
  host_gl_set_swap_interval(0);
  const char* vs = R"(#version 330 core
layout(location = 0) in vec2 p;
layout(location = 1) in vec2 uv;
out vec2 t;
void main() {
  gl_Position = vec4(p.x / 512.0 - 1.0, 1.0 - p.y / 384.0, 0.0, 1.0);
  t = uv;
})";
  const char* fs = R"(#version 330 core
in vec2 t;
uniform sampler2D s;
out vec4 c;
void main() { c = texture(s, t); })";
  GLuint program = glCreateProgram();
  glAttachShader(program, compile(GL_VERTEX_SHADER, vs));
  glAttachShader(program, compile(GL_FRAGMENT_SHADER, fs));
  glLinkProgram(program);
  glUseProgram(program);
  GLuint texture = 0, vao = 0, vbo = 0, ibo = 0;
  glGenTextures(1, &texture);
  glBindTexture(GL_TEXTURE_2D, texture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 32, 32, 0, GL_BGRA, GL_UNSIGNED_BYTE,
               checker_pixels().data());
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glGenVertexArrays(1, &vao);
  glBindVertexArray(vao);
  glGenBuffers(1, &vbo);
  glGenBuffers(1, &ibo);
  glBindBuffer(GL_ARRAY_BUFFER, vbo);
  glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, ibo);
  glEnableVertexAttribArray(0);
  glEnableVertexAttribArray(1);
  glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 16, nullptr);
  glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 16, reinterpret_cast<void*>(8));
  std::vector<uint16_t> indices;
  for (int n = 0; n < kQuads; ++n) {
    const uint16_t b = static_cast<uint16_t>(n * 4);
    for (uint16_t i : {0, 1, 2, 2, 3, 0}) indices.push_back(static_cast<uint16_t>(b + i));
  }
  glBufferData(GL_ELEMENT_ARRAY_BUFFER, indices.size() * 2, indices.data(), GL_STATIC_DRAW);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  int width = 0, height = 0;
  host_gl_drawable_size(bench_window(), &width, &height);
  glViewport(0, 0, width, height);
  std::vector<float> vertices(kQuads * 16);
  const auto frame = [&] {
    glClear(GL_COLOR_BUFFER_BIT);
    for (int n = 0; n < kQuads; ++n) {
      float x = 0, y = 0;
      quad_position(n, &x, &y);
      const float quad[16] = {x,         y,         0, 0, x + kSide, y,         1, 0,
                              x + kSide, y + kSide, 1, 1, x,         y + kSide, 0, 1};
      std::copy(quad, quad + 16, vertices.begin() + n * 16);
    }
    glBufferData(GL_ARRAY_BUFFER, vertices.size() * 4, vertices.data(), GL_STREAM_DRAW);
    glDrawElements(GL_TRIANGLES, kQuads * 6, GL_UNSIGNED_SHORT, nullptr);
    host_gl_swap(bench_window());
  };
  frame();  // as for the engine: compiled before the timed loop
  FPS fps(state);
  for (auto _ : state) frame();
  hand_fps = fps.report();
  glDeleteBuffers(1, &vbo);
  glDeleteBuffers(1, &ibo);
  glDeleteVertexArrays(1, &vao);
  glDeleteTextures(1, &texture);
  glDeleteProgram(program);
}

// The engine's frame rate as a share of the hand-written loop's.
void BM_EngineShare(benchmark::State& state) {
  for (auto _ : state) {
  }
  if (engine_fps <= 0 || hand_fps <= 0) {
    state.SkipWithError("no frame rates measured");
    return;
  }
  state.counters["engine_per_hand"] = engine_fps / hand_fps;
}

}  // namespace

BENCHMARK(BM_EngineQuads)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HandWrittenGL)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EngineShare)->Iterations(1);
