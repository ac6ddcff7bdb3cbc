#include "platform/host_sdl_keys.h"

#include <SDL2/SDL_keycode.h>
#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_scancode.h>
#include <gtest/gtest.h>

using KOR::host_virtual_key;

TEST(host_sdl_keys, KeysBecomeWindowsVirtualKeyCodes) {
  struct CASE {
    int keycode;
    int scancode;
    int vk;
  };
  const CASE cases[] = {
      {SDLK_a, SDL_SCANCODE_A, 'A'},
      {SDLK_f, SDL_SCANCODE_F, 'F'},
      {SDLK_w, SDL_SCANCODE_W, 'W'},
      {SDLK_z, SDL_SCANCODE_Z, 'Z'},
      {SDLK_0, SDL_SCANCODE_0, '0'},
      {SDLK_9, SDL_SCANCODE_9, '9'},
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8},
      {SDLK_TAB, SDL_SCANCODE_TAB, 9},
      {SDLK_RETURN, SDL_SCANCODE_RETURN, 13},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 16},
      {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16},
      {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
      {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 17},
      {SDLK_LALT, SDL_SCANCODE_LALT, 18},
      {SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, 20},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27},
      {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
      {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33},
      {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34},
      {SDLK_END, SDL_SCANCODE_END, 35},
      {SDLK_HOME, SDL_SCANCODE_HOME, 36},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
      {SDLK_UP, SDL_SCANCODE_UP, 38},
      {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
      {SDLK_INSERT, SDL_SCANCODE_INSERT, 45},
      {SDLK_DELETE, SDL_SCANCODE_DELETE, 46},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 96},
      {SDLK_KP_9, SDL_SCANCODE_KP_9, 105},
      {SDLK_F1, SDL_SCANCODE_F1, 112},
      {SDLK_F10, SDL_SCANCODE_F10, 121},
      {SDLK_F12, SDL_SCANCODE_F12, 123},
      {SDLK_F13, SDL_SCANCODE_F13, 124},
      {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 186},
      {SDLK_MINUS, SDL_SCANCODE_MINUS, 189},
      {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},
      // Layouts whose keys type other characters keep the key positions'
      // letter and digit codes: a Cyrillic letter on the Q key, a French
      // '&' on the 1 key.
      {0x0439, SDL_SCANCODE_Q, 'Q'},
      {SDLK_AMPERSAND, SDL_SCANCODE_1, '1'},
      {0xE9, SDL_SCANCODE_2, '2'},
      {0xE0, SDL_SCANCODE_0, '0'},
      // Keys without a code are not delivered.
      {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0},
      {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, 0},
  };
  for (const CASE& c : cases) {
    EXPECT_EQ(host_virtual_key(c.keycode, c.scancode), c.vk)
        << "key " << c.keycode << " at " << c.scancode;
  }
}

TEST(host_sdl_keys, SystemKeysNeverReachTheEngine) {
  EXPECT_TRUE(KOR::host_system_key(18, false, false)) << "Alt itself";
  EXPECT_TRUE(KOR::host_system_key(121, false, false)) << "F10";
  EXPECT_TRUE(KOR::host_system_key('X', true, false)) << "Alt+X";
  EXPECT_FALSE(KOR::host_system_key('X', true, true)) << "Alt Gr types";
  EXPECT_FALSE(KOR::host_system_key('X', false, false));
  EXPECT_FALSE(KOR::host_system_key(120, false, false)) << "F9";
}

TEST(host_sdl_keys, MouseButtonsAreKeys124) {
  EXPECT_EQ(KOR::host_button_code(SDL_BUTTON_LEFT), 1);
  EXPECT_EQ(KOR::host_button_code(SDL_BUTTON_RIGHT), 2);
  EXPECT_EQ(KOR::host_button_code(SDL_BUTTON_MIDDLE), 4);
  EXPECT_EQ(KOR::host_button_code(SDL_BUTTON_X1), 0);
  EXPECT_EQ(KOR::host_button_code(SDL_BUTTON_X2), 0);
}
