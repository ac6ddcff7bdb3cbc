#include "support/scripted_player.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <cmath>
#include <thread>
#include <utility>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "platform/KC_WINDOW.h"
#include "render/gpu_null.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/window_factory.h"
#include "support/paths.h"

namespace test_support {

namespace fs = std::filesystem;

namespace {

const std::thread::id main_thread = std::this_thread::get_id();
// The player whose game runs; message boxes go to it.
SCRIPTED_PLAYER* playing = nullptr;

// Marks the events the script puts into the queue. Tests share one X
// server, so the real pointer, keyboard and focus of other tests' windows
// would reach the game too: only marked input passes.
constexpr Uint32 kScripted = 0x5C41;

int only_scripted_input(void*, SDL_Event* e) {
  switch (e->type) {
    case SDL_MOUSEMOTION:
      return e->motion.which == kScripted;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      return e->button.which == kScripted;
    case SDL_MOUSEWHEEL:
      return 0;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return e->key.windowID == kScripted;
    case SDL_TEXTINPUT:
      return e->text.windowID == kScripted;
    case SDL_TEXTEDITING:
      return 0;
    case SDL_WINDOWEVENT:
      return e->window.event != SDL_WINDOWEVENT_FOCUS_GAINED &&
             e->window.event != SDL_WINDOWEVENT_FOCUS_LOST &&
             e->window.event != SDL_WINDOWEVENT_CLOSE;
    default:
      return 1;
  }
}

// The key as SDL reports it, for the virtual-key codes a script uses.
struct SDL_KEY {
  SDL_Keycode sym;
  SDL_Scancode scancode;
};

SDL_KEY sdl_key(int code) {
  if (code >= 'A' && code <= 'Z') {
    return {SDL_Keycode('a' + (code - 'A')), SDL_Scancode(SDL_SCANCODE_A + (code - 'A'))};
  }
  if (code >= '1' && code <= '9') {
    return {SDL_Keycode(code), SDL_Scancode(SDL_SCANCODE_1 + (code - '1'))};
  }
  switch (code) {
    case '0':
      return {SDLK_0, SDL_SCANCODE_0};
    case 8:
      return {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE};
    case 13:
      return {SDLK_RETURN, SDL_SCANCODE_RETURN};
    case 27:
      return {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE};
    case 32:
      return {SDLK_SPACE, SDL_SCANCODE_SPACE};
    default:
      ADD_FAILURE() << "the scripted player has no key for code " << code;
      return {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN};
  }
}

// Window pixels of a logical point: the picture is scaled and letterboxed
// into the client area the window was granted.
void window_point(int x, int y, int* wx, int* wy) {
  const KOR::KC_WINDOW* window = KOR::engine_window;
  if (window != nullptr) {
    *wx = int(float(x) * window->picture_scale + window->letterbox_offset_x + 0.5f);
    *wy = int(float(y) * window->picture_scale + window->letterbox_offset_y + 0.5f);
    return;
  }
  *wx = x;
  *wy = y;
}

// Frames a second the game draws on the null device.
constexpr int kNullDeviceDraws = 6;

// The null device forgets each frame's record once it is presented: a whole
// game's frames would not fit in memory.
class FORGETFUL_NULL_DEVICE : public KOR::GPU_NULL {
 public:
  void present() override {
    calls.clear();
    draws.clear();
    point_draws.clear();
  }
};

}  // namespace

SCRIPTED_CLOCK::SCRIPTED_CLOCK() { KOR::host_set_clock(this); }

SCRIPTED_CLOCK::~SCRIPTED_CLOCK() { KOR::host_set_clock(nullptr); }

void SCRIPTED_CLOCK::sleep_ms(uint32_t ms) {
  if (std::this_thread::get_id() == main_thread) {
    // A real sleep of 0 ms still lets time pass; the frame limiter relies
    // on it.
    now_ += ms > 0 ? ms : 1;
  } else {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  }
}

SCRIPTED_PLAYER::SCRIPTED_PLAYER(bool own_resources)
    : start_dir_(runtime_dir()), previous_dir_(fs::current_path()) {
  if (own_resources) {
    own_start_ = std::make_unique<TempFolder>("aquavex-game");
    fs::copy(runtime_dir(), own_start_->path(), fs::copy_options::recursive);
    start_dir_ = own_start_->path();
  }
  setenv("XDG_DATA_HOME", user_root_.path().c_str(), 1);
}

SCRIPTED_PLAYER::~SCRIPTED_PLAYER() { fs::current_path(previous_dir_); }

fs::path SCRIPTED_PLAYER::user_folder() const { return user_root_.path() / "Korvane" / "Aquavex"; }

fs::path SCRIPTED_PLAYER::resources() const { return start_dir_ / "Resources"; }

int SCRIPTED_PLAYER::play(const SCRIPT& script) {
  fs::current_path(start_dir_);
  script_ = &script;
  playing = this;
  const KOR::HOST_MESSAGE_SINK previous_sink =
      KOR::host_set_message_sink(&SCRIPTED_PLAYER::take_message);
  KOR::KC_CALLBACK hook{&SCRIPTED_PLAYER::before_loop, "", this};
  KOR::hook_before_loop = &hook;
  if (device_ != nullptr) {
    KOR::KC_GAME::fGetGame()->device = std::exchange(device_, nullptr);
  } else if (null_device_) {
    KOR::KC_GAME::fGetGame()->device = new FORGETFUL_NULL_DEVICE;
  }
  const int status = KOR::service_main();
  KOR::hook_before_loop = nullptr;
  KOR::host_set_message_sink(previous_sink);
  playing = nullptr;
  script_ = nullptr;
  return status;
}

// The script runs inside the loop's start, stepping the frames itself; the
// game's update hook is watched meanwhile to count frames, and is put back
// before the game main frees it.
int SCRIPTED_PLAYER::before_loop(void* data) {
  static_cast<SCRIPTED_PLAYER*>(data)->run_script();
  return 1;
}

int SCRIPTED_PLAYER::counting_update(void* data) {
  auto* player = static_cast<SCRIPTED_PLAYER*>(data);
  ++player->updates_;
  const int result = KOR::callback_invoke(player->game_update_, nullptr);
  if (player->watch_) player->watch_();
  return result;
}

void SCRIPTED_PLAYER::run_script() {
  SDL_SetEventFilter(&only_scripted_input, nullptr);
  // Nobody looks at the null device's frames: a few draws a second keep
  // the drawing code running at a tenth of its cost.
  if (null_device_) KOR::engine_game->render_cap = kNullDeviceDraws;
  game_update_ = KOR::hook_update;
  KOR::KC_CALLBACK counting{&SCRIPTED_PLAYER::counting_update, "", this};
  KOR::hook_update = &counting;
  (*script_)(*this);
  if (running()) {
    click_close_box();
    wait_until([this] { return !running(); }, "the game ends after its close box");
  }
  KOR::hook_update = game_update_;
  watch_ = nullptr;
  SDL_SetEventFilter(nullptr, nullptr);
}

bool SCRIPTED_PLAYER::running() const {
  return KOR::engine_game != nullptr && KOR::engine_game->running != 0;
}

void SCRIPTED_PLAYER::frames(int count) {
  auto* service = static_cast<KOR::KC_GAME_SERVICE*>(KOR::engine_game);
  const int64_t goal = updates_ + count;
  while (updates_ < goal && service->frame() == 1) {
  }
}

bool SCRIPTED_PLAYER::wait_until(const std::function<bool()>& condition, const std::string& what,
                                 int max_frames) {
  for (int i = 0; i <= max_frames; ++i) {
    if (condition()) return true;
    if (!running()) break;
    frames(1);
  }
  if (condition()) return true;
  ADD_FAILURE() << "waited in vain for: " << what;
  return false;
}

// Fully open: opened, and standing where it is shown (a window opened again
// soon after a closing may report itself open while it still moves in).
bool SCRIPTED_PLAYER::wait_open(const std::string& name, int max_frames) {
  return wait_until(
      [&] {
        const KOR_GF::G_WINDOW* w = window(name);
        if (w == nullptr || !is_open(name) || w->state() != KOR_GF::WINDOW_OPENED) return false;
        const KOR::KS_VECTOR3& at = w->placement().position;
        const KOR::KS_VECTOR3& shown = w->shown().position;
        return std::abs(at.x - shown.x) < 0.5f && std::abs(at.y - shown.y) < 0.5f;
      },
      "window \"" + name + "\" open", max_frames);
}

bool SCRIPTED_PLAYER::wait_closed(const std::string& name, int max_frames) {
  return wait_until([&] { return !is_open(name); }, "window \"" + name + "\" closed", max_frames);
}

KOR_GF::G_WINDOW* SCRIPTED_PLAYER::window(const std::string& name) const {
  return game::window_manager_instance().find(name);
}

bool SCRIPTED_PLAYER::is_open(const std::string& name) const {
  return game::window_manager_instance().is_open(name);
}

KOR::KC_GUI_OBJECT* SCRIPTED_PLAYER::widget(const std::string& name, unsigned id) const {
  const KOR_GF::G_WINDOW* w = window(name);
  return w != nullptr && w->gui() != nullptr ? w->gui()->find(id) : nullptr;
}

bool SCRIPTED_PLAYER::click(const std::string& name, unsigned id) {
  if (!wait_open(name)) return false;
  KOR::KC_GUI_OBJECT* target = widget(name, id);
  if (target == nullptr) {
    ADD_FAILURE() << "window \"" << name << "\" has no widget " << id;
    return false;
  }
  click_widget(*target);
  return true;
}

void SCRIPTED_PLAYER::click_widget(KOR::KC_GUI_OBJECT& target) {
  // The middle of the widget's rectangle as its transform draws it.
  const KOR::KS_TRANSFORM3 world = target.transform->world();
  const float x = world.position.x + (target.width() / 2.0f - world.pivot.x) * world.scale.x;
  const float y = world.position.y + (target.height() / 2.0f - world.pivot.y) * world.scale.y;
  // The pointer comes from the screen's corner, so the widget sees it
  // arrive, as it does when a hand moves it there.
  move_pointer(0, 0);
  press_button(int(x), int(y));
}

void SCRIPTED_PLAYER::move_pointer(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.which = kScripted;
  window_point(x, y, &e.motion.x, &e.motion.y);
  SDL_PushEvent(&e);
  frames(1);
}

void SCRIPTED_PLAYER::take_message(const std::string& caption, const std::string& text) {
  if (playing != nullptr) playing->messages_.push_back(caption + ": " + text);
}

void SCRIPTED_PLAYER::press_button(int x, int y) {
  move_pointer(x, y);
  press_left();
}

void SCRIPTED_PLAYER::push_button(bool down, uint8_t button) {
  SDL_Event e{};
  e.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  e.button.which = kScripted;
  e.button.button = button;
  e.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  SDL_PushEvent(&e);
  frames(1);
}

void SCRIPTED_PLAYER::press_left() {
  left_down();
  left_up();
}

void SCRIPTED_PLAYER::left_down() { push_button(true, SDL_BUTTON_LEFT); }

void SCRIPTED_PLAYER::left_up() { push_button(false, SDL_BUTTON_LEFT); }

void SCRIPTED_PLAYER::press_right() {
  push_button(true, SDL_BUTTON_RIGHT);
  push_button(false, SDL_BUTTON_RIGHT);
}

void SCRIPTED_PLAYER::push_key(int code, bool down, const char* text) {
  const SDL_KEY key = sdl_key(code);
  SDL_Event e{};
  e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  e.key.windowID = kScripted;
  e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = key.sym;
  e.key.keysym.scancode = key.scancode;
  SDL_PushEvent(&e);
  if (text != nullptr) {
    SDL_Event typed{};
    typed.type = SDL_TEXTINPUT;
    typed.text.windowID = kScripted;
    SDL_strlcpy(typed.text.text, text, sizeof typed.text.text);
    SDL_PushEvent(&typed);
  }
  frames(1);
}

void SCRIPTED_PLAYER::press_key(int code) {
  push_key(code, true, nullptr);
  push_key(code, false, nullptr);
}

void SCRIPTED_PLAYER::type(const std::string& text) {
  for (const char c : text) {
    const char typed[2] = {c, '\0'};
    const int code = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    push_key(code, true, typed);
    push_key(code, false, nullptr);
  }
}

void SCRIPTED_PLAYER::type_as(int code, const std::string& text) {
  push_key(code, true, text.c_str());
  push_key(code, false, nullptr);
}

bool SCRIPTED_PLAYER::skip_splashes() {
  return wait_until(
      [this] {
        if (game::loading_screen_active == 0) return true;
        press_key(' ');
        return false;
      },
      "the splashes over");
}

void SCRIPTED_PLAYER::click_close_box() {
  KOR::host_request_close();
  frames(1);
}

}  // namespace test_support
