#pragma once

#include <cstdint>
#include <string>

namespace KOR {

// What a record's `data` holds.
constexpr int32_t RESOURCE_NONE = 0;
constexpr int32_t RESOURCE_BYTES = 1;
constexpr int32_t RESOURCE_TEXTURE = 2;
constexpr int32_t RESOURCE_SOUND = 3;
constexpr int32_t RESOURCE_XML = 4;
constexpr int32_t RESOURCE_RAW = 5;
constexpr int32_t RESOURCE_FILE = 6;

// One loadable file or archive entry: where its bytes lie, what it is loaded
// as, the loaded object and how many users hold it.
class KC_RESOURCE {
 public:
  // Splits the path after its last '/' into `folder` and `name`.
  explicit KC_RESOURCE(const std::string& path);

  // Frees the loaded object by kind; false (nothing done) while referenced
  // or not loaded.
  bool release();
  bool mark_unload();
  // One reference less, never below 0: a surplus release must not let an
  // unload pass free an object that a later getter handed out.
  bool drop_ref();

  std::string name;
  std::string folder;
  std::string password;
  int32_t size = 0;
  void* data = nullptr;
  int32_t ref_count = 0;
  int32_t kind = RESOURCE_NONE;
  uint8_t loaded = 0;
  uint8_t unload_mark = 0;

 private:
  void release_sound();
};

}  // namespace KOR
