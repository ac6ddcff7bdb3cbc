#include "resources/KC_RESOURCE_MANAGER.h"

#include <algorithm>
#include <cstdio>
#include <pugixml.hpp>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/text_utilities.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "resources/KC_RESOURCE.h"
#include "sound/KC_SOUND_SYSTEM.h"

namespace KOR {

namespace {

// A record loaded as another kind cannot also be loaded as this one: its
// object would be overwritten and lost.
bool blocks_kind(const KC_RESOURCE* record, int32_t kind) {
  return record->loaded != 0 && record->kind != kind;
}

}  // namespace

KC_RESOURCE_MANAGER::KC_RESOURCE_MANAGER() = default;

KC_RESOURCE_MANAGER::~KC_RESOURCE_MANAGER() {
  auto free_all = [](KC_RECORD_MAP& records) {
    for (auto& [key, record] : records) {
      record->ref_count = 0;
      record->release();
      record.reset();
    }
    records.clear();
  };
  for (const auto& repository : repositories) free_all(repository->records);
  repositories.clear();
  free_all(main_records);
}

KC_RESOURCE* KC_RESOURCE_MANAGER::find(const std::string& name) const {
  const int blanks = text_count_spaces(name);
  if (blanks == 0) return find_plain(name);
  if (blanks >= 2) return nullptr;
  std::string rest = name;
  const std::vector<std::string> parts = text_split(rest, ' ', true);
  const KC_REPOSITORY* repository = find_repository(parts[0]);
  if (repository == nullptr) return find_plain(name);
  // A blank at the end leaves no key to look up.
  return parts.size() < 2 ? nullptr : repository->find(parts[1]);
}

KC_RESOURCE* KC_RESOURCE_MANAGER::find_plain(const std::string& name) const {
  auto at = main_records.find(name);
  if (at != main_records.end()) return at->second.get();
  for (const auto& repository : repositories) {
    if (KC_RESOURCE* record = repository->find(name)) return record;
  }
  return nullptr;
}

KC_REPOSITORY* KC_RESOURCE_MANAGER::find_repository(const std::string& name) const {
  for (const auto& repository : repositories) {
    if (repository->name == name) return repository.get();
  }
  return nullptr;
}

KC_RESOURCE* KC_RESOURCE_MANAGER::find_by_data(const void* data) const {
  if (data == nullptr) return nullptr;
  for (const auto& [key, record] : main_records) {
    if (record->data == data) return record.get();
  }
  for (const auto& repository : repositories) {
    if (KC_RESOURCE* record = repository->find_by_data(data)) return record;
  }
  return nullptr;
}

namespace {

KC_TEXTURE* default_texture() {
  return KC_RENDER::instance != nullptr ? KC_RENDER::instance->default_texture : nullptr;
}

// The default texture stands in; the line names the picture to mend. An
// empty name asks for no picture at all.
KC_TEXTURE* missing_texture(const std::string& name) {
  if (!name.empty()) {
    std::fprintf(stderr, "Aquavex: texture \"%s\" is missing or cannot be read\n", name.c_str());
  }
  return default_texture();
}

// The sound stays silent; the line names the file to mend.
KC_SOUND_STREAM* missing_sound(const std::string& name) {
  std::fprintf(stderr, "Aquavex: sound \"%s\" is missing or cannot be read\n", name.c_str());
  return nullptr;
}

}  // namespace

KC_TEXTURE* KC_RESOURCE_MANAGER::get_texture(const std::string& name) {
  KC_RESOURCE* record = find(name);
  if (record == nullptr || blocks_kind(record, RESOURCE_TEXTURE)) return missing_texture(name);
  const bool ready = record->loaded != 0 || load_texture(record);
  ++record->ref_count;
  KC_TEXTURE* texture = ready ? static_cast<KC_TEXTURE*>(record->data) : nullptr;
  return texture != nullptr && texture != default_texture() ? texture : missing_texture(name);
}

bool KC_RESOURCE_MANAGER::load_texture(KC_RESOURCE* record) {
  KC_RENDER* render = KC_RENDER::instance;
  if (render == nullptr || KC_FILE_SYSTEM::instance->load_resource(record) != 1) return false;
  // An image that cannot be decoded comes back as the default texture.
  KC_TEXTURE* texture =
      render->load_texture_memory(record->data, static_cast<size_t>(record->size));
  KC_FILE_SYSTEM::free_bytes(record);
  record->data = texture;
  record->kind = RESOURCE_TEXTURE;
  record->loaded = 1;
  return true;
}

pugi::xml_document* KC_RESOURCE_MANAGER::get_xml(const std::string& name) {
  KC_RESOURCE* record = find(name);
  if (record == nullptr || blocks_kind(record, RESOURCE_XML)) return nullptr;
  if (record->loaded == 0 && !load_xml(record)) return nullptr;
  ++record->ref_count;
  return static_cast<pugi::xml_document*>(record->data);
}

bool KC_RESOURCE_MANAGER::load_xml(KC_RESOURCE* record) {
  if (KC_FILE_SYSTEM::instance->load_resource(record) != 1) return false;
  auto document = std::make_unique<pugi::xml_document>();
  const pugi::xml_parse_result parsed = document->load_buffer(
      record->data, static_cast<size_t>(record->size), pugi::parse_default, pugi::encoding_auto);
  KC_FILE_SYSTEM::free_bytes(record);
  if (!parsed) return false;
  // The record's data now; KC_RESOURCE::release frees it by its kind.
  record->data = document.release();
  record->kind = RESOURCE_XML;
  record->loaded = 1;
  record->ref_count = 0;
  return true;
}

KC_SOUND_STREAM* KC_RESOURCE_MANAGER::get_sound(const std::string& name, int32_t buffer_count,
                                                bool fully_decoded) {
  KC_RESOURCE* record = find(name);
  if (record == nullptr || blocks_kind(record, RESOURCE_SOUND)) return missing_sound(name);
  if (record->loaded == 0 && !load_sound(record, buffer_count, fully_decoded)) {
    return missing_sound(name);
  }
  ++record->ref_count;
  return static_cast<KC_SOUND_STREAM*>(record->data);
}

bool KC_RESOURCE_MANAGER::load_sound(KC_RESOURCE* record, int32_t buffer_count,
                                     bool fully_decoded) {
  KC_SOUND_SYSTEM* sound = KC_SOUND_SYSTEM::instance;
  if (sound == nullptr || KC_FILE_SYSTEM::instance->load_resource(record) != 1) return false;
  // The stream decodes from the bytes for its whole life; they go with it.
  KC_SOUND_STREAM* stream =
      sound->create_sound(record->data, record->size, buffer_count, fully_decoded);
  if (stream == nullptr) {
    KC_FILE_SYSTEM::free_bytes(record);
    return false;
  }
  record->data = stream;
  record->kind = RESOURCE_SOUND;
  record->loaded = 1;
  return true;
}

char* KC_RESOURCE_MANAGER::get_bytes(const std::string& name) {
  KC_RESOURCE* record = find(name);
  if (record == nullptr || blocks_kind(record, RESOURCE_RAW)) return nullptr;
  const bool ready = record->loaded != 0 || load_bytes(record);
  ++record->ref_count;
  return ready ? static_cast<char*>(record->data) : nullptr;
}

bool KC_RESOURCE_MANAGER::load_bytes(KC_RESOURCE* record) {
  if (KC_FILE_SYSTEM::instance->load_resource(record) != 1) {
    engine_last_error = "Cant load res ";
    callback_invoke(hook_error, nullptr);
    return false;
  }
  record->kind = RESOURCE_RAW;
  record->loaded = 1;
  return true;
}

void KC_RESOURCE_MANAGER::drop_ref_by_data(const void* data) {
  if (KC_RESOURCE* record = find_by_data(data)) record->drop_ref();
}

bool KC_RESOURCE_MANAGER::release_texture(KC_TEXTURE* texture) {
  if (texture == nullptr || texture == default_texture()) return false;
  KC_RESOURCE* record = find_by_data(texture);
  if (record == nullptr) return false;
  record->drop_ref();
  return true;
}

int32_t KC_RESOURCE_MANAGER::release_xml(const void* data) {
  drop_ref_by_data(data);
  return 0;
}

int32_t KC_RESOURCE_MANAGER::release_sound(const void* data) {
  drop_ref_by_data(data);
  return 0;
}

bool KC_RESOURCE_MANAGER::release_by_name(const std::string& name) {
  KC_RESOURCE* record = find(name);
  if (record == nullptr) return false;
  record->drop_ref();
  return true;
}

int32_t KC_RESOURCE_MANAGER::release_bytes_by_name(const std::string& name) {
  release_by_name(name);
  return 0;
}

int32_t KC_RESOURCE_MANAGER::add_repository(const char* folder, const char* password) {
  if (folder == nullptr) return -1;
  const std::string key = password != nullptr ? password : "";
  if (*folder == '\0') return build_main_repository(folder, key);
  return add_repository_folder(folder, key);
}

int32_t KC_RESOURCE_MANAGER::build_main_repository(const std::string& /*folder*/,
                                                   const std::string& /*password*/) {
  std::vector<std::string> names;
  KC_FILE_SYSTEM::list_folder(KC_FILE_SYSTEM::instance->resource_dir(), names, false, "*");
  if (names.empty()) {
    engine_last_error = "Main repository is empty";
    callback_invoke(hook_error, nullptr);
    return -1;
  }
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    store_record(main_records, std::make_unique<KC_RESOURCE>(*name));
  }
  callback_invoke(hook_error, nullptr);
  return 1;
}

int32_t KC_RESOURCE_MANAGER::add_repository_folder(const std::string& folder,
                                                   const std::string& password) {
  // A repository is a path below the resource directory, never beside it.
  if (KC_FILE_SYSTEM::climbs_out(folder)) return -1;
  const std::string path = KC_FILE_SYSTEM::instance->resource_dir() + folder;
  std::vector<std::string> names;
  switch (KC_FILE_SYSTEM::path_type(path)) {
    case PATH_FILE:
      KC_FILE_SYSTEM::list_archive(path, password, names);
      break;
    case PATH_DIRECTORY:
      KC_FILE_SYSTEM::list_folder(path, names, false, "*");
      break;
    default:
      return -1;
  }
  if (names.empty()) return -1;

  KC_REPOSITORY* repository = find_repository(folder);
  if (repository == nullptr) {
    repository = repositories.emplace_back(std::make_unique<KC_REPOSITORY>(folder, password)).get();
  } else if (repository->count() == static_cast<int32_t>(names.size()) &&
             std::all_of(names.begin(), names.end(),
                         [&](const std::string& name) { return repository->find(name); })) {
    return -110;
  }
  // Last to first, so that of two equal names the earlier listed one stays.
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    auto record = std::make_unique<KC_RESOURCE>(*name);
    // Archive entries keep their full name, which is what reading matches.
    record->name = *name;
    record->folder = folder;
    record->password = password;
    repository->add(std::move(record));
  }
  return 1;
}

int32_t KC_RESOURCE_MANAGER::remove_repository(const char* name) {
  if (name == nullptr) return 1;
  if (*name == '\0') return unmount_main() ? 1 : 0;
  return remove_named_repository(name);
}

bool KC_RESOURCE_MANAGER::unmount_main() {
  for (auto at = main_records.begin(); at != main_records.end();) {
    if (at->second->mark_unload()) {
      at = main_records.erase(at);
    } else {
      ++at;
    }
  }
  return main_records.empty();
}

int32_t KC_RESOURCE_MANAGER::remove_named_repository(const std::string& name) {
  KC_REPOSITORY* repository = find_repository(name);
  if (repository != nullptr && repository->mark_unload()) {
    std::erase_if(repositories, [&](const auto& r) { return r.get() == repository; });
  }
  return 1;
}

int32_t KC_RESOURCE_MANAGER::unload_unused() {
  int32_t total = 0;
  for (auto at = repositories.begin(); at != repositories.end();) {
    KC_REPOSITORY* repository = at->get();
    total += repository->unload_unused();
    if (repository->marked != 0 && repository->records.empty()) {
      at = repositories.erase(at);
    } else {
      ++at;
    }
  }
  for (auto at = main_records.begin(); at != main_records.end();) {
    KC_RESOURCE* record = at->second.get();
    if (record->release()) {
      ++total;
      if (record->unload_mark != 0) {
        at = main_records.erase(at);
        continue;
      }
    }
    ++at;
  }
  if (total > 0) host_return_free_memory();
  return total;
}

}  // namespace KOR
