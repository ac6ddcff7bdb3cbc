#pragma once

#include <map>
#include <string>

namespace pugi {
class xml_document;
}

namespace KOR {
class KC_SOUND_STREAM;
}

namespace KOR_GF {

// Plays the game's sounds and music by name, as the sound list "xml
// sounds.xml" lists them, with one volume for music, one for the other
// sounds and a mute switch. Names that are not listed, and listed sounds
// whose data could not be loaded, are silent. A music is loaded when it is
// played and given back when stopped: the tracks are long, and one plays at
// a time.
class G_SOUND_MANAGER {
 public:
  G_SOUND_MANAGER() = default;
  // Gives the list back; the streams went back with release_all.
  ~G_SOUND_MANAGER();
  G_SOUND_MANAGER(const G_SOUND_MANAGER&) = delete;
  G_SOUND_MANAGER& operator=(const G_SOUND_MANAGER&) = delete;

  // False when the list is missing or has no "sounds" element. The list is
  // held until the manager goes or loads another. Entries
  // lacking "name", "path", "buffcount" or "streamed", or repeating a name,
  // are skipped. "streamed" true decodes a sound whole when it is loaded.
  bool load(const std::string& list_name);
  bool has(const std::string& name) const;
  // Null for a music that is not loaded.
  KOR::KC_SOUND_STREAM* find(const std::string& name) const;
  bool is_playing(const std::string& name) const;

  // Once (loop false), endlessly (loop true, a time 0) or as a timed loop:
  // play_time seconds of sound, pause_time seconds of silence, and again
  // from the start until stop. A sound already playing is not restarted.
  void play(const std::string& name, bool loop, float play_time, float pause_time);
  // Also ends a timed loop of the name.
  void stop(const std::string& name);
  // Gains 0..1; while muted nothing is stored.
  void set_music_volume(float volume);
  void set_sound_volume(float volume);
  void set_mute(bool mute);
  // Once per frame: the phases of the timed loops.
  void update();
  // Gives every stream back; the manager plays nothing afterwards.
  void release_all();

  // The resource name last given to load, kept also when it failed.
  const std::string& list_name() const { return list_name_; }
  float music_volume() const { return music_volume_; }
  float sound_volume() const { return sound_volume_; }
  bool is_muted() const { return muted_; }

 private:
  struct REPEAT {
    float play_time = 0.0f;
    float pause_time = 0.0f;
    float phase_start = 0.0f;  // 0 = not started yet
    bool paused = false;
    bool active = false;
  };

  // Where a music is loaded from when it is played.
  struct MUSIC_SOURCE {
    std::string path;
    int32_t buffer_count = 0;
    bool decode_whole = false;
  };

  bool is_music(const std::string& name) { return music_flags_[name]; }
  // The stream of a listed sound, a music loaded first if it is not.
  KOR::KC_SOUND_STREAM* stream_to_play(const std::string& name);
  void give_back(KOR::KC_SOUND_STREAM*& stream);
  // Gives the held list back to the resource manager.
  void drop_list();
  // The gain for every existing source of one group.
  void apply_gain(bool music, float gain);

  std::map<std::string, KOR::KC_SOUND_STREAM*> sounds_;
  std::map<std::string, bool> music_flags_;
  std::map<std::string, MUSIC_SOURCE> music_sources_;
  std::map<std::string, REPEAT> repeats_;
  std::string list_name_;
  pugi::xml_document* list_document_ = nullptr;
  float music_volume_ = 0.5f;
  float sound_volume_ = 0.5f;
  bool muted_ = false;
  double clock_ = 0.0;
};

G_SOUND_MANAGER& sound_manager_instance();

}  // namespace KOR_GF
