#pragma once

#include <map>
#include <memory>
#include <string>

namespace pugi {
class xml_node;
}

namespace KOR_GF {

class G_SOUND_GROUP;

// Sound groups by name: read from XML, every operation forwarded by group
// name, and the groups' sequences checked at a fixed interval.
class G_SOUND_GROUP_MANAGER {
 public:
  G_SOUND_GROUP_MANAGER() = default;
  ~G_SOUND_GROUP_MANAGER();
  G_SOUND_GROUP_MANAGER(const G_SOUND_GROUP_MANAGER&) = delete;
  G_SOUND_GROUP_MANAGER& operator=(const G_SOUND_GROUP_MANAGER&) = delete;

  // One group per child element, under its "name"; a later group of a name
  // replaces the earlier one.
  void load_xml(const pugi::xml_node& node);
  int count() const { return static_cast<int>(groups_.size()); }
  int sound_count() const;
  G_SOUND_GROUP* find(const std::string& group) const;

  // 0 for an unknown group.
  int load_group(const std::string& group);
  int release_group(const std::string& group);
  int clear_group(const std::string& group);
  // -1 for an unknown group.
  int play(const std::string& group, const std::string& sound);
  int play_after(const std::string& group, const std::string& sound, float delay);
  // 0 for an unknown group.
  double duration(const std::string& group, const std::string& sound) const;
  // 1, or -1 for an unknown group.
  int set_volume(const std::string& group, float volume);
  // Sequences are checked every `interval` seconds from now on; -1 for an
  // unknown group.
  int start_sequence(const std::string& group, float interval);
  // Once per frame.
  void update();

 private:
  std::map<std::string, std::unique_ptr<G_SOUND_GROUP>> groups_;
  bool sequences_running_ = false;
  float interval_ = 1.0f;
  float clock_ = 0.0f;
};

}  // namespace KOR_GF
