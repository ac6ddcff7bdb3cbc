#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace pugi {
class xml_node;
}

namespace KOR {
class KC_SOUND_STREAM;
}

namespace KOR_GF {

// One sound of a group.
struct G_SOUND_ENTRY {
  std::string name;
  std::string path;     // resource name of the Ogg Vorbis data
  bool looped = false;  // read, used by nothing
  bool whole = false;   // decoded whole when loaded, else streamed
  int32_t buffer_count = 0;
  KOR::KC_SOUND_STREAM* stream = nullptr;  // held while the group is loaded
};

// A named set of sounds with one group volume: single sounds by name, at
// once or after a delay, or all of them one after another in name order,
// over and over.
class G_SOUND_GROUP {
 public:
  G_SOUND_GROUP() = default;
  ~G_SOUND_GROUP();
  G_SOUND_GROUP(const G_SOUND_GROUP&) = delete;
  G_SOUND_GROUP& operator=(const G_SOUND_GROUP&) = delete;

  int size() const { return static_cast<int>(entries_.size()); }
  // One entry per child element; a later name replaces an earlier one.
  void load_xml(const pugi::xml_node& node);
  // Streams for the entries that have none; an entry whose sound cannot be
  // loaded keeps none. Always 1.
  int load_all();
  // Gives every stream back; a later load_all takes them again. Always 1.
  int release_all();
  // Frees every entry and ends the sequence.
  void clear();
  G_SOUND_ENTRY* find(const std::string& name) const;

  // From the start, also when it plays already, at the group volume; a
  // volume of 0 plays nothing. -1 for an unknown name or a sound without a
  // stream, else 1.
  int play(const std::string& name);
  int play_after(const std::string& name, float delay);
  // Seconds; 0 for an unknown name or a sound without a stream.
  double duration(const std::string& name) const;
  // 0..100.
  void set_volume(float volume);
  float volume() const { return volume_; }
  // Plays the first sound in name order; -1 for an empty group.
  int start_sequence();
  bool is_sequence_running() const { return sequence_running_; }
  // Once the current sound is over, the next one in name order (the first
  // after the last) plays.
  void advance();

 private:
  using ENTRIES = std::map<std::string, std::unique_ptr<G_SOUND_ENTRY>>;

  // Plays at the group volume, at once or, with a delay, later.
  int start(G_SOUND_ENTRY* entry, float delay, bool restart);
  static void release_stream(G_SOUND_ENTRY* entry);

  ENTRIES entries_;
  float volume_ = 1.0f;
  bool sequence_running_ = false;
  ENTRIES::iterator current_;
};

}  // namespace KOR_GF
