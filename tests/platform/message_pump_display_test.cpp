#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "platform/KC_INPUT.h"
#include "platform/KC_WINDOW.h"
#include "platform/host.h"
#include "support/hook_slots.h"

using KOR::KC_INPUT;

namespace {

// What a hook saw when it fired.
struct SEEN {
  char what;  // 'd' key down, 'u' key up, 'm' move, 'l' focus lost, 'g' gained, 'c' close
  int code = 0;
  int state = 0;
  std::wstring text = L"";
  int x = 0;
  int y = 0;
};

std::vector<SEEN> seen;

SEEN key_seen(char what, void* arg) {
  const int code = static_cast<int>(KOR::callback_arg_value(arg));
  const KC_INPUT* in = KC_INPUT::instance;
  return SEEN{what, code, in->key_state(code), in->typed_text, in->pointer.x, in->pointer.y};
}

int on_key_down(void* arg) {
  seen.push_back(key_seen('d', arg));
  return 1;
}
int on_key_up(void* arg) {
  seen.push_back(key_seen('u', arg));
  return 1;
}
int on_move(void*) {
  seen.push_back(SEEN{'m', 0, 0, L"", KOR::input_mouse_position->x, KOR::input_mouse_position->y});
  return 1;
}
int on_lost(void*) {
  seen.push_back(SEEN{'l'});
  return 0;
}
int on_gained(void*) {
  seen.push_back(SEEN{'g'});
  return 0;
}
int on_close(void*) {
  seen.push_back(SEEN{'c'});
  return 1;
}

void push_key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod = KMOD_NONE) {
  SDL_Event e{};
  e.type = type;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = scancode;
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

void push_text(const char* utf8) {
  SDL_Event e{};
  e.type = SDL_TEXTINPUT;
  SDL_strlcpy(e.text.text, utf8, sizeof e.text.text);
  SDL_PushEvent(&e);
}

void push_button(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  SDL_PushEvent(&e);
}

void push_motion(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  SDL_PushEvent(&e);
}

void push_window(SDL_WindowEventID id) {
  SDL_Event e{};
  e.type = SDL_WINDOWEVENT;
  e.window.event = id;
  SDL_PushEvent(&e);
}

}  // namespace

TEST(MessagePumpDisplay, EventsReachTheInputStateAndTheHooksInOrder) {
  KC_INPUT input;
  KOR::KC_WINDOW window;
  ASSERT_EQ(window.create("pump test"), 1) << KOR::host_error();
  ASSERT_NE(window.get_handle(), nullptr);
  test_support::HOOK_SLOTS hooks;
  hooks.set(KOR::hook_key_down, &on_key_down);
  hooks.set(KOR::hook_key_up, &on_key_up);
  hooks.set(KOR::hook_mouse_move, &on_move);
  hooks.set(KOR::hook_focus_lost, &on_lost);
  hooks.set(KOR::hook_focus_gained, &on_gained);
  hooks.set(KOR::hook_close, &on_close);
  KOR::message_pump(&input, &window);  // what the new window itself queued
  input.end_frame();
  seen.clear();
  const int x0 = input.pointer.x;  // where the real pointer lies over the window
  const int y0 = input.pointer.y;

  push_key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A);
  push_text("a");
  push_key(SDL_KEYDOWN, SDLK_F1, SDL_SCANCODE_F1);
  push_key(SDL_KEYDOWN, SDLK_2, SDL_SCANCODE_2);
  push_text("\xC3\xA9");  // é
  push_key(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);
  push_key(SDL_KEYDOWN, SDLK_x, SDL_SCANCODE_X, KMOD_LALT);
  push_key(SDL_KEYUP, SDLK_x, SDL_SCANCODE_X);
  push_key(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT);
  push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 500, 500);
  push_motion(100, 200);
  push_button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 100, 200);
  push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 100, 200);
  push_button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 100, 200);
  push_window(SDL_WINDOWEVENT_FOCUS_LOST);
  push_window(SDL_WINDOWEVENT_FOCUS_GAINED);
  push_window(SDL_WINDOWEVENT_CLOSE);
  EXPECT_EQ(KOR::message_pump(&input, &window), 0);

  const std::vector<SEEN> expected = {
      {'d', 'A', 1, L"a", x0, y0},
      {'d', 112, 1, L"", x0, y0},  // F1 types nothing; the text of the key before is gone
      {'d', '2', 1, L"\u00e9", x0, y0},
      {'u', 'A', 0xFF, L"\u00e9", x0, y0},
      // Alt+X and Alt are system keys; X's release follows a press the
      // engine never saw.
      {'d', 1, 1, L"", x0, y0},  // buttons do not move the pointer
      {'m', 0, 0, L"", 100, 200},
      {'u', 1, 0xFF, L"", 100, 200},
      {'d', 2, 1, L"", 100, 200},
      {'l'},
      {'g'},
      {'c'},
  };
  ASSERT_GE(seen.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(seen[i].what, expected[i].what) << "event " << i;
    EXPECT_EQ(seen[i].code, expected[i].code) << "event " << i;
    EXPECT_EQ(seen[i].state, expected[i].state) << "event " << i;
    EXPECT_EQ(seen[i].text, expected[i].text) << "event " << i;
    EXPECT_EQ(seen[i].x, expected[i].x) << "event " << i;
    EXPECT_EQ(seen[i].y, expected[i].y) << "event " << i;
  }
  EXPECT_EQ(input.key_state('X'), 0);
  EXPECT_EQ(input.key_state(18), 0);
  EXPECT_EQ(input.last_key, 2);
}

TEST(MessagePumpDisplay, StretchedFullScreenMapsThePointerIntoLogicalPixels) {
  KC_INPUT input;
  KOR::KC_WINDOW window;
  ASSERT_EQ(window.create("letterbox test"), 1) << KOR::host_error();
  window.set_mode(800, 600, true, true);
  KOR::message_pump(&input, &window);
  // The virtual screen is 1600 x 1000: the 800 x 600 picture is drawn at
  // scale 1.6667 with 133.3 pixels of bars left and right.
  ASSERT_EQ(KOR::desktop_size.x, 1600);
  ASSERT_EQ(KOR::desktop_size.y, 1000);
  EXPECT_NEAR(window.letterbox_offset_x, 133.33f, 0.01f);
  EXPECT_FLOAT_EQ(window.letterbox_offset_y, 0.0f);
  push_motion(900, 500);
  KOR::message_pump(&input, &window);
  EXPECT_EQ(input.pointer.x, 460);
  EXPECT_EQ(input.pointer.y, 300);
}
