#include "framework/G_SOUND_MANAGER.h"

#include <cstdlib>
#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "sound/KC_SOUND_STREAM.h"

namespace KOR_GF {

G_SOUND_MANAGER::~G_SOUND_MANAGER() { drop_list(); }

void G_SOUND_MANAGER::drop_list() {
  // At exit the resource manager may be gone already, and the list with it.
  if (list_document_ != nullptr && KOR::engine_resource_manager != nullptr) {
    KOR::engine_resource_manager->release_xml(list_document_);
  }
  list_document_ = nullptr;
}

bool G_SOUND_MANAGER::load(const std::string& list_name) {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  list_name_ = list_name;
  if (manager == nullptr) return false;
  drop_list();
  list_document_ = manager->get_xml(list_name);
  if (list_document_ == nullptr) return false;
  const pugi::xml_node sounds = list_document_->child("sounds");
  if (!sounds) {
    drop_list();
    return false;
  }
  for (pugi::xml_node entry : sounds.children()) {
    const pugi::xml_attribute name = entry.attribute("name");
    const pugi::xml_attribute path = entry.attribute("path");
    const pugi::xml_attribute buffers = entry.attribute("buffcount");
    const pugi::xml_attribute streamed = entry.attribute("streamed");
    if (!name || !path || !buffers || !streamed || has(name.value())) continue;
    const auto buffer_count = static_cast<int32_t>(std::strtol(buffers.value(), nullptr, 10));
    const bool music = entry.attribute("music").as_bool();
    music_flags_[name.value()] = music;
    if (music) {
      sounds_[name.value()] = nullptr;
      music_sources_[name.value()] = MUSIC_SOURCE{path.value(), buffer_count, streamed.as_bool()};
      continue;
    }
    sounds_[name.value()] = manager->get_sound(path.value(), buffer_count, streamed.as_bool());
  }
  return true;
}

bool G_SOUND_MANAGER::has(const std::string& name) const { return sounds_.count(name) != 0; }

KOR::KC_SOUND_STREAM* G_SOUND_MANAGER::find(const std::string& name) const {
  auto at = sounds_.find(name);
  return at != sounds_.end() ? at->second : nullptr;
}

bool G_SOUND_MANAGER::is_playing(const std::string& name) const {
  const KOR::KC_SOUND_STREAM* stream = find(name);
  return stream != nullptr && stream->playing;
}

KOR::KC_SOUND_STREAM* G_SOUND_MANAGER::stream_to_play(const std::string& name) {
  auto at = sounds_.find(name);
  if (at == sounds_.end()) return nullptr;
  const auto source = music_sources_.find(name);
  if (at->second == nullptr && source != music_sources_.end() &&
      KOR::engine_resource_manager != nullptr) {
    const MUSIC_SOURCE& s = source->second;
    at->second = KOR::engine_resource_manager->get_sound(s.path, s.buffer_count, s.decode_whole);
  }
  return at->second;
}

void G_SOUND_MANAGER::give_back(KOR::KC_SOUND_STREAM*& stream) {
  if (stream != nullptr && KOR::engine_resource_manager != nullptr) {
    KOR::engine_resource_manager->release_sound(stream);
  }
  stream = nullptr;
}

void G_SOUND_MANAGER::play(const std::string& name, bool loop, float play_time, float pause_time) {
  if (loop && play_time != 0.0f && pause_time != 0.0f) {
    repeats_[name] = REPEAT{play_time, pause_time, 0.0f, false, true};
  }
  const bool music = is_music(name);
  KOR::KC_SOUND_STREAM* stream = stream_to_play(name);
  if (stream == nullptr) return;
  stream->loop = loop;
  // Before play: a music just loaded starts at its group's gain, not at full
  // volume.
  stream->set_gain(muted_ ? 0.0f : music ? music_volume_ : sound_volume_);
  stream->play();
}

void G_SOUND_MANAGER::stop(const std::string& name) {
  auto at = repeats_.find(name);
  if (at != repeats_.end()) {
    at->second.phase_start = 0.0f;
    at->second.paused = false;
    at->second.active = false;
  }
  auto stream = sounds_.find(name);
  if (stream == sounds_.end() || stream->second == nullptr) return;
  stream->second->stop();
  if (music_sources_.count(name) != 0) give_back(stream->second);
}

void G_SOUND_MANAGER::update() {
  clock_ += KOR::frame_dt;
  const auto now = static_cast<float>(clock_);
  for (auto& [name, repeat] : repeats_) {
    if (!repeat.active) continue;
    if (repeat.phase_start == 0.0f) repeat.phase_start = now;
    const float elapsed = now - repeat.phase_start;
    if (!repeat.paused && elapsed >= repeat.play_time) {
      repeat.phase_start = now;
      repeat.paused = true;
      // Stopping rewinds: the next playing phase starts from the beginning.
      if (KOR::KC_SOUND_STREAM* stream = find(name)) stream->stop();
    } else if (repeat.paused && elapsed >= repeat.pause_time) {
      repeat.phase_start = now;
      repeat.paused = false;
      play(name, true, repeat.play_time, repeat.pause_time);
    }
  }
}

void G_SOUND_MANAGER::apply_gain(bool music, float gain) {
  for (auto& [name, stream] : sounds_) {
    if (is_music(name) == music && stream != nullptr) stream->set_gain(gain);
  }
}

void G_SOUND_MANAGER::set_music_volume(float volume) {
  if (!muted_) music_volume_ = volume;
  apply_gain(true, muted_ ? 0.0f : music_volume_);
}

void G_SOUND_MANAGER::set_sound_volume(float volume) {
  if (!muted_) sound_volume_ = volume;
  apply_gain(false, muted_ ? 0.0f : sound_volume_);
}

void G_SOUND_MANAGER::set_mute(bool mute) {
  muted_ = mute;
  apply_gain(true, mute ? 0.0f : music_volume_);
  apply_gain(false, mute ? 0.0f : sound_volume_);
}

void G_SOUND_MANAGER::release_all() {
  for (auto& [name, stream] : sounds_) give_back(stream);
  music_sources_.clear();
}

G_SOUND_MANAGER& sound_manager_instance() {
  static G_SOUND_MANAGER manager;
  return manager;
}

}  // namespace KOR_GF
