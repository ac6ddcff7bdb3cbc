// The road from the title to the end of level 3 on the real window, with
// the sound going to OpenAL Soft's wave-file device: afterwards the file is
// listened to where the game said it played its music and its effects.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "e2e_game.h"
#include "framework/G_SOUND_MANAGER.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/game_main.h"
#include "support/level_player.h"
#include "support/temp_folder.h"
#include "support/wave_device.h"

namespace {

namespace fs = std::filesystem;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

constexpr long kRate = 44100;
constexpr long kFrameBytes = 4;      // a stereo frame of 16-bit samples
constexpr long kBlock = kRate / 50;  // 20 ms
// RMS of a 20 ms block (of 32767): above kHeard something sounds; the
// effects at full volume reach kEffect, which the music at a tenth of its
// volume never does.
constexpr double kHeard = 20.0;
constexpr double kEffect = 2500.0;

constexpr const char* kMusic[] = {"music_title", "music_track1"};
constexpr const char* kEffects[] = {"sound_button_click", "sound_tube_box", "sound_water_flow",
                                    "sound_level_finished"};

// Where the wave file stood (bytes) when the game said it played a sound.
struct PLAYED {
  std::string name;
  // It started after `from` and was playing at `to`; for music, `to` is
  // where it was last seen playing.
  std::uintmax_t from = 0;
  std::uintmax_t to = 0;
};

// Watches the game's sound manager frame by frame and notes each start of
// the sounds listened for against the wave file's length, which grows in
// real time with what the device mixes.
class EAR {
 public:
  explicit EAR(fs::path wave) : wave_(std::move(wave)) {}

  std::uintmax_t bytes() const {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(wave_, error);
    return error ? 0 : size;
  }

  void frame() {
    const std::uintmax_t now = bytes();
    KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
    for (const char* name : kEffects) {
      const bool playing = sounds.is_playing(name);
      if (playing && !was_playing_[name]) effects.push_back({name, last_, now});
      was_playing_[name] = playing;
    }
    for (const char* name : kMusic) {
      const bool playing = sounds.is_playing(name);
      if (playing && !was_playing_[name]) music.push_back({name, now, now});
      if (playing) music_of(name).to = now;
      was_playing_[name] = playing;
    }
    last_ = now;
  }

  // Frames until the device has written `seconds` more.
  void listen(SCRIPTED_PLAYER& p, double seconds) {
    const std::uintmax_t goal = bytes() + std::uintmax_t(seconds * kRate) * kFrameBytes;
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (bytes() < goal && p.running() && std::chrono::steady_clock::now() < give_up) {
      p.frames(1);
    }
    EXPECT_GE(bytes(), goal) << "the wave file stopped growing";
  }

  std::vector<PLAYED> effects;
  std::vector<PLAYED> music;

 private:
  PLAYED& music_of(const std::string& name) {
    return *std::find_if(music.rbegin(), music.rend(),
                         [&](const PLAYED& m) { return m.name == name; });
  }

  fs::path wave_;
  std::uintmax_t last_ = 0;
  std::map<std::string, bool> was_playing_;
};

// The RMS of each 20 ms block of the file, both channels together.
class LOUDNESS {
 public:
  explicit LOUDNESS(const test_support::WAVE_FILE& wave) : offset_(wave.data_offset) {
    const size_t per_block = size_t(kBlock) * 2;
    for (size_t at = 0; at + per_block <= wave.samples.size(); at += per_block) {
      double sum = 0.0;
      for (size_t i = at; i < at + per_block; ++i) sum += double(wave.samples[i]) * wave.samples[i];
      blocks_.push_back(std::sqrt(sum / double(per_block)));
    }
  }

  // The block a file length (bytes) reached into, clamped to the file.
  long block_at(std::uintmax_t bytes) const {
    const long frame = bytes > offset_ ? long((bytes - offset_) / kFrameBytes) : 0;
    return std::clamp(frame / kBlock, 0L, long(blocks_.size()));
  }

  const std::vector<double>& blocks() const { return blocks_; }

 private:
  size_t offset_;
  std::vector<double> blocks_;
};

// "Ada", new to the game, with the music turned low under full effects.
void write_ada(const fs::path& folder) {
  fs::create_directories(folder);
  std::ofstream(folder / "players.xml")
      << "<Players current=\"Ada\">\n\t<player name=\"Ada\" sound_volume=\"100\" "
         "music_volume=\"10\" game_cursor=\"true\" full_screen=\"false\" "
         "lastComicsShowed=\"0\"/>\n</Players>\n";
}

bool in_level(int n) {
  return game::current_level_number == n && game::game_instance().current_level_scene() != nullptr;
}

// From the title through the first comic into world 1, levels 1 and 2
// won with their tutorials, and level 3 won from its stored solution.
void play_the_road(SCRIPTED_PLAYER& p, EAR& ear) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.wait_open("Title"));
  ear.listen(p, 1.5);
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
  ASSERT_TRUE(p.wait_open("WINDOW_COMICS1"));
  // A click shows the comic's panels at once.
  p.press_button(512, 384);
  ASSERT_TRUE(p.click("WINDOW_COMICS1", game::COMICS_WINDOW::kCloseButton));
  ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
  ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
  ASSERT_TRUE(p.wait_until([] { return in_level(1); }, "level 1 running"));

  LEVEL_PLAYER level(p);
  ASSERT_TRUE(level.win(1));
  ear.listen(p, 1.0);
  ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kNextButton));
  ASSERT_TRUE(p.wait_until([] { return in_level(2); }, "level 2 running"));
  ASSERT_TRUE(level.win(2));
  ear.listen(p, 1.0);
  ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kNextButton));
  ASSERT_TRUE(p.wait_until([] { return in_level(3); }, "level 3 running"));
  ASSERT_TRUE(level.win(3));
  ear.listen(p, 1.0);
}

// Each music was heard for at least three quarters of the time the game
// played it (the rest allows for a refill late under load), and for more
// than a second.
void expect_music_heard(const EAR& ear, const LOUDNESS& loudness) {
  for (const char* name : kMusic) {
    long blocks = 0;
    long heard = 0;
    for (const PLAYED& m : ear.music) {
      if (m.name != name) continue;
      // The stdio buffer and the mixer's period blur the edges.
      for (long b = loudness.block_at(m.from) + 5; b < loudness.block_at(m.to) - 5; ++b) {
        ++blocks;
        if (loudness.blocks()[size_t(b)] > kHeard) ++heard;
      }
    }
    EXPECT_GT(blocks, 50) << name << " was played for too short a time to be heard";
    EXPECT_GE(heard * 4, blocks * 3)
        << name << ": heard in " << heard << " of " << blocks << " blocks of 20 ms";
  }
}

// Each start of an effect is heard above the music: the loudest block from
// just before the start was noted until 0.3 s after reaches the effect
// level. The music alone stays well below it.
void expect_effects_heard(const EAR& ear, const LOUDNESS& loudness) {
  std::map<std::string, int> starts;
  for (const PLAYED& e : ear.effects) {
    ++starts[e.name];
    const long first = std::max(0L, loudness.block_at(e.from) - 2);
    const long end = std::min(long(loudness.blocks().size()), loudness.block_at(e.to) + 15);
    double loudest = 0.0;
    for (long b = first; b < end; ++b) loudest = std::max(loudest, loudness.blocks()[size_t(b)]);
    EXPECT_GE(loudest, kEffect) << e.name << " started between blocks " << first + 2 << " and "
                                << end - 15 << " is not heard: the loudest is " << loudest;
  }
  for (const char* name : kEffects) EXPECT_GT(starts[name], 0) << name << " was never played";

  std::vector<double> music_only;
  for (const PLAYED& m : ear.music) {
    for (long b = loudness.block_at(m.from); b < loudness.block_at(m.to); ++b) {
      music_only.push_back(loudness.blocks()[size_t(b)]);
    }
  }
  ASSERT_FALSE(music_only.empty());
  std::sort(music_only.begin(), music_only.end());
  // The music at a tenth of its volume sits near a quarter of the effects'
  // level, the effects over it a little above: half tells it from music
  // played loud, which reaches the effects' level, without weighing the
  // music's own loudness to the last few percent.
  EXPECT_LT(music_only[music_only.size() / 2], kEffect / 2) << "the music is not low";
}

TEST(sound_road_e2e, MusicAndEffectsAreHeardFromTheTitleIntoLevelThree) {
  test_support::TempFolder folder("aquavex-sound");
  const fs::path wave = folder.path() / "road.wav";
  test_support::use_wave_device(wave);
  SCRIPTED_PLAYER player;
  write_ada(player.user_folder());
  EAR ear(wave);
  bool opened = false;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    // The wave device makes its file when the game opens it, which the
    // loading step does.
    ASSERT_TRUE(p.wait_until([] { return game::game_ready != 0; }, "the loading step done"));
    opened = fs::exists(wave);
    if (!opened) return;
    p.watch_frames([&ear] { ear.frame(); });
    play_the_road(p, ear);
  });
  if (!opened) GTEST_SKIP() << "OpenAL was set up earlier in this process";
  EXPECT_EQ(status, 0);
  // Also after a road cut short: what was played until then was heard.
  const LOUDNESS loudness(test_support::read_wave(wave));
  expect_music_heard(ear, loudness);
  expect_effects_heard(ear, loudness);
}

}  // namespace
