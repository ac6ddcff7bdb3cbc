#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "support/temp_folder.h"

namespace KOR {
class GPU;
class KC_GUI_OBJECT;
struct KC_CALLBACK;
}  // namespace KOR
namespace KOR_GF {
class G_WINDOW;
}

namespace test_support {

// The clock of a scripted game: time moves only when the main thread
// sleeps, so every run takes the same frames; other threads (the sound
// thread) really sleep and move nothing. The calendar stands still, so what
// the game seeds from it (the tape's deal) is the same every run.
class SCRIPTED_CLOCK : public KOR::KC_HOST_CLOCK {
 public:
  SCRIPTED_CLOCK();
  ~SCRIPTED_CLOCK() override;
  SCRIPTED_CLOCK(const SCRIPTED_CLOCK&) = delete;
  SCRIPTED_CLOCK& operator=(const SCRIPTED_CLOCK&) = delete;

  uint32_t now_ms() override { return now_; }
  void sleep_ms(uint32_t ms) override;
  int64_t calendar_seconds() override { return kCalendar; }

  // Noon, 1 March 2025 UTC.
  static constexpr int64_t kCalendar = 1740830400;

 private:
  std::atomic<uint32_t> now_{0};
};

// Plays the real game as a person would: the registered game main runs with
// its hooks, its real window and its Resources; the script acts between
// frames, with pointer, button and key events put into the host layer's
// event queue, on the scripted clock. Each player has a fresh per-user
// folder; with `own_resources` the game runs from a copy of the run-time
// folder that the test may change first.
class SCRIPTED_PLAYER {
 public:
  using SCRIPT = std::function<void(SCRIPTED_PLAYER&)>;
  // Frames a wait allows before it gives up: half a minute of game time.
  static constexpr int kPatience = 1800;

  explicit SCRIPTED_PLAYER(bool own_resources = false);
  ~SCRIPTED_PLAYER();
  SCRIPTED_PLAYER(const SCRIPTED_PLAYER&) = delete;
  SCRIPTED_PLAYER& operator=(const SCRIPTED_PLAYER&) = delete;

  // The game about to be played draws on the null device, six frames a
  // second: the window opens but shows nothing, and the play costs little
  // more than the game's updates.
  void use_null_device() { null_device_ = true; }
  // The game about to be played draws on this device, which it then owns.
  void use_device(KOR::GPU* device) { device_ = device; }

  // Runs the game, the script first acting after the game has started.
  // When the script ends with the game still running, the window's close
  // box is clicked. The result is the process exit status the game gives.
  int play(const SCRIPT& script);

  // The game's per-user folder (players.xml, Settings.xml).
  std::filesystem::path user_folder() const;
  // The game's Resources folder, a copy of its own with own_resources.
  std::filesystem::path resources() const;

  // ---- while the script runs ------------------------------------------
  // Game frames (update steps).
  void frames(int count);
  // False (and a test failure) when the condition does not come true.
  bool wait_until(const std::function<bool()>& condition, const std::string& what,
                  int max_frames = kPatience);
  // Until the window is fully open, so it acts on its controls.
  bool wait_open(const std::string& window, int max_frames = kPatience);
  bool wait_closed(const std::string& window, int max_frames = kPatience);
  // Waits until the window is fully open, then moves the pointer from the
  // screen's corner onto the widget's middle, presses and releases the left
  // button.
  bool click(const std::string& window, unsigned widget_id);
  // The pointer from the screen's corner onto the widget's middle, and a
  // left click there.
  void click_widget(KOR::KC_GUI_OBJECT& target);
  // Pointer in logical screen pixels.
  void move_pointer(int x, int y);
  // Moves the pointer there and clicks.
  void press_button(int x, int y);
  // The left button pressed and released where the pointer is.
  void press_left();
  // Its two halves, each in a frame of its own, for a script that looks
  // between them.
  void left_down();
  void left_up();
  // The right button pressed and released where the pointer is: it turns
  // the piece in the hand.
  void press_right();
  // A virtual-key code: 'A'..'Z', '0'..'9', 8 back space, 13 return, 27
  // escape, 32 space.
  void press_key(int code);
  // Letters, digits and blanks, each typed as a key with its character.
  void type(const std::string& text);
  // A key (as press_key) that types the UTF-8 text, as a keyboard layout or
  // an input method may deliver any character for a key.
  void type_as(int code, const std::string& text);
  void click_close_box();
  // Space pressed until the splash cards are over, as an impatient player
  // does.
  bool skip_splashes();
  bool running() const;
  // The message boxes the game showed, each "caption: text"; a shown box
  // would wait for a person, so the script takes them.
  const std::vector<std::string>& messages() const { return messages_; }

  // Called after every game frame's update while the script runs, to see
  // what the game did in that frame; an empty function watches nothing.
  void watch_frames(std::function<void()> watch) { watch_ = std::move(watch); }

  // The registered window of that name, open or not; null when none.
  KOR_GF::G_WINDOW* window(const std::string& name) const;
  KOR::KC_GUI_OBJECT* widget(const std::string& window, unsigned id) const;
  bool is_open(const std::string& window) const;

 private:
  static int before_loop(void* player);
  static int counting_update(void* player);
  void run_script();
  void push_key(int code, bool down, const char* text);
  void push_button(bool down, uint8_t button);
  static void take_message(const std::string& caption, const std::string& text);

  SCRIPTED_CLOCK clock_;
  TempFolder user_root_{"aquavex-player"};
  std::unique_ptr<TempFolder> own_start_;
  std::filesystem::path start_dir_;
  std::filesystem::path previous_dir_;
  const SCRIPT* script_ = nullptr;
  int64_t updates_ = 0;
  KOR::KC_CALLBACK* game_update_ = nullptr;
  std::vector<std::string> messages_;
  std::function<void()> watch_;
  bool null_device_ = false;
  KOR::GPU* device_ = nullptr;
};

}  // namespace test_support
