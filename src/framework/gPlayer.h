#pragma once

#include <iosfwd>
#include <string>

namespace pugi {
class xml_node;
}

namespace KOR_GF {

// The framework's part of a player profile: name and settings. The game's
// profile class adds its progress and reads and writes the whole profile.
class gPlayer {
 public:
  gPlayer() = default;
  explicit gPlayer(const std::wstring& name) : name_(name) {}
  // The defaults, then the element's base attributes (see load).
  explicit gPlayer(const pugi::xml_node& element);
  gPlayer(const gPlayer&) = default;
  gPlayer& operator=(const gPlayer&) = default;
  virtual ~gPlayer() = default;

  // Every base attribute is read; a missing one gives 0 or false, not the
  // default. Of the name, what a players file cannot hold is left out.
  virtual void load(const pugi::xml_node& element);
  // Appends "name", "sound_volume", "music_volume", "game_cursor" and
  // "full_screen" in that order.
  virtual void save(pugi::xml_node& element) const;
  // The whole profile element: the base attributes first, then the game's.
  virtual void load_profile(const pugi::xml_node& element) = 0;
  virtual void save_profile(pugi::xml_node& element) const = 0;

  // The binary form: the name in UTF-8 and a line feed, the sound and music
  // volumes as 4-byte floats, then the game-cursor and full-screen flags as
  // one byte each. Reading takes nothing from a stream that is not good and
  // changes the profile only when the whole record was read.
  void write_binary(std::ostream& out) const;
  bool read_binary(std::istream& in);

  float sound_volume() const { return sound_volume_; }
  void set_sound_volume(float volume) { sound_volume_ = volume; }
  float music_volume() const { return music_volume_; }
  void set_music_volume(float volume) { music_volume_ = volume; }
  bool game_cursor() const { return game_cursor_ != 0; }
  void set_game_cursor(bool on) { game_cursor_ = on; }
  std::wstring name() const { return name_; }
  void set_name(const std::wstring& name) { name_ = name; }
  std::string name_utf8() const;

  // Read and written by the game directly.
  unsigned char full_screen = 1;

 private:
  float sound_volume_ = 50.0f;  // 0 to 100
  float music_volume_ = 50.0f;  // 0 to 100
  unsigned char game_cursor_ = 1;
  std::wstring name_;
};

}  // namespace KOR_GF
