#include <AL/al.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "e2e_game.h"
#include "framework/G_SOUND_MANAGER.h"
#include "render/gpu_null.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/game_main.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"

namespace {

using test_support::SCRIPTED_PLAYER;

// At every frame the game presents: how many application windows exist,
// whether the loader screen is what shows and whether the sound device is
// open.
struct PRESENTED {
  std::size_t windows = 0;
  bool loader_screen = false;
  bool sound_device = false;
};
std::vector<PRESENTED> presented;

class PRESENT_WATCH : public KOR::GPU_NULL {
 public:
  void present() override {
    const KOR::KC_SOUND_SYSTEM* sound = KOR::KC_SOUND_SYSTEM::instance;
    presented.push_back({game::window_manager_instance().windows().size(),
                         game::loading_screen_active != 0,
                         sound != nullptr && sound->device != nullptr});
    calls.clear();
    draws.clear();
    point_draws.clear();
  }
};

// The first splash card is on the screen before any menu window is built;
// the windows are built behind it, and the title follows the cards.
TEST(startup_order_e2e, TheFirstCardIsPresentedBeforeAnyMenuWindowIsBuilt) {
  SCRIPTED_PLAYER player;
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  presented.clear();
  player.use_device(new PRESENT_WATCH);
  std::size_t windows_at_start = 0;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    windows_at_start = game::window_manager_instance().windows().size();
    EXPECT_EQ(game::game_ready, 0);
    ASSERT_TRUE(p.wait_until([] { return game::game_ready != 0; }, "the loading step done"));
    EXPECT_EQ(game::loading_screen_active, 1) << "the cards still show";
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(windows_at_start, 0u) << "nothing of the menus is built before the loop";
  ASSERT_GE(presented.size(), 2u);
  EXPECT_EQ(presented.front().windows, 0u) << "the first frame shows before the menus load";
  EXPECT_TRUE(presented.front().loader_screen);
  EXPECT_GT(presented.back().windows, 0u);
}

// Opening the audio device can take long: the first card does not wait for
// it. It is open before any sound is made, so the title music plays.
TEST(startup_order_e2e, TheSoundDeviceOpensBehindTheFirstCardAndTheTitleMusicPlays) {
  SCRIPTED_PLAYER player;
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  presented.clear();
  player.use_device(new PRESENT_WATCH);
  int music_source_state = 0;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    const KOR::KC_SOUND_STREAM* music = KOR_GF::sound_manager_instance().find("music_title");
    ASSERT_NE(music, nullptr);
    ASSERT_NE(music->source, 0u) << "the music was made with the device open";
    alGetSourcei(music->source, AL_SOURCE_STATE, &music_source_state);
  });
  EXPECT_EQ(status, 0);
  ASSERT_GE(presented.size(), 2u);
  EXPECT_FALSE(presented.front().sound_device) << "the first card shows before the device opens";
  EXPECT_TRUE(presented.back().sound_device);
  EXPECT_EQ(music_source_state, AL_PLAYING);
}

}  // namespace
