#pragma once

namespace game {

// Each world plays its own looped track, "music_track" + its number, while
// the player is inside it; the menus around the worlds play "music_title".
void play_world_music(int world);
void stop_world_music(int world);
// Leaving the worlds: the chosen world's track stops and the title music
// comes back, unless it already plays.
void return_to_title_music();

}  // namespace game
