#include "shell/world_music.h"

#include <string>

#include "foundation/text_utilities.h"
#include "framework/G_SOUND_MANAGER.h"
#include "shell/game_main.h"

namespace game {

namespace {

constexpr const char* kTitleMusic = "music_title";

std::string world_track(int world) { return "music_track" + KOR::text_from_int(world); }

}  // namespace

void play_world_music(int world) {
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  sounds.play(world_track(world), true, 0.0f, 0.0f);
  sounds.stop(kTitleMusic);
}

void stop_world_music(int world) { KOR_GF::sound_manager_instance().stop(world_track(world)); }

void return_to_title_music() {
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  if (sounds.is_playing(kTitleMusic)) return;
  stop_world_music(current_world_number);
  sounds.play(kTitleMusic, true, 0.0f, 0.0f);
}

}  // namespace game
