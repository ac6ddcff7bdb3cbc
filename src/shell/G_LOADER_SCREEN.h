#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bots/KC_BOT_LIST.h"
#include "framework/G_SPRITE.h"
#include "resources/KC_LOADER.h"

namespace KOR {
class KC_QUAD;
class KC_RESOURCE_MANAGER;
struct KC_TEXTURE;
}  // namespace KOR

namespace game {

// Set at start; while set the game's update, draw and key-down hooks go to
// the loader screen, which clears it after its last splash.
extern uint8_t loading_screen_active;

// The start-up splash pictures of "xml screen_loading.xml", one after
// another over a plain background colour; each stays for a while and then
// fades out to show the next, and a key press skips to the next one. The
// loading step runs behind the first one, once it is on the screen. After
// the last one the title screen opens. The cards the first one hides are
// decoded only once it shows (or a key has skipped it), so the game's first
// frame waits for one picture alone.
class G_LOADER_SCREEN : public KOR::KC_LOADER {
 public:
  explicit G_LOADER_SCREEN(JOB job);
  ~G_LOADER_SCREEN() override;

  void init() {}
  int32_t update() override;
  int32_t draw() override;
  // Starts the current splash's fade and shows the next one.
  void next_splash();

  float time_fade = 0.2f;        // seconds
  float time_per_splash = 2.0f;  // seconds before the fade starts
  KOR_GF::G_SPRITE background;
  std::vector<std::unique_ptr<KOR::KC_QUAD>> splashes;  // in file order; the first lies on top
  int32_t current = 0;                                  // the number of splashes when all are done
  float clock = 0.0f;                                   // seconds the current splash has shown
  KOR::KC_BOT_LIST fades;

 private:
  struct SPLASH_FILE {
    std::string file;
    bool centred = false;
  };

  void make_background(uint32_t argb);
  void add_splash(const SPLASH_FILE& splash);
  // Whether splash i, as yet unfaded, hides everything below it.
  bool hides_below(int i) const;
  void load_waiting_splashes();
  void release_pictures();

  // A frame of the screen has been drawn.
  bool drawn_ = false;
  // The loading step has run, and it succeeded.
  bool loading_done_ = false;
  bool loaded_ = false;
  KOR::KC_TEXTURE* background_texture_ = nullptr;
  bool background_opaque_ = false;
  std::vector<KOR::KC_TEXTURE*> splash_textures_;
  // The cards below the ones loaded, in file order, not yet decoded.
  std::vector<SPLASH_FILE> waiting_;
};

// Starts decoding the first splash picture of the screen file, read through
// `manager`, on a thread of its own; the loader screen then takes it.
void prefetch_first_splash(KOR::KC_RESOURCE_MANAGER& manager);

// Opens the title windows; "music_title" plays looped.
void show_title_screen();

}  // namespace game
