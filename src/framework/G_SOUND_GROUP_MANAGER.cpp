#include "framework/G_SOUND_GROUP_MANAGER.h"

#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "framework/G_SOUND_GROUP.h"

namespace KOR_GF {

// Here, where the groups are complete.
G_SOUND_GROUP_MANAGER::~G_SOUND_GROUP_MANAGER() = default;

void G_SOUND_GROUP_MANAGER::load_xml(const pugi::xml_node& node) {
  for (pugi::xml_node child : node.children()) {
    auto group = std::make_unique<G_SOUND_GROUP>();
    group->load_xml(child);
    groups_[child.attribute("name").value()] = std::move(group);
  }
}

int G_SOUND_GROUP_MANAGER::sound_count() const {
  int total = 0;
  for (const auto& [name, group] : groups_) total += group->size();
  return total;
}

G_SOUND_GROUP* G_SOUND_GROUP_MANAGER::find(const std::string& group) const {
  auto at = groups_.find(group);
  return at != groups_.end() ? at->second.get() : nullptr;
}

int G_SOUND_GROUP_MANAGER::load_group(const std::string& group) {
  G_SOUND_GROUP* g = find(group);
  return g != nullptr ? g->load_all() : 0;
}

int G_SOUND_GROUP_MANAGER::release_group(const std::string& group) {
  G_SOUND_GROUP* g = find(group);
  return g != nullptr ? g->release_all() : 0;
}

int G_SOUND_GROUP_MANAGER::clear_group(const std::string& group) {
  G_SOUND_GROUP* g = find(group);
  if (g == nullptr) return 0;
  g->clear();
  return 1;
}

int G_SOUND_GROUP_MANAGER::play(const std::string& group, const std::string& sound) {
  G_SOUND_GROUP* g = find(group);
  return g != nullptr ? g->play(sound) : -1;
}

int G_SOUND_GROUP_MANAGER::play_after(const std::string& group, const std::string& sound,
                                      float delay) {
  G_SOUND_GROUP* g = find(group);
  return g != nullptr ? g->play_after(sound, delay) : -1;
}

double G_SOUND_GROUP_MANAGER::duration(const std::string& group, const std::string& sound) const {
  const G_SOUND_GROUP* g = find(group);
  return g != nullptr ? g->duration(sound) : 0.0;
}

int G_SOUND_GROUP_MANAGER::set_volume(const std::string& group, float volume) {
  G_SOUND_GROUP* g = find(group);
  if (g == nullptr) return -1;
  g->set_volume(volume);
  return 1;
}

int G_SOUND_GROUP_MANAGER::start_sequence(const std::string& group, float interval) {
  sequences_running_ = true;
  G_SOUND_GROUP* g = find(group);
  if (g == nullptr) return -1;
  interval_ = interval;
  clock_ = 0.0f;
  return g->start_sequence();
}

void G_SOUND_GROUP_MANAGER::update() {
  if (!sequences_running_) return;
  clock_ += KOR::frame_dt;
  if (clock_ < interval_) return;
  clock_ = 0.0f;
  for (auto& [name, group] : groups_) group->advance();
}

}  // namespace KOR_GF
