#include "platform/host_sdl_keys.h"

#include <SDL2/SDL_keycode.h>
#include <SDL2/SDL_mouse.h>
#include <SDL2/SDL_scancode.h>

namespace KOR {

namespace {

struct KEY_PAIR {
  SDL_Keycode sdl;
  int vk;
};

constexpr KEY_PAIR kKeys[] = {
    {SDLK_BACKSPACE, 8},      {SDLK_TAB, 9},
    {SDLK_RETURN, 13},        {SDLK_KP_ENTER, 13},
    {SDLK_LSHIFT, 16},        {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},         {SDLK_RCTRL, 17},
    {SDLK_LALT, 18},          {SDLK_RALT, 18},
    {SDLK_PAUSE, 19},         {SDLK_CAPSLOCK, 20},
    {SDLK_ESCAPE, 27},        {SDLK_SPACE, 32},
    {SDLK_PAGEUP, 33},        {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},           {SDLK_HOME, 36},
    {SDLK_LEFT, 37},          {SDLK_UP, 38},
    {SDLK_RIGHT, 39},         {SDLK_DOWN, 40},
    {SDLK_PRINTSCREEN, 44},   {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},        {SDLK_LGUI, 91},
    {SDLK_RGUI, 92},          {SDLK_APPLICATION, 93},
    {SDLK_KP_0, 96},          {SDLK_KP_1, 97},
    {SDLK_KP_2, 98},          {SDLK_KP_3, 99},
    {SDLK_KP_4, 100},         {SDLK_KP_5, 101},
    {SDLK_KP_6, 102},         {SDLK_KP_7, 103},
    {SDLK_KP_8, 104},         {SDLK_KP_9, 105},
    {SDLK_KP_MULTIPLY, 106},  {SDLK_KP_PLUS, 107},
    {SDLK_KP_MINUS, 109},     {SDLK_KP_PERIOD, 110},
    {SDLK_KP_DIVIDE, 111},    {SDLK_NUMLOCKCLEAR, 144},
    {SDLK_SCROLLLOCK, 145},   {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},       {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},        {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},        {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},  {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

constexpr int kF10 = 121;
constexpr int kAlt = 18;

}  // namespace

int host_virtual_key(int sdl_keycode, int sdl_scancode) {
  if (sdl_keycode >= SDLK_a && sdl_keycode <= SDLK_z) return 'A' + (sdl_keycode - SDLK_a);
  if (sdl_keycode >= SDLK_0 && sdl_keycode <= SDLK_9) return sdl_keycode;
  if (sdl_keycode >= SDLK_F1 && sdl_keycode <= SDLK_F12) return 112 + (sdl_keycode - SDLK_F1);
  if (sdl_keycode >= SDLK_F13 && sdl_keycode <= SDLK_F24) return 124 + (sdl_keycode - SDLK_F13);
  for (const KEY_PAIR& k : kKeys) {
    if (k.sdl == sdl_keycode) return k.vk;
  }
  // Layouts whose letter and digit keys type other characters keep the codes
  // of the key positions.
  if (sdl_scancode >= SDL_SCANCODE_A && sdl_scancode <= SDL_SCANCODE_Z) {
    return 'A' + (sdl_scancode - SDL_SCANCODE_A);
  }
  if (sdl_scancode >= SDL_SCANCODE_1 && sdl_scancode <= SDL_SCANCODE_9) {
    return '1' + (sdl_scancode - SDL_SCANCODE_1);
  }
  if (sdl_scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

bool host_system_key(int virtual_key, bool left_alt_held, bool control_held) {
  if (virtual_key == kAlt || virtual_key == kF10) return true;
  return left_alt_held && !control_held;
}

int host_button_code(int sdl_button) {
  switch (sdl_button) {
    case SDL_BUTTON_LEFT:
      return 1;
    case SDL_BUTTON_RIGHT:
      return 2;
    case SDL_BUTTON_MIDDLE:
      return 4;
    default:
      return 0;
  }
}

}  // namespace KOR
