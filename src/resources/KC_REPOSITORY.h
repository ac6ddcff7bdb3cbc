#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

namespace KOR {

class KC_RESOURCE;

using KC_RECORD_MAP = std::map<std::string, std::unique_ptr<KC_RESOURCE>>;

// Stores the record under its name. When the name is taken, the loaded one of
// the two is kept (its object stays reachable for release and unload) and the
// other destroyed; between two unloaded records the new one wins.
void store_record(KC_RECORD_MAP& records, std::unique_ptr<KC_RESOURCE> record);

// The records of one mounted folder or zip archive below the resource
// directory; its name is that path.
class KC_REPOSITORY {
 public:
  KC_REPOSITORY(const std::string& name, const std::string& password);
  ~KC_REPOSITORY();

  KC_RESOURCE* find(const std::string& entry) const;
  KC_RESOURCE* find_by_data(const void* data) const;
  void add(std::unique_ptr<KC_RESOURCE> record);
  void clear();
  // Marks the repository and its records for removal; empties it at once when
  // nothing is loaded. True when it is empty.
  bool mark_unload();
  // Releases every unreferenced record; a marked repository is emptied when
  // all its records were released in this pass. Returns the released count.
  int32_t unload_unused();
  int32_t count() const { return static_cast<int32_t>(records.size()); }

  const std::string name;
  const std::string password;
  KC_RECORD_MAP records;
  uint8_t marked = 0;
};

}  // namespace KOR
