#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/KC_CRITICAL_SECTION.h"

namespace pugi {
class xml_node;
}

namespace KOR {

struct KC_THREAD;

// Item types by the first letter of "TYPE": Image, Sound, Music, Video, Xml;
// anything else is LOAD_OTHER.
constexpr int32_t LOAD_IMAGE = 0;
constexpr int32_t LOAD_SOUND = 1;
constexpr int32_t LOAD_MUSIC = 2;
constexpr int32_t LOAD_VIDEO = 3;
constexpr int32_t LOAD_XML = 4;
constexpr int32_t LOAD_OTHER = 5;

struct KS_LOAD_ITEM {
  std::string path;
  int32_t type = LOAD_OTHER;
};

int32_t load_item_type(const char* text);

// Base of a loading job that may run on a thread of its own while a derived
// screen draws and updates on the main thread; only the progress percentage
// is shared between the two, under the lock.
class KC_LOADER {
 public:
  using JOB = int32_t (*)(KC_LOADER*);

  explicit KC_LOADER(JOB job);
  // Queues the node's children as items, stepped through by `default_worker`.
  explicit KC_LOADER(const pugi::xml_node& node);
  // Queued items go with the loader, and a started job is waited for: it
  // works on this object.
  virtual ~KC_LOADER();
  KC_LOADER(const KC_LOADER&) = delete;
  KC_LOADER& operator=(const KC_LOADER&) = delete;

  // Runs the job on a thread of its own, with this loader as its argument.
  virtual void start();
  virtual int32_t draw() = 0;
  virtual int32_t update() = 0;

  void read_items(const pugi::xml_node& node);
  int32_t progress();
  void set_progress(int32_t percent) { progress_percent = percent; }

  // Steps the progress through the queue, emptying it; loads nothing itself.
  static int32_t default_worker(KC_LOADER* loader);

  JOB job;
  int32_t total = 0;
  std::vector<std::unique_ptr<KS_LOAD_ITEM>> items;
  std::unique_ptr<KC_THREAD> thread;

 private:
  KC_CRITICAL_SECTION lock;
  int32_t progress_percent = 0;
};

}  // namespace KOR
