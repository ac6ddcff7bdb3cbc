// The game loop's sound thread keeps a streamed sound fed: its two queued
// buffers last about 0.54 s, so without refills it falls silent long before
// the loop ends.
#include <AL/al.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <vector>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "sound_test_support.h"
#include "support/hook_slots.h"
#include "support/paths.h"

namespace {

const std::vector<unsigned char> tone = sound_test::read_fixture("tone_stereo_44k.ogg");
KOR::KC_SOUND_STREAM* music = nullptr;
std::chrono::steady_clock::time_point started;
ALint state_at_end = 0;

int on_init(void*) {
  music = KOR::engine_sound_system->create_sound(tone.data(),
                                                 static_cast<std::int32_t>(tone.size()), 2, false);
  music->loop = true;
  music->play();
  started = std::chrono::steady_clock::now();
  return 1;
}

int on_update(void*) {
  if (std::chrono::steady_clock::now() - started < std::chrono::milliseconds(1500)) return 1;
  alGetSourcei(music->source, AL_SOURCE_STATE, &state_at_end);
  KOR::engine_game->running = 0;
  return 1;
}

int on_shutdown(void*) { return KOR::engine_sound_system->release_sound(music); }

}  // namespace

TEST(sound_thread_display, LoopFeedsStreamsUntilShutdown) {
  ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
  KOR::KC_GAME_SERVICE* service = KOR::KC_GAME::fGetGame();
  KOR::engine_game = service;
  test_support::HOOK_SLOTS hooks;
  hooks.set(KOR::hook_init, &on_init);
  hooks.set(KOR::hook_update, &on_update);
  hooks.set(KOR::hook_shutdown, &on_shutdown);

  ASSERT_EQ(service->start("Aquavex sound thread test"), 1);
  ASSERT_NE(KOR::engine_sound_system->device, nullptr);
  service->update_cap = 60;
  EXPECT_EQ(service->run(), 1) << "the stream was released after the thread stopped";
  EXPECT_EQ(state_at_end, AL_PLAYING);
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
}
