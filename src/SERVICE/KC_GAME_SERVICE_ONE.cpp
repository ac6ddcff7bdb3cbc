#include <cstdlib>
#include <memory>
#include <utility>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_RANDOM.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/KC_INPUT.h"
#include "platform/KC_THREAD.h"
#include "platform/KC_WINDOW.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "sound/KC_SOUND_SYSTEM.h"

namespace KOR {

namespace {

constexpr int kStopped = -109;
constexpr int kStartFailed = -112;
// What the game main returns after a normal end.
constexpr int kGameMainDone = 100500;
constexpr int kClosedBeforeGameReady = -100500;
constexpr uint32_t kSoundThreadPeriodMs = 10;

int close_before_game_ready(void*) { std::exit(kClosedBeforeGameReady); }

// The callbacks the engine stores in the hook slots, kept for the whole run:
// the game's close hook replaces the engine's in its slot.
std::unique_ptr<KC_CALLBACK> main_hook;
std::unique_ptr<KC_CALLBACK> default_close_hook;
std::unique_ptr<KC_CALLBACK> release_resource_hook;

}  // namespace

KC_GAME_SERVICE* KC_GAME::fGetGame() {
  static KC_GAME_SERVICE service;
  return &service;
}

KC_GAME_SERVICE::KC_GAME_SERVICE() {
  engine_input = nullptr;
  engine_window = nullptr;
  KC_RENDER::instance = nullptr;
  engine_timer = nullptr;
  engine_random = nullptr;
  engine_sound_system = nullptr;
  engine_resource_manager = nullptr;
  engine_file_system = &KC_FILE_SYSTEM::instance_get();
}

int KC_GAME_SERVICE::start(const std::string& new_title) {
  title = new_title;
  engine_input = new KC_INPUT;
  engine_window = new KC_WINDOW;
  engine_window->width = resolution.x;
  engine_window->height = resolution.y;
  // A renderer that keeps its frames tests no depth on the screen, whether
  // its kept picture is the back buffer or a picture of its own: a depth
  // plane would take a screen's worth of memory for nothing. Clips need the
  // stencil.
  engine_window->depth = !KC_RENDER::keep_frames;
  if (engine_window->create(title) != 1) {
    host_message_box(title, "The game window cannot be opened (" + host_error() + ").");
    return kStartFailed;
  }
  desktop_resolution = desktop_size;
  // The renderer makes itself KC_RENDER::instance, which everything draws
  // through; one whose init failed stays without a device and draws nothing.
  KC_RENDER* render = new KC_RENDER(std::unique_ptr<GPU>(std::exchange(device, nullptr)));
  if (render->init(engine_window->get_handle(), 0.1f, 0.0f) == 1) {
    render->set_video_mode(resolution.x, resolution.y, full_screen, stretch_to_desktop);
  }
  engine_timer = new KC_TIMER;
  engine_timer->output = &frame_dt;
  engine_random = new KC_RANDOM(0);
  engine_sound_system = new KC_SOUND_SYSTEM;
  if (open_sound_at_start) engine_sound_system->open();
  engine_resource_manager = new KC_RESOURCE_MANAGER;
  release_resource_hook = callback_create(&release_resource_by_data, nullptr, nullptr);
  hook_release_resource = release_resource_hook.get();
  return callback_invoke(hook_init, nullptr);
}

int KC_GAME_SERVICE::run() {
  if (engine_input == nullptr || KC_RENDER::instance == nullptr || engine_random == nullptr)
    return 0;
  sound_thread_stop = false;
  sound_thread_record = start_thread(&KC_GAME_SERVICE::sound_thread, this);
  running = 1;
  callback_invoke(hook_before_loop, nullptr);
  while (frame() == 1) {
  }
  // Streaming stops before the shutdown hook releases what it streams.
  sound_thread_stop = true;
  thread_wait(sound_thread_record.get());
  return callback_invoke(hook_shutdown, nullptr);
}

int KC_GAME_SERVICE::frame() {
  if (!running) return kStopped;
  update_step();
  if (!running) return kStopped;
  render_step();
  return 1;
}

void KC_GAME_SERVICE::update_step() {
  if (!update_limiter()) return;
  ++update_frames;
  if (update_time >= 1.0f) {
    measured_update_rate = update_frames;
    update_time = 0.0f;
    update_frames = 0;
    // The GL driver compiles a shader variant as each new state first
    // appears; its compiler's scratch memory, freed among blocks that stay,
    // would otherwise stay resident.
    host_return_free_memory();
  }
  engine_timer->tick();
  callback_invoke(hook_update, nullptr);
  engine_input->end_frame();
  message_pump(engine_input, engine_window);
  // A window system may grant or change the size later: the picture follows.
  if (engine_window != nullptr && engine_window->size_changed) {
    engine_window->size_changed = 0;
    KC_RENDER::instance->set_video_mode(resolution.x, resolution.y, full_screen,
                                        stretch_to_desktop);
  }
}

void KC_GAME_SERVICE::render_step() {
  if (!render_limiter()) return;
  // A lost or just reset device skips the step.
  if (KC_RENDER::instance->begin_frame() != 1) return;
  ++render_frames;
  if (render_time >= 1.0f) {
    measured_render_rate = render_frames;
    render_time = 0.0f;
    render_frames = 0;
  }
  callback_invoke(hook_draw, nullptr);
  KC_RENDER::instance->end_frame();
}

bool KC_GAME_SERVICE::update_limiter() {
  update_time += update_timer.tick();
  if (update_cap == 0) return true;
  const float target =
      (1.0f / static_cast<float>(update_cap)) * static_cast<float>(update_frames + 1);
  if (update_time < target) {
    host_sleep_ms(static_cast<uint32_t>((target - update_time) * 1000.0f));
    return false;
  }
  return true;
}

bool KC_GAME_SERVICE::render_limiter() {
  // The time that really passed: a pass whose update step was refused (and
  // slept) must not count the last update's duration a second time.
  render_time += render_timer.tick();
  if (render_cap == 0) return true;
  const float target =
      (1.0f / static_cast<float>(render_cap)) * static_cast<float>(render_frames + 1);
  return render_time >= target;
}

void KC_GAME_SERVICE::set_display_mode(int width, int height, bool full, bool stretch) {
  if (width == resolution.x && height == resolution.y && full == (full_screen != 0) &&
      stretch == (stretch_to_desktop != 0)) {
    return;
  }
  resolution = KS_IVECTOR2{width, height};
  full_screen = full;
  stretch_to_desktop = stretch;
  engine_window->set_mode(width, height, full, stretch);
  KC_RENDER::instance->set_video_mode(width, height, full, stretch);
}

int KC_GAME_SERVICE::sound_thread(void* service) {
  const auto* self = static_cast<const KC_GAME_SERVICE*>(service);
  while (!self->sound_thread_stop) {
    engine_sound_system->update_streams();
    host_sleep_ms(kSoundThreadPeriodMs);
  }
  return 0;
}

int KC_GAME_SERVICE::release_resource_by_data(void* data) {
  const KC_RESOURCE* record = engine_resource_manager->find_by_data(data);
  if (record == nullptr) return 0;
  if (record->kind == RESOURCE_XML || record->kind == RESOURCE_RAW) {
    engine_resource_manager->release_xml(data);
  }
  return 0;
}

void service_register_main(KC_CALLBACK_FN main_function) {
  main_hook = callback_create(main_function, nullptr, nullptr);
  hook_main = main_hook.get();
  default_close_hook = callback_create(&close_before_game_ready, nullptr, nullptr);
  hook_close = default_close_hook.get();
}

int service_main() {
  host_close_on_termination_signals();
  return callback_invoke(hook_main, nullptr) == kGameMainDone ? 0 : 1;
}

}  // namespace KOR
