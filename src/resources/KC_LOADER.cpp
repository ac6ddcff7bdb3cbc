#include "resources/KC_LOADER.h"

#include <pugixml.hpp>

#include "platform/KC_THREAD.h"

namespace KOR {

int32_t load_item_type(const char* text) {
  switch (text != nullptr ? text[0] : '\0') {
    case 'I':
      return LOAD_IMAGE;
    case 'S':
      return LOAD_SOUND;
    case 'M':
      return LOAD_MUSIC;
    case 'V':
      return LOAD_VIDEO;
    case 'X':
      return LOAD_XML;
    default:
      return LOAD_OTHER;
  }
}

KC_LOADER::KC_LOADER(JOB job) : job(job) { lock.init(); }

KC_LOADER::KC_LOADER(const pugi::xml_node& node) : KC_LOADER(default_worker) { read_items(node); }

KC_LOADER::~KC_LOADER() {
  if (thread != nullptr) thread_wait(thread.get());
}

void KC_LOADER::start() {
  thread = start_thread(
      [](void* loader) -> int {
        auto* self = static_cast<KC_LOADER*>(loader);
        return self->job(self);
      },
      this);
}

void KC_LOADER::read_items(const pugi::xml_node& node) {
  for (pugi::xml_node child : node.children()) {
    auto item = std::make_unique<KS_LOAD_ITEM>();
    item->path = child.attribute("PATH").value();
    item->type = load_item_type(child.attribute("TYPE").value());
    items.push_back(std::move(item));
    ++total;
  }
}

int32_t KC_LOADER::progress() {
  lock.enter();
  const int32_t percent = progress_percent;
  lock.leave();
  return percent;
}

int32_t KC_LOADER::default_worker(KC_LOADER* loader) {
  if (loader == nullptr) return -1;
  uint32_t done = 0;
  while (!loader->items.empty()) {
    ++done;
    loader->lock.enter();
    loader->progress_percent = static_cast<int32_t>(static_cast<double>(done) /
                                                    static_cast<uint32_t>(loader->total) * 100.0);
    loader->lock.leave();
    loader->items.erase(loader->items.begin());
  }
  return 1;
}

}  // namespace KOR
