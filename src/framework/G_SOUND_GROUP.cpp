#include "framework/G_SOUND_GROUP.h"

#include <cstdlib>
#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "sound/KC_SOUND_STREAM.h"

namespace KOR_GF {

G_SOUND_GROUP::~G_SOUND_GROUP() { clear(); }

void G_SOUND_GROUP::release_stream(G_SOUND_ENTRY* entry) {
  if (entry->stream != nullptr && KOR::engine_resource_manager != nullptr) {
    KOR::engine_resource_manager->release_sound(entry->stream);
  }
  // Released data may be unloaded: the entry must not play it any more.
  entry->stream = nullptr;
}

void G_SOUND_GROUP::load_xml(const pugi::xml_node& node) {
  for (pugi::xml_node child : node.children()) {
    auto entry = std::make_unique<G_SOUND_ENTRY>();
    entry->name = child.attribute("name").value();
    entry->path = child.attribute("path").value();
    entry->whole = child.attribute("streamed").as_bool();
    entry->buffer_count =
        static_cast<int32_t>(std::strtol(child.attribute("cnt_buffers").value(), nullptr, 10));
    entry->looped = child.attribute("looped").as_bool();
    std::unique_ptr<G_SOUND_ENTRY>& slot = entries_[entry->name];
    // A replaced entry goes with its stream, and the sequence's place is
    // kept: it is an iterator to the slot, not to the entry.
    if (slot != nullptr) release_stream(slot.get());
    slot = std::move(entry);
  }
}

int G_SOUND_GROUP::load_all() {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  if (manager == nullptr) return 1;
  for (auto& [name, entry] : entries_) {
    if (entry->stream == nullptr) {
      entry->stream = manager->get_sound(entry->path, entry->buffer_count, entry->whole);
    }
  }
  return 1;
}

int G_SOUND_GROUP::release_all() {
  for (auto& [name, entry] : entries_) release_stream(entry.get());
  return 1;
}

void G_SOUND_GROUP::clear() {
  release_all();
  entries_.clear();
  // Nothing is left to play, and the sequence's place is gone.
  sequence_running_ = false;
}

G_SOUND_ENTRY* G_SOUND_GROUP::find(const std::string& name) const {
  auto at = entries_.find(name);
  return at != entries_.end() ? at->second.get() : nullptr;
}

int G_SOUND_GROUP::start(G_SOUND_ENTRY* entry, float delay, bool restart) {
  if (entry == nullptr || entry->stream == nullptr) return -1;
  if (volume_ <= 0.0f) return 1;
  if (restart) {
    entry->stream->restart();
  } else {
    entry->stream->play_after(delay);
  }
  entry->stream->set_gain(volume_);
  return 1;
}

int G_SOUND_GROUP::play(const std::string& name) { return start(find(name), 0.0f, true); }

int G_SOUND_GROUP::play_after(const std::string& name, float delay) {
  return start(find(name), delay, false);
}

double G_SOUND_GROUP::duration(const std::string& name) const {
  const G_SOUND_ENTRY* entry = find(name);
  return entry != nullptr && entry->stream != nullptr ? entry->stream->total_time() : 0.0;
}

void G_SOUND_GROUP::set_volume(float volume) {
  volume_ = volume / 100.0f;
  for (auto& [name, entry] : entries_) {
    if (entry->stream != nullptr) entry->stream->set_gain(volume_);
  }
}

int G_SOUND_GROUP::start_sequence() {
  if (entries_.empty()) return -1;
  current_ = entries_.begin();
  start(current_->second.get(), 0.0f, true);
  sequence_running_ = true;
  return 1;
}

void G_SOUND_GROUP::advance() {
  if (!sequence_running_) return;
  const KOR::KC_SOUND_STREAM* stream = current_->second->stream;
  if (stream != nullptr && stream->playing) return;
  if (++current_ == entries_.end()) current_ = entries_.begin();
  start(current_->second.get(), 0.0f, true);
}

}  // namespace KOR_GF
