#include "resources/KC_REPOSITORY.h"

#include "resources/KC_RESOURCE.h"

namespace KOR {

void store_record(KC_RECORD_MAP& records, std::unique_ptr<KC_RESOURCE> record) {
  auto [at, inserted] = records.try_emplace(record->name);
  if (!inserted && at->second->loaded != 0) return;
  at->second = std::move(record);
}

KC_REPOSITORY::KC_REPOSITORY(const std::string& name, const std::string& password)
    : name(name), password(password) {}

KC_REPOSITORY::~KC_REPOSITORY() = default;

void KC_REPOSITORY::add(std::unique_ptr<KC_RESOURCE> record) {
  store_record(records, std::move(record));
}

KC_RESOURCE* KC_REPOSITORY::find(const std::string& entry) const {
  auto at = records.find(entry);
  return at == records.end() ? nullptr : at->second.get();
}

KC_RESOURCE* KC_REPOSITORY::find_by_data(const void* data) const {
  for (const auto& [key, record] : records) {
    if (record->data == data) return record.get();
  }
  return nullptr;
}

void KC_REPOSITORY::clear() { records.clear(); }

bool KC_REPOSITORY::mark_unload() {
  marked = 1;
  size_t unloaded = 0;
  for (auto& [key, record] : records) {
    if (record->mark_unload()) ++unloaded;
  }
  if (unloaded == records.size()) clear();
  return records.empty();
}

int32_t KC_REPOSITORY::unload_unused() {
  int32_t released = 0;
  size_t released_marked = 0;
  for (auto& [key, record] : records) {
    if (!record->release()) continue;
    ++released;
    if (record->unload_mark != 0) ++released_marked;
  }
  if (released_marked == records.size()) clear();
  return released;
}

}  // namespace KOR
