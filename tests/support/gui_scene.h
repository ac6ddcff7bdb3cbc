#pragma once

#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_VERTEX.h"
#include "gui/KC_GUI_OBJECT.h"
#include "platform/KC_INPUT.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace gui_test {

// The code a slot answered, 0 for no answer.
inline int code_of(const KOR::KS_GUI_EVENT* event) { return event ? event->code : 0; }

// The recording device, keeping the left texture coordinate of every quad
// drawn, so tests can tell which frame of a strip was shown.
class UV_DEVICE : public KOR::GPU_NULL {
 public:
  void draw(KOR::GPU_PRIMITIVE type, const KOR::KS_VERTEX* vertices, int vertex_count,
            const uint16_t* indices, int index_count, int primitive_count) override {
    GPU_NULL::draw(type, vertices, vertex_count, indices, index_count, primitive_count);
    for (int i = 0; i < vertex_count; i += 4) quad_left_u.push_back(vertices[i].u);
  }
  std::vector<float> quad_left_u;
};

// What widgets need around them: the input object, a renderer on the
// recording device with a frame open, and a resource manager whose textures
// are made in memory under the names the tests give.
class GUI_SCENE {
 public:
  GUI_SCENE() : device(new UV_DEVICE), render(std::unique_ptr<KOR::GPU>(device)) {
    render.init(nullptr, 0.1f, 0.0f);
    render.begin_frame();
    KOR::engine_resource_manager = &manager;
  }
  ~GUI_SCENE() {
    KOR::engine_resource_manager = nullptr;
    render.end_frame();
  }

  KOR::KC_TEXTURE* add_texture(const std::string& name, int width, int height) {
    auto* record = new KOR::KC_RESOURCE(name);
    record->data = render.create_texture(width, height);
    record->kind = KOR::RESOURCE_TEXTURE;
    record->loaded = 1;
    manager.main_records[name].reset(record);
    return static_cast<KOR::KC_TEXTURE*>(record->data);
  }
  int references(const std::string& name) const { return manager.find(name)->ref_count; }
  KOR::KC_TEXTURE* default_texture() const { return render.default_texture; }

  // Pointer and keys as the message pump feeds them; `next_frame` ages the
  // keys as the end of an update step does.
  void point(int x, int y) { input.mouse_move(x, y); }
  void key_down(int code = 1) { input.key_down(static_cast<unsigned int>(code)); }
  void key_up(int code = 1) { input.key_up(code); }
  void next_frame() { input.end_frame(); }

  // One input slot of the widget after the pointer move or key change that
  // triggers it; the code it answered, 0 for none.
  int move_to(KOR::KC_GUI_OBJECT& widget, int x, int y) {
    point(x, y);
    return code_of(widget.on_pointer_move());
  }
  int press(KOR::KC_GUI_OBJECT& widget, int key = 1) {
    key_down(key);
    const int code = code_of(widget.on_press());
    next_frame();
    return code;
  }
  int release(KOR::KC_GUI_OBJECT& widget, int key = 1) {
    key_up(key);
    const int code = code_of(widget.on_release());
    next_frame();
    return code;
  }

  // Which frame of an n-frame strip each quad drawn since the last call
  // showed, in drawing order.
  std::vector<int> drawn_frames(int frames) {
    render.flush();
    std::vector<int> out;
    for (float u : device->quad_left_u) out.push_back(static_cast<int>(u * frames + 0.5f));
    device->quad_left_u.clear();
    return out;
  }

  KOR::KC_INPUT input;
  UV_DEVICE* device;
  KOR::KC_RENDER render;
  KOR::KC_RESOURCE_MANAGER manager;
};

// Hooks that write their name into one log, for tests of which hooks fire.
inline std::vector<std::string> hook_log;

template <const char* NAME>
int log_hook(void*) {
  hook_log.push_back(NAME);
  return 0;
}
inline constexpr char kEnter[] = "enter";
inline constexpr char kLeave[] = "leave";
inline constexpr char kDown[] = "down";
inline constexpr char kUp[] = "up";

// The four common hooks of the widget, logging; the log starts empty.
inline void log_hooks(KOR::KC_GUI_OBJECT& widget) {
  hook_log.clear();
  widget.hook_enter = KOR::callback_create(&log_hook<kEnter>, "", nullptr);
  widget.hook_leave = KOR::callback_create(&log_hook<kLeave>, "", nullptr);
  widget.hook_down = KOR::callback_create(&log_hook<kDown>, "", nullptr);
  widget.hook_up = KOR::callback_create(&log_hook<kUp>, "", nullptr);
}

}  // namespace gui_test
