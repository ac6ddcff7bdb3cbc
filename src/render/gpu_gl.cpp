// The OpenGL device: one shader pair standing in for the fixed pipeline
// (texture × vertex colour, optional per-vertex lighting), one streamed
// vertex and index buffer, and a sampler object so that filtering and
// addressing are device states as the renderer expects.
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <array>
#include <cstring>
#include <memory>

#include "foundation/KS_VERTEX.h"
#include "render/KS_LIGHT.h"
#include "render/gl_shaded_count.h"
#include "render/gpu.h"

namespace KOR {

namespace {

constexpr int kLights = 8;
constexpr GLenum kPointSprite = 0x8861;  // compatibility contexts only

struct TEXTURE_GL : GPU_TEXTURE {
  GLuint name = 0;
};

// A texture target, the back buffer (framebuffer 0), or a frame target: an
// offscreen picture of its own size drawn as the back buffer is.
struct TARGET_GL : GPU_TARGET {
  GLuint framebuffer = 0;
  GLuint planes = 0;  // depth and stencil, or stencil alone
  GLuint color = 0;
  int width = 0, height = 0;
};

const char* const kVertexShader = R"(#version 330 core
layout(location = 0) in vec3 a_position;
layout(location = 1) in vec3 a_normal;
layout(location = 2) in vec4 a_color;
layout(location = 3) in vec2 a_uv;
layout(location = 4) in float a_size;
uniform mat4 u_world;
uniform mat4 u_view;
uniform mat4 u_projection;
uniform bool u_lighting;
struct Light {
  int type;
  vec3 diffuse;
  vec3 ambient;
  vec3 position;
  vec3 direction;
  float range;
  float theta;
  float phi;
  vec3 attenuation;
};
uniform Light u_lights[8];
uniform bool u_light_on[8];
uniform vec3 u_material_ambient;
uniform vec3 u_material_emissive;
out vec4 v_color;
out vec2 v_uv;

vec4 lit(vec3 p, vec3 n) {
  vec3 ambient = vec3(0.0);
  vec3 diffuse = vec3(0.0);
  for (int i = 0; i < 8; ++i) {
    if (!u_light_on[i]) continue;
    vec3 to_light = -normalize(u_lights[i].direction);
    float att = 1.0;
    if (u_lights[i].type != 3) {
      vec3 d = u_lights[i].position - p;
      float dist = length(d);
      if (dist > u_lights[i].range) continue;
      to_light = d / max(dist, 1e-6);
      vec3 k = u_lights[i].attenuation;
      att = 1.0 / max(k.x + k.y * dist + k.z * dist * dist, 1e-6);
      if (u_lights[i].type == 2) {
        float rho = dot(-to_light, normalize(u_lights[i].direction));
        float outer = cos(u_lights[i].phi * 0.5);
        float inner = cos(u_lights[i].theta * 0.5);
        if (rho <= outer) continue;
        if (rho < inner) att *= (rho - outer) / max(inner - outer, 1e-6);
      }
    }
    ambient += u_lights[i].ambient * att;
    diffuse += u_lights[i].diffuse * max(dot(n, to_light), 0.0) * att;
  }
  return vec4(u_material_emissive + u_material_ambient * ambient + a_color.rgb * diffuse, a_color.a);
}

void main() {
  vec4 world = u_world * vec4(a_position, 1.0);
  gl_Position = u_projection * (u_view * world);
  gl_PointSize = a_size;
  v_color = u_lighting ? lit(world.xyz, mat3(u_world) * a_normal) : a_color;
  v_uv = a_uv;
}
)";

// One fragment shader per way of colouring, chosen per draw, so that no
// fragment pays for a branch: untextured, textured, point sprite, and
// textured with every vertex white, where the texel is the colour as it is
// (a software rasteriser pays for the product with every pixel).
const char* const kFragmentShader = R"(
in vec4 v_color;
in vec2 v_uv;
uniform sampler2D u_texture;
out vec4 o_color;
void main() {
#if SPRITE
  o_color = texture(u_texture, gl_PointCoord) * v_color;
#elif TEXTURED && TINTED
  o_color = texture(u_texture, v_uv) * v_color;
#elif TEXTURED
  o_color = texture(u_texture, v_uv);
#else
  o_color = v_color;
#endif
}
)";

enum { kUntextured, kTextured, kSprite, kTexturedWhite, kVariants };

const char* const kFragmentVariants[kVariants] = {
    "#version 330 core\n#define TEXTURED 0\n#define SPRITE 0\n#define TINTED 1\n",
    "#version 330 core\n#define TEXTURED 1\n#define SPRITE 0\n#define TINTED 1\n",
    "#version 330 core\n#define TEXTURED 1\n#define SPRITE 1\n#define TINTED 1\n",
    "#version 330 core\n#define TEXTURED 1\n#define SPRITE 0\n#define TINTED 0\n",
};

// What the colours of a draw's vertices have in common.
struct VERTEX_COLOURS {
  bool white = true;      // every vertex 0xFFFFFFFF
  bool opaque = true;     // every alpha 255
  bool invisible = true;  // every alpha 0
};

VERTEX_COLOURS vertex_colours(const KS_VERTEX* vertices, int count) {
  VERTEX_COLOURS c;
  for (int i = 0; i < count; ++i) {
    const uint32_t argb = vertices[i].color.argb();
    c.white = c.white && argb == 0xFFFFFFFFu;
    c.opaque = c.opaque && argb >> 24 == 0xFFu;
    c.invisible = c.invisible && argb >> 24 == 0u;
  }
  return c;
}

GLuint compile(GLenum kind, const char* source) {
  GLuint shader = glCreateShader(kind);
  glShaderSource(shader, 1, &source, nullptr);
  glCompileShader(shader);
  GLint ok = 0;
  glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
  if (!ok) {
    glDeleteShader(shader);
    return 0;
  }
  return shader;
}

// A program of the compiled vertex shader and one fragment variant.
GLuint link(GLuint vs, int variant) {
  const std::string fragment = std::string(kFragmentVariants[variant]) + kFragmentShader;
  GLuint fs = compile(GL_FRAGMENT_SHADER, fragment.c_str());
  GLuint program = 0;
  if (fs != 0) {
    program = glCreateProgram();
    glAttachShader(program, vs);
    glAttachShader(program, fs);
    glLinkProgram(program);
    GLint ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (!ok) {
      glDeleteProgram(program);
      program = 0;
    }
    glDeleteShader(fs);
  }
  return program;
}

GLenum pixel_format(const GPU_TEXTURE* t) {
  return t->order == GPU_PIXELS::BGRA ? GL_BGRA : GL_RGBA;
}

// Mesa's software devices say so in their names.
bool software_rasteriser() {
  const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
  if (name == nullptr) return false;
  for (const char* word : {"llvmpipe", "softpipe", "Software"}) {
    if (std::strstr(name, word) != nullptr) return true;
  }
  return false;
}

// 1 without the anisotropic filtering extension.
float max_anisotropy() {
  float most = 1.0f;
  GLint extensions = 0;
  glGetIntegerv(GL_NUM_EXTENSIONS, &extensions);
  for (GLint i = 0; i < extensions; ++i) {
    const char* name = reinterpret_cast<const char*>(glGetStringi(GL_EXTENSIONS, i));
    if (std::strcmp(name, "GL_EXT_texture_filter_anisotropic") == 0 ||
        std::strcmp(name, "GL_ARB_texture_filter_anisotropic") == 0) {
      glGetFloatv(GL_MAX_TEXTURE_MAX_ANISOTROPY_EXT, &most);
    }
  }
  return most;
}

GLenum stencil_op(GPU_STENCIL_OP op) { return op == GPU_STENCIL_OP::KEEP ? GL_KEEP : GL_REPLACE; }

class GPU_GL : public GPU {
 public:
  explicit GPU_GL(const GPU_GL_SURFACE& surface) : surface_(surface) { surface_.make_current(); }

  ~GPU_GL() override {
    destroy_buffers();
    for (PROGRAM& p : programs_) glDeleteProgram(p.id);
  }

  bool create_device() override {
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    if (major * 10 + minor < 33) return false;
    // A software rasteriser pays for anisotropy with many texture samples
    // per pixel even where a picture is drawn at its own size, as nearly
    // every picture of this game is; there it filters linearly.
    if (!software_rasteriser()) max_anisotropy_ = max_anisotropy();
    if (!use_programs(kVertexShader)) return false;
    create_buffers();
    // The back buffer is the size the window had when the context was made
    // current, which a fit to the desktop may have changed since.
    buffer_width_ = buffer_height_ = -1;
    take_drawable_size();
    shows_rects_ = surface_.can_show_rects && surface_.show_rect && surface_.can_show_rects();
    return true;
  }

  GPU_STATUS status() override {
    const GPU_STATUS now = loss_;
    if (loss_ == GPU_STATUS::LOST) loss_ = GPU_STATUS::NOT_RESET;
    return now;
  }

  // OpenGL keeps its objects; the reset rebuilds what a lost device would
  // lose (buffers, sampler, states) so the renderer's recovery really runs.
  bool reset() override {
    surface_.make_current();
    destroy_buffers();
    create_buffers();
    take_drawable_size();
    loss_ = GPU_STATUS::OK;
    return true;
  }

  // The window system sizes its back buffer anew only at a swap: a window
  // that changed size would get its next frame drawn into the old buffer and
  // shown cut off (at start, the first card for as long as loading takes).
  // An empty frame is presented at once instead.
  void take_drawable_size() {
    int width = 0, height = 0;
    surface_.drawable_size(&width, &height);
    if (width == buffer_width_ && height == buffer_height_) return;
    buffer_width_ = width;
    buffer_height_ = height;
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    surface_.swap();
    glBindFramebuffer(GL_FRAMEBUFFER, target_->framebuffer);
    if (scissor_) glEnable(GL_SCISSOR_TEST);
  }

  void simulate_loss() override { loss_ = GPU_STATUS::LOST; }

  std::vector<GPU_DISPLAY_MODE> display_modes() override { return surface_.display_modes(); }

  void drawable_size(int* width, int* height) override { surface_.drawable_size(width, height); }

  bool begin_scene() override {
    surface_.make_current();
    // Shown a rectangle at a time, the back buffer sees no swap that would
    // size it anew.
    if (shows_rects_) take_drawable_size();
    set_target(target_);
    if (counting_) shaded_->begin_scene();
    return true;
  }

  void end_scene() override {
    if (shaded_ != nullptr) shaded_->end_scene();
  }

  void present() override { surface_.swap(); }

  bool clear(unsigned flags, uint32_t color, float depth, int stencil) override {
    GLbitfield mask = 0;
    if (flags & GPU_CLEAR_TARGET) {
      glClearColor(((color >> 16) & 0xFF) / 255.0f, ((color >> 8) & 0xFF) / 255.0f,
                   (color & 0xFF) / 255.0f, (color >> 24) / 255.0f);
      mask |= GL_COLOR_BUFFER_BIT;
    }
    if (flags & GPU_CLEAR_DEPTH) {
      glClearDepth(depth);
      mask |= GL_DEPTH_BUFFER_BIT;
    }
    if (flags & GPU_CLEAR_STENCIL) {
      glClearStencil(stencil);
      mask |= GL_STENCIL_BUFFER_BIT;
    }
    glClear(mask);
    return glGetError() == GL_NO_ERROR;
  }

  void set_blend(bool on) override {
    blend_ = on;
    on ? glEnable(GL_BLEND) : glDisable(GL_BLEND);
  }

  void set_additive(bool on) override {
    additive_ = on;
    glBlendFunc(GL_SRC_ALPHA, on ? GL_ONE : GL_ONE_MINUS_SRC_ALPHA);
  }

  void set_depth_test(bool on) override {
    depth_test_ = on;
    on ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
  }

  void set_lighting(bool on) override { lighting_ = on; }

  bool anisotropic_supported() const override { return max_anisotropy_ > 1.0f; }

  void set_filter(GPU_FILTER filter) override {
    const GLint mode = filter == GPU_FILTER::POINT ? GL_NEAREST : GL_LINEAR;
    glSamplerParameteri(sampler_, GL_TEXTURE_MAG_FILTER, mode);
    glSamplerParameteri(sampler_, GL_TEXTURE_MIN_FILTER, mode);
    if (max_anisotropy_ > 1.0f) {
      glSamplerParameterf(sampler_, GL_TEXTURE_MAX_ANISOTROPY_EXT,
                          filter == GPU_FILTER::ANISOTROPIC ? max_anisotropy_ : 1.0f);
    }
  }

  void set_point_sprites(bool on) override { sprites_ = on; }

  void set_address(bool wrap_u, bool wrap_v, bool wrap_w) override {
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_S, wrap_u ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_T, wrap_v ? GL_REPEAT : GL_CLAMP_TO_EDGE);
    glSamplerParameteri(sampler_, GL_TEXTURE_WRAP_R, wrap_w ? GL_REPEAT : GL_CLAMP_TO_EDGE);
  }

  void set_antialias(bool on) override {
    if (on) {
      glEnable(GL_MULTISAMPLE);
      glEnable(GL_LINE_SMOOTH);
    } else {
      glDisable(GL_MULTISAMPLE);
      glDisable(GL_LINE_SMOOTH);
    }
  }

  void set_matrix(GPU_MATRIX which, const float* m) override {
    std::memcpy(matrices_[static_cast<int>(which)].data(), m, sizeof(float) * 16);
  }

  void set_texture(GPU_TEXTURE* texture) override {
    texture_ = static_cast<TEXTURE_GL*>(texture);
    glBindTexture(GL_TEXTURE_2D, texture_ != nullptr ? texture_->name : 0);
  }

  void draw(GPU_PRIMITIVE type, const KS_VERTEX* vertices, int vertex_count,
            const uint16_t* indices, int index_count, int primitive_count) override {
    if (primitive_count <= 0 || vertex_count <= 0) return;
    // A software rasteriser pays for every pixel it blends, so blending that
    // cannot change a pixel is left out: a blended draw whose vertices are
    // all transparent leaves the picture as it is (unless it writes depth or
    // stencil), and one whose texture and vertices are all opaque covers it.
    // Our own vertex shader passes the vertex colour on.
    const VERTEX_COLOURS colours = vertex_colours(vertices, vertex_count);
    const bool ours = !own_vertex_shader_;
    if (ours && blend_ && colours.invisible && !depth_test_ && !stencil_) return;
    const bool points = type == GPU_PRIMITIVE::POINTS;
    const bool solid = ours && blend_ && !additive_ && !points && colours.opaque &&
                       (texture_ == nullptr || texture_->opaque);
    const bool white = ours && !lighting_ && texture_ != nullptr && !points && colours.white;
    prepare(white ? kTexturedWhite : variant_for(points));
    if (solid) glDisable(GL_BLEND);
    glBindVertexArray(vertex_array_);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertex_count) * kGpuVertexBytes, vertices,
                 GL_STREAM_DRAW);
    GLenum mode = GL_TRIANGLES;
    int per = 3;
    if (type == GPU_PRIMITIVE::POINTS) {
      mode = GL_POINTS;
      per = 1;
    } else if (type == GPU_PRIMITIVE::LINES) {
      mode = GL_LINES;
      per = 2;
    }
    if (indices != nullptr && index_count > 0) {
      glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(index_count) * 2, indices,
                   GL_STREAM_DRAW);
      glDrawElements(mode, primitive_count * per, GL_UNSIGNED_SHORT, nullptr);
    } else {
      glDrawArrays(mode, 0, primitive_count * per);
    }
    if (solid) glEnable(GL_BLEND);
  }

  void draw_points(const GPU_POINT* points, int count) override {
    if (count <= 0) return;
    prepare(variant_for(true));
    glBindVertexArray(point_array_);
    glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(count) * sizeof(GPU_POINT), points,
                 GL_STREAM_DRAW);
    glDrawArrays(GL_POINTS, 0, count);
  }

  GPU_TEXTURE* create_texture(int width, int height, GPU_PIXELS order) override {
    if (!texture_fits(width, height)) return nullptr;
    const std::vector<uint8_t> zeros(static_cast<size_t>(width) * height * 4, 0);
    return create_texture_from(width, height, order, zeros.data());
  }

  GPU_TEXTURE* create_texture_from(int width, int height, GPU_PIXELS order,
                                   const void* pixels) override {
    if (!texture_fits(width, height)) return nullptr;
    auto* t = new TEXTURE_GL;
    t->width = width;
    t->height = height;
    t->order = order;
    glGenTextures(1, &t->name);
    glBindTexture(GL_TEXTURE_2D, t->name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, pixel_format(t), GL_UNSIGNED_BYTE,
                 pixels);
    rebind_texture();
    if (glGetError() != GL_NO_ERROR) {
      release_texture(t);
      return nullptr;
    }
    return t;
  }

  bool upload(GPU_TEXTURE* texture, const void* pixels) override {
    auto* t = static_cast<TEXTURE_GL*>(texture);
    glBindTexture(GL_TEXTURE_2D, t->name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, t->width, t->height, pixel_format(t), GL_UNSIGNED_BYTE,
                    pixels);
    rebind_texture();
    return glGetError() == GL_NO_ERROR;
  }

  void* lock(GPU_TEXTURE* texture) override {
    auto* t = static_cast<TEXTURE_GL*>(texture);
    t->locked.resize(static_cast<size_t>(t->width) * t->height * 4);
    glBindTexture(GL_TEXTURE_2D, t->name);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glGetTexImage(GL_TEXTURE_2D, 0, pixel_format(t), GL_UNSIGNED_BYTE, t->locked.data());
    rebind_texture();
    if (glGetError() != GL_NO_ERROR) {
      t->locked.clear();
      return nullptr;
    }
    return t->locked.data();
  }

  bool unlock(GPU_TEXTURE* texture) override {
    if (texture->locked.empty()) return false;
    const bool ok = upload(texture, texture->locked.data());
    texture->locked.clear();
    texture->locked.shrink_to_fit();
    return ok;
  }

  void release_texture(GPU_TEXTURE* texture) override {
    auto* t = static_cast<TEXTURE_GL*>(texture);
    if (t == nullptr) return;
    if (texture_ == t) set_texture(nullptr);
    glDeleteTextures(1, &t->name);
    delete t;
  }

  GPU_TARGET* create_target(GPU_TEXTURE* texture, bool depth_stencil) override {
    auto* t = new TARGET_GL;
    t->texture = texture;
    t->depth_stencil = depth_stencil;
    glGenFramebuffers(1, &t->framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, t->framebuffer);
    glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D,
                           static_cast<TEXTURE_GL*>(texture)->name, 0);
    if (depth_stencil) attach_depth_stencil(t, texture->width, texture->height);
    return checked(t);
  }

  void release_target(GPU_TARGET* target) override {
    auto* t = static_cast<TARGET_GL*>(target);
    if (t == nullptr || t == &back_buffer_) return;
    if (target_ == t) set_target(&back_buffer_);
    glDeleteFramebuffers(1, &t->framebuffer);
    glDeleteRenderbuffers(1, &t->planes);
    glDeleteRenderbuffers(1, &t->color);
    delete t;
  }

  GPU_TARGET* create_frame_target(int width, int height) override {
    if (width <= 0 || height <= 0) return nullptr;
    auto* t = new TARGET_GL;
    t->width = width;
    t->height = height;
    glGenFramebuffers(1, &t->framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, t->framebuffer);
    glGenRenderbuffers(1, &t->color);
    glBindRenderbuffer(GL_RENDERBUFFER, t->color);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, t->color);
    attach_stencil(t, width, height);
    return checked(t);
  }

  void present_target(GPU_TARGET* frame) override {
    auto* t = static_cast<TARGET_GL*>(frame);
    int width = 0, height = 0;
    surface_.drawable_size(&width, &height);
    // A copy ignores blending but not the scissor.
    glDisable(GL_SCISSOR_TEST);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, t->framebuffer);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glBlitFramebuffer(0, 0, t->width, t->height, 0, 0, width, height, GL_COLOR_BUFFER_BIT,
                      GL_NEAREST);
    glBindFramebuffer(GL_FRAMEBUFFER, target_->framebuffer);
    if (scissor_) glEnable(GL_SCISSOR_TEST);
    surface_.swap();
  }

  bool take_exposed() override { return surface_.take_exposed && surface_.take_exposed(); }

  bool presents_rects() override { return shows_rects_; }

  void present_rects(const std::vector<GPU_RECT>& rects) override {
    // The window shows what is drawn so far, rows counted from the bottom
    // of the back buffer as it really is.
    glFlush();
    for (const GPU_RECT& r : rects) {
      surface_.show_rect(GPU_RECT{r.x, buffer_height_ - r.y - r.height, r.width, r.height});
    }
  }

  void set_scissor(const GPU_RECT* rect) override {
    scissor_ = rect != nullptr;
    if (rect == nullptr) {
      glDisable(GL_SCISSOR_TEST);
      return;
    }
    int width = 0, height = 0;
    target_size(&width, &height);
    // A texture's rows are stored top-down; the others' bottom-up.
    const int gl_y = target_->texture != nullptr ? rect->y : height - rect->y - rect->height;
    glEnable(GL_SCISSOR_TEST);
    glScissor(rect->x, gl_y, rect->width, rect->height);
  }

  GPU_TARGET* back_buffer() override { return &back_buffer_; }

  void set_target(GPU_TARGET* target) override {
    target_ = static_cast<TARGET_GL*>(target);
    glBindFramebuffer(GL_FRAMEBUFFER, target_->framebuffer);
    // A texture's first row is the picture's top, as for every loaded
    // image: its clip origin is the upper left. The rasteriser then places
    // and decides every edge as on the back buffer, whose rows it also
    // keeps from the top, so the same drawing gives the same pixels in both.
    glClipControl(target_->texture != nullptr ? GL_UPPER_LEFT : GL_LOWER_LEFT,
                  GL_NEGATIVE_ONE_TO_ONE);
    int width = 0, height = 0;
    target_size(&width, &height);
    glViewport(0, 0, width, height);
  }

  void set_stencil(bool on) override {
    stencil_ = on;
    on ? glEnable(GL_STENCIL_TEST) : glDisable(GL_STENCIL_TEST);
  }

  void set_stencil_func(GPU_COMPARE func, int ref) override {
    glStencilFunc(func == GPU_COMPARE::LESS ? GL_LESS : GL_ALWAYS, ref, 0xFF);
  }

  void set_stencil_fail(GPU_STENCIL_OP op) override {
    stencil_fail_ = stencil_op(op);
    glStencilOp(stencil_fail_, GL_KEEP, stencil_pass_);
  }

  void set_stencil_pass(GPU_STENCIL_OP op) override {
    stencil_pass_ = stencil_op(op);
    glStencilOp(stencil_fail_, GL_KEEP, stencil_pass_);
  }

  void set_material(const KS_MATERIAL& material) override { material_ = material; }

  void set_light(int index, const KS_LIGHT& light) override {
    if (index >= 0 && index < kLights) lights_[index] = light;
  }

  void enable_light(int index, bool on) override {
    if (index >= 0 && index < kLights) light_on_[index] = on;
  }

  bool load_vertex_shader(const std::string& source) override {
    surface_.make_current();
    if (!use_programs(source.c_str())) return false;
    own_vertex_shader_ = true;
    for (PROGRAM& p : programs_) {
      glUseProgram(p.id);
      const GLint transparent = glGetUniformLocation(p.id, "transparent_val");
      if (transparent >= 0) glUniform1f(transparent, 0.1f);
    }
    return true;
  }

  bool read_pixels(int x, int y, int width, int height, uint32_t* out) override {
    if (width <= 0 || height <= 0) return false;
    int target_width = 0, target_height = 0;
    target_size(&target_width, &target_height);
    // The back buffer's rows run bottom-up, and a frame target's; a texture
    // target is drawn flipped, so its rows are already top-down.
    const bool flipped = target_->texture == nullptr;
    const int gl_y = flipped ? target_height - y - height : y;
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(x, gl_y, width, height, GL_BGRA, GL_UNSIGNED_BYTE, out);
    if (glGetError() != GL_NO_ERROR) return false;
    if (flipped) {
      std::vector<uint32_t> row(width);
      for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        std::memcpy(row.data(), out + top * width, width * 4);
        std::memcpy(out + top * width, out + bottom * width, width * 4);
        std::memcpy(out + bottom * width, row.data(), width * 4);
      }
    }
    return true;
  }

  void count_shaded(bool on) override {
    if (on && shaded_ == nullptr) shaded_ = std::make_unique<GL_SHADED_COUNT>();
    counting_ = on;
  }

  uint64_t shaded_samples() override { return shaded_ != nullptr ? shaded_->total() : 0; }

 private:
  struct LOCATIONS {
    GLint world, view, projection, lighting, texture;
    GLint material_ambient, material_emissive;
    std::array<GLint, kLights> on, type, diffuse, ambient, position, direction, range, theta, phi,
        attenuation;
  };

  struct PROGRAM {
    GLuint id = 0;
    LOCATIONS loc{};
  };

  // Links the vertex shader with every fragment variant; the programs in
  // use are replaced only when all of them link.
  // The vertex shader is compiled once for all of them.
  bool use_programs(const char* vertex_source) {
    std::array<PROGRAM, kVariants> made{};
    const GLuint vs = compile(GL_VERTEX_SHADER, vertex_source);
    bool ok = vs != 0;
    for (int v = 0; ok && v < kVariants; ++v) {
      made[v].id = link(vs, v);
      ok = made[v].id != 0;
    }
    if (vs != 0) glDeleteShader(vs);
    if (!ok) {
      for (PROGRAM& p : made) glDeleteProgram(p.id);
      return false;
    }
    for (PROGRAM& p : programs_) glDeleteProgram(p.id);
    programs_ = made;
    for (PROGRAM& p : programs_) locate(p);
    return true;
  }

  static void locate(PROGRAM& p) {
    auto at = [&p](const std::string& name) { return glGetUniformLocation(p.id, name.c_str()); };
    LOCATIONS& loc = p.loc;
    loc.world = at("u_world");
    loc.view = at("u_view");
    loc.projection = at("u_projection");
    loc.lighting = at("u_lighting");
    loc.texture = at("u_texture");
    loc.material_ambient = at("u_material_ambient");
    loc.material_emissive = at("u_material_emissive");
    for (int i = 0; i < kLights; ++i) {
      const std::string light = "u_lights[" + std::to_string(i) + "].";
      loc.on[i] = at("u_light_on[" + std::to_string(i) + "]");
      loc.type[i] = at(light + "type");
      loc.diffuse[i] = at(light + "diffuse");
      loc.ambient[i] = at(light + "ambient");
      loc.position[i] = at(light + "position");
      loc.direction[i] = at(light + "direction");
      loc.range[i] = at(light + "range");
      loc.theta[i] = at(light + "theta");
      loc.phi[i] = at(light + "phi");
      loc.attenuation[i] = at(light + "attenuation");
    }
    glUseProgram(p.id);
    glUniform1i(loc.texture, 0);
  }

  void create_buffers() {
    glGenBuffers(1, &vertex_buffer_);
    glGenBuffers(1, &index_buffer_);
    glGenBuffers(1, &point_buffer_);
    glGenVertexArrays(1, &vertex_array_);
    glBindVertexArray(vertex_array_);
    glBindBuffer(GL_ARRAY_BUFFER, vertex_buffer_);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, index_buffer_);
    attribute(0, 3, GL_FLOAT, GL_FALSE, kGpuVertexBytes, 0);
    attribute(1, 3, GL_FLOAT, GL_FALSE, kGpuVertexBytes, 12);
    attribute(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, kGpuVertexBytes, 24);
    attribute(3, 2, GL_FLOAT, GL_FALSE, kGpuVertexBytes, 28);
    glGenVertexArrays(1, &point_array_);
    glBindVertexArray(point_array_);
    glBindBuffer(GL_ARRAY_BUFFER, point_buffer_);
    attribute(0, 3, GL_FLOAT, GL_FALSE, sizeof(GPU_POINT), 0);
    attribute(4, 1, GL_FLOAT, GL_FALSE, sizeof(GPU_POINT), 12);
    attribute(2, GL_BGRA, GL_UNSIGNED_BYTE, GL_TRUE, sizeof(GPU_POINT), 16);
    glBindVertexArray(0);
    // Vertices without a size draw one-pixel points.
    glVertexAttrib1f(4, 1.0f);
    glGenSamplers(1, &sampler_);
    glBindSampler(0, sampler_);
    glActiveTexture(GL_TEXTURE0);
    // The states a fresh device starts with.
    glEnable(GL_PROGRAM_POINT_SIZE);
    glEnable(kPointSprite);
    glGetError();  // a core context knows no point-sprite switch
    glDisable(GL_CULL_FACE);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 0, 0xFF);
    stencil_fail_ = stencil_pass_ = GL_KEEP;
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    set_filter(GPU_FILTER::POINT);
    set_address(true, true, true);
    lighting_ = false;
    sprites_ = false;
    glDisable(GL_SCISSOR_TEST);
    blend_ = additive_ = depth_test_ = stencil_ = scissor_ = false;
    target_ = &back_buffer_;
  }

  static void attribute(GLuint index, GLint size, GLenum type, GLboolean normalized, int stride,
                        int offset) {
    glEnableVertexAttribArray(index);
    glVertexAttribPointer(index, size, type, normalized, stride,
                          reinterpret_cast<const void*>(static_cast<intptr_t>(offset)));
  }

  void destroy_buffers() {
    glDeleteVertexArrays(1, &vertex_array_);
    glDeleteVertexArrays(1, &point_array_);
    glDeleteBuffers(1, &vertex_buffer_);
    glDeleteBuffers(1, &index_buffer_);
    glDeleteBuffers(1, &point_buffer_);
    glDeleteSamplers(1, &sampler_);
    vertex_array_ = point_array_ = vertex_buffer_ = index_buffer_ = point_buffer_ = sampler_ = 0;
  }

  // A byte a pixel where depth and stencil together take four.
  static void attach_stencil(TARGET_GL* t, int width, int height) {
    glGenRenderbuffers(1, &t->planes);
    glBindRenderbuffer(GL_RENDERBUFFER, t->planes);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_STENCIL_INDEX8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, t->planes);
  }

  static void attach_depth_stencil(TARGET_GL* t, int width, int height) {
    glGenRenderbuffers(1, &t->planes);
    glBindRenderbuffer(GL_RENDERBUFFER, t->planes);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER,
                              t->planes);
  }

  // The target just made and bound, or null (and released) when incomplete.
  TARGET_GL* checked(TARGET_GL* t) {
    const bool complete = glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    glBindFramebuffer(GL_FRAMEBUFFER, target_->framebuffer);
    if (!complete) {
      release_target(t);
      return nullptr;
    }
    return t;
  }

  static bool texture_fits(int width, int height) {
    GLint max_size = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max_size);
    return width > 0 && height > 0 && width <= max_size && height <= max_size;
  }

  void rebind_texture() { glBindTexture(GL_TEXTURE_2D, texture_ != nullptr ? texture_->name : 0); }

  void target_size(int* width, int* height) {
    if (target_->texture != nullptr) {
      *width = target_->texture->width;
      *height = target_->texture->height;
    } else if (target_->width > 0) {
      *width = target_->width;
      *height = target_->height;
    } else {
      surface_.drawable_size(width, height);
    }
  }

  // The fragment variant that colours with the vertex colour.
  int variant_for(bool points) const {
    if (texture_ == nullptr) return kUntextured;
    return points && sprites_ ? kSprite : kTextured;
  }

  // The program of that variant and its uniforms for one draw.
  void prepare(int variant) {
    const PROGRAM& p = programs_[variant];
    glUseProgram(p.id);
    glUniformMatrix4fv(p.loc.world, 1, GL_FALSE, matrices_[0].data());
    glUniformMatrix4fv(p.loc.view, 1, GL_FALSE, matrices_[1].data());
    glUniformMatrix4fv(p.loc.projection, 1, GL_FALSE, matrices_[2].data());
    glUniform1i(p.loc.lighting, lighting_);
    if (lighting_) upload_lights(p.loc);
  }

  void upload_lights(const LOCATIONS& loc) {
    glUniform3fv(loc.material_ambient, 1, material_.ambient);
    glUniform3fv(loc.material_emissive, 1, material_.emissive);
    for (int i = 0; i < kLights; ++i) {
      const KS_LIGHT& l = lights_[i];
      glUniform1i(loc.on[i], light_on_[i]);
      glUniform1i(loc.type[i], l.type);
      glUniform3fv(loc.diffuse[i], 1, l.diffuse);
      glUniform3fv(loc.ambient[i], 1, l.ambient);
      glUniform3fv(loc.position[i], 1, l.position);
      glUniform3fv(loc.direction[i], 1, l.direction);
      glUniform1f(loc.range[i], l.range);
      glUniform1f(loc.theta[i], l.theta);
      glUniform1f(loc.phi[i], l.phi);
      glUniform3f(loc.attenuation[i], l.attenuation0, l.attenuation1, l.attenuation2);
    }
  }

  GPU_GL_SURFACE surface_;
  bool shows_rects_ = false;
  GPU_STATUS loss_ = GPU_STATUS::OK;
  std::array<PROGRAM, kVariants> programs_{};
  bool own_vertex_shader_ = false;
  bool blend_ = false;
  bool additive_ = false;
  bool depth_test_ = false;
  bool stencil_ = false;
  bool scissor_ = false;
  // The window's size the window system last sized its back buffer by.
  int buffer_width_ = 0, buffer_height_ = 0;
  GLuint vertex_array_ = 0, point_array_ = 0;
  GLuint vertex_buffer_ = 0, index_buffer_ = 0, point_buffer_ = 0;
  GLuint sampler_ = 0;
  float max_anisotropy_ = 1.0f;
  bool counting_ = false;
  std::unique_ptr<GL_SHADED_COUNT> shaded_;
  std::array<std::array<float, 16>, 3> matrices_{
      {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
       {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
       {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}};
  TEXTURE_GL* texture_ = nullptr;
  TARGET_GL back_buffer_;
  TARGET_GL* target_ = &back_buffer_;
  bool lighting_ = false;
  bool sprites_ = false;
  GLenum stencil_fail_ = GL_KEEP, stencil_pass_ = GL_KEEP;
  KS_MATERIAL material_;
  std::array<KS_LIGHT, kLights> lights_{};
  std::array<bool, kLights> light_on_{};
};

}  // namespace

GPU* gpu_create_gl(const GPU_GL_SURFACE& surface) { return new GPU_GL(surface); }

}  // namespace KOR
