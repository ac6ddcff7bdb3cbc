#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "e2e_game.h"
#include "level/CScene_Level.h"
#include "resources/KC_REPOSITORY.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PAUSE.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"

// The sanitizers' count of live heap bytes (their allocator replaces
// malloc's, whose own count then says nothing); weak, so a build without
// them links and counts with malloc.
extern "C" __attribute__((weak)) size_t __sanitizer_get_current_allocated_bytes();

namespace {

using test_support::SCRIPTED_PLAYER;

constexpr int kStepsPerSecond = 20;
constexpr int kMinute = 60 * kStepsPerSecond;  // update steps
constexpr int kHour = 60;                      // minutes
// Live heap may wander by what caches and the GL driver keep; a leak of
// even a few bytes a frame passes this over an hour. The hours run on the
// real device, so a texture the driver is never told to free counts too.
constexpr int64_t kHeapSlack = 16 << 20;
// Resident memory also holds the sanitizer's quarantine of freed blocks
// (256 MB at most), so it gets that much more room.
constexpr int64_t kResidentSlack = kHeapSlack + (256 << 20);

// Textures and sounds the resource manager has loaded, and how many
// references to them are out.
struct HELD {
  int textures = 0, texture_references = 0;
  int sounds = 0, sound_references = 0;
  bool operator==(const HELD&) const = default;
};

void PrintTo(const HELD& h, std::ostream* out) {
  *out << h.textures << " textures (" << h.texture_references << " held), " << h.sounds
       << " sounds (" << h.sound_references << " held)";
}

void count(const KOR::KC_RECORD_MAP& records, HELD* held) {
  for (const auto& [name, record] : records) {
    if (record->loaded == 0) continue;
    if (record->kind == KOR::RESOURCE_TEXTURE) {
      ++held->textures;
      held->texture_references += record->ref_count;
    } else if (record->kind == KOR::RESOURCE_SOUND) {
      ++held->sounds;
      held->sound_references += record->ref_count;
    }
  }
}

HELD held() {
  HELD h;
  const KOR::KC_RESOURCE_MANAGER& manager = *KOR::engine_resource_manager;
  count(manager.main_records, &h);
  for (const auto& repository : manager.repositories) count(repository->records, &h);
  return h;
}

struct MEMORY {
  int64_t heap;
  int64_t resident;
};

MEMORY memory() {
  long pages = 0, resident = 0;
  if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  const size_t heap = __sanitizer_get_current_allocated_bytes != nullptr
                          ? __sanitizer_get_current_allocated_bytes()
                          : mallinfo2().uordblks;
  return {int64_t(heap), int64_t(resident) * sysconf(_SC_PAGESIZE)};
}

void expect_no_growth(const MEMORY& first, const char* when) {
  const MEMORY now = memory();
  EXPECT_LE(now.heap, first.heap + kHeapSlack) << when << ": live heap grew";
  EXPECT_LE(now.resident, first.resident + kResidentSlack) << when << ": resident memory grew";
}

// The hour passes in 20 update steps a second (a slow machine's rate; the
// game steps by the time that passed), drawn once a second: every kind of
// frame still runs thousands of times, and the hour takes a minute or two
// under the sanitizers.
void slow_machine() {
  KOR::engine_game->update_cap = kStepsPerSecond;
  KOR::engine_game->render_cap = 1;
}

bool level_running() { return game::game_instance().current_level_scene() != nullptr; }

// An hour in level 1: five minutes in play each time, then the pause
// window's way back to the levels; every time the level is left, the
// textures and sounds it took are given back, and memory stays where it
// was after the first visit.
TEST(long_run_e2e, AnHourInALevelGivesBackWhatEachVisitTookAndDoesNotGrow) {
  SCRIPTED_PLAYER player;
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  constexpr int kVisit = 5;  // minutes
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    slow_machine();
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
    ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
    ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
    HELD in_menus{};
    MEMORY first{};
    for (int minutes = 0; minutes < kHour; minutes += kVisit) {
      ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
      ASSERT_TRUE(p.wait_until(&level_running, "level 1 running"));
      p.frames(kVisit * kMinute);
      game::game_instance().current_level_scene()->open_pause();
      ASSERT_TRUE(p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kMenuButton));
      ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
      EXPECT_FALSE(level_running());
      if (minutes == 0) {
        in_menus = held();
        first = memory();
      } else {
        EXPECT_EQ(held(), in_menus) << "after " << minutes + kVisit << " minutes";
        expect_no_growth(first, "in the levels window");
      }
    }
  });
  EXPECT_EQ(status, 0);
}

// An hour in the menus: the main panel's tabs, a world's levels and the
// options, a round each minute; after the first minute nothing grows.
TEST(long_run_e2e, AnHourInTheMenusDoesNotGrow) {
  SCRIPTED_PLAYER player;
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    slow_machine();
    HELD after_a_round{};
    MEMORY first{};
    for (int minute = 0; minute < kHour; ++minute) {
      ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
      ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
      ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kTrophiesTab));
      ASSERT_TRUE(p.wait_open("WINDOW_TROPHIES"));
      ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kWorldsTab));
      ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
      ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
      p.frames(kMinute / 2);
      ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kBackButton));
      ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton));
      ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kOkButton));
      ASSERT_TRUE(p.wait_open("Title"));
      p.frames(kMinute / 2);
      if (minute == 0) {
        after_a_round = held();
        first = memory();
      } else {
        EXPECT_EQ(held(), after_a_round) << "after " << minute + 1 << " minutes";
        expect_no_growth(first, "at the title");
      }
    }
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
