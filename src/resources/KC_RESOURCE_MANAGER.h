#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/KC_REPOSITORY.h"

namespace pugi {
class xml_document;
}

namespace KOR {

class KC_RESOURCE;
class KC_SOUND_STREAM;
struct KC_TEXTURE;

// The engine's resource cache. A resource name is a plain key (searched in
// the main repository, then in every repository in mount order), or a
// repository name, one blank and a key in that repository; a name with more
// blanks names nothing. Records load on first use and count the references
// handed out; only `unload_unused` frees data.
class KC_RESOURCE_MANAGER {
 public:
  KC_RESOURCE_MANAGER();
  // The game keeps its manager for the whole run; a manager that is destroyed
  // frees whatever is still loaded.
  ~KC_RESOURCE_MANAGER();
  KC_RESOURCE_MANAGER(const KC_RESOURCE_MANAGER&) = delete;
  KC_RESOURCE_MANAGER& operator=(const KC_RESOURCE_MANAGER&) = delete;

  KC_RESOURCE* find(const std::string& name) const;
  KC_RESOURCE* find_plain(const std::string& name) const;
  KC_REPOSITORY* find_repository(const std::string& name) const;
  KC_RESOURCE* find_by_data(const void* data) const;

  // The renderer's default texture when the name is unknown or the image
  // cannot be read.
  KC_TEXTURE* get_texture(const std::string& name);
  pugi::xml_document* get_xml(const std::string& name);
  // The buffer count and the decoding choice matter only on the first load.
  KC_SOUND_STREAM* get_sound(const std::string& name, int32_t buffer_count, bool fully_decoded);
  // The bytes' count is the record's `size`.
  char* get_bytes(const std::string& name);

  // False for the default texture and for textures the manager did not hand out.
  bool release_texture(KC_TEXTURE* texture);
  int32_t release_xml(const void* data);
  int32_t release_sound(const void* data);
  bool release_by_name(const std::string& name);
  int32_t release_bytes_by_name(const std::string& name);

  // "" mounts the resource directory's own files as the main repository.
  int32_t add_repository(const char* folder, const char* password);
  int32_t build_main_repository(const std::string& folder, const std::string& password);
  int32_t add_repository_folder(const std::string& folder, const std::string& password);
  int32_t remove_repository(const char* name);
  bool unmount_main();
  int32_t remove_named_repository(const std::string& name);
  int32_t unload_unused();

  KC_RECORD_MAP main_records;
  std::vector<std::unique_ptr<KC_REPOSITORY>> repositories;

 private:
  bool load_texture(KC_RESOURCE* record);
  bool load_xml(KC_RESOURCE* record);
  bool load_sound(KC_RESOURCE* record, int32_t buffer_count, bool fully_decoded);
  bool load_bytes(KC_RESOURCE* record);
  // One reference less for the record holding this data, if any.
  void drop_ref_by_data(const void* data);
};

}  // namespace KOR
