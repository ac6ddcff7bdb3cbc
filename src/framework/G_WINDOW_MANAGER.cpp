#include "framework/G_WINDOW_MANAGER.h"

#include <algorithm>
#include <cstdio>
#include <pugixml.hpp>
#include <utility>

#include "SERVICE/engine_globals.h"
#include "framework/G_WINDOW.h"
#include "gui/KS_GUI_EVENT.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR_GF {

G_WINDOW_MANAGER::G_WINDOW_MANAGER(G_WINDOW_FACTORY factory) : factory_(factory) {}

// A manager that goes with a scene takes its windows' textures and fonts
// references with it: windows still enabled give them back first.
G_WINDOW_MANAGER::~G_WINDOW_MANAGER() {
  open_stack_.clear();
  for (std::unique_ptr<G_WINDOW>& window : windows_) {
    if (window->is_enabled()) window->disable();
    window.reset();
  }
}

bool G_WINDOW_MANAGER::load_list(const std::string& list_name) {
  KOR::KC_RESOURCE_MANAGER* resources = KOR::engine_resource_manager;
  if (!resources) return false;
  pugi::xml_document* list = resources->get_xml(list_name);
  if (!list) return false;
  for (const pugi::xml_node& entry : list->document_element().children()) {
    const pugi::xml_attribute file = entry.attribute("file");
    if (!file) continue;
    pugi::xml_document* description = resources->get_xml(file.value());
    if (!description) {
      // The game goes on without the window; the line says which file to mend.
      std::fprintf(stderr, "Aquavex: window description \"%s\" is missing or broken; skipped\n",
                   file.value());
      continue;
    }
    if (std::unique_ptr<G_WINDOW> window = factory_ ? factory_(*description) : nullptr) {
      windows_.push_back(std::move(window));
    }
    resources->release_xml(description);
  }
  resources->release_xml(list);
  return true;
}

G_WINDOW* G_WINDOW_MANAGER::find(const std::string& name) const {
  for (const std::unique_ptr<G_WINDOW>& window : windows_) {
    if (window->name() == name) return window.get();
  }
  return nullptr;
}

G_WINDOW* G_WINDOW_MANAGER::find_open(const std::string& name) const {
  for (G_WINDOW* window : open_stack_) {
    if (window->name() == name) return window;
  }
  return nullptr;
}

bool G_WINDOW_MANAGER::on_stack(const G_WINDOW* window) const {
  return std::find(open_stack_.begin(), open_stack_.end(), window) != open_stack_.end();
}

void G_WINDOW_MANAGER::remove_from_stack(const G_WINDOW* window) {
  open_stack_.erase(std::remove(open_stack_.begin(), open_stack_.end(), window), open_stack_.end());
}

G_WINDOW* G_WINDOW_MANAGER::show(const std::string& name) {
  G_WINDOW* window = find(name);
  if (!window) return nullptr;
  if (window->is_open()) return window;
  window->enable();
  // A window shown again before its closing finished is on the stack
  // already; it must not be there twice.
  remove_from_stack(window);
  open_stack_.insert(open_stack_.begin(), window);
  if (window->is_modal()) update_activation();
  window->open();
  sort_by_layer();
  return window;
}

G_WINDOW* G_WINDOW_MANAGER::close(const std::string& name) {
  G_WINDOW* window = find_open(name);
  if (window) window->close();
  return window;
}

void G_WINDOW_MANAGER::close_all() {
  const std::vector<G_WINDOW*> snapshot = open_stack_;
  for (G_WINDOW* window : snapshot) {
    if (on_stack(window)) window->close();
  }
}

G_WINDOW* G_WINDOW_MANAGER::enable(const std::string& name) {
  G_WINDOW* window = find(name);
  if (window) window->enable();
  return window;
}

G_WINDOW* G_WINDOW_MANAGER::disable(const std::string& name) {
  G_WINDOW* window = find(name);
  if (window) window->disable();
  return window;
}

void G_WINDOW_MANAGER::disable_all() {
  for (const std::unique_ptr<G_WINDOW>& window : windows_) {
    if (window->is_enabled()) window->disable();
  }
  if (KOR::engine_resource_manager) KOR::engine_resource_manager->unload_unused();
}

bool G_WINDOW_MANAGER::release_closed() {
  for (const G_WINDOW* window : open_stack_) {
    if (!window->is_open()) return false;
  }
  for (const std::unique_ptr<G_WINDOW>& window : windows_) {
    if (window->is_enabled() && !on_stack(window.get())) window->disable();
  }
  if (KOR::engine_resource_manager) KOR::engine_resource_manager->unload_unused();
  return true;
}

void G_WINDOW_MANAGER::refresh_all() {
  for (const std::unique_ptr<G_WINDOW>& window : windows_) window->refresh();
}

void G_WINDOW_MANAGER::relayout(int old_width) {
  for (const std::unique_ptr<G_WINDOW>& window : windows_) window->relayout(old_width);
}

void G_WINDOW_MANAGER::update() {
  const std::vector<G_WINDOW*> snapshot = open_stack_;
  for (G_WINDOW* window : snapshot) {
    if (!on_stack(window)) continue;
    const int result = window->update();
    if (result == WINDOW_UPDATE_CLOSED) {
      remove_from_stack(window);
      if (window->is_modal()) update_activation();
      return;
    }
    if (result == WINDOW_UPDATE_BLOCK) return;
  }
}

void G_WINDOW_MANAGER::draw() {
  for (auto it = open_stack_.rbegin(); it != open_stack_.rend(); ++it) (*it)->draw();
}

template <typename OFFER>
void G_WINDOW_MANAGER::offer(OFFER offer_to) {
  const std::vector<G_WINDOW*> snapshot = open_stack_;
  for (G_WINDOW* window : snapshot) {
    if (!on_stack(window)) continue;
    if (offer_to(window) || window->is_modal()) return;
  }
}

void G_WINDOW_MANAGER::key_down(int code) {
  offer([code](G_WINDOW* window) { return window->key_down(code) != nullptr; });
}

void G_WINDOW_MANAGER::key_up(int code) {
  offer([code](G_WINDOW* window) { return window->key_up(code) != nullptr; });
}

void G_WINDOW_MANAGER::mouse_move() {
  offer([](G_WINDOW* window) { return KOR::gui_takes_pointer(window->mouse_move()); });
}

void G_WINDOW_MANAGER::update_activation() {
  const std::vector<G_WINDOW*> snapshot = open_stack_;
  bool behind_modal = false;
  for (G_WINDOW* window : snapshot) {
    if (!on_stack(window)) continue;
    if (behind_modal) {
      window->deactivate();
    } else {
      window->activate();
      behind_modal = window->is_modal();
    }
  }
}

void G_WINDOW_MANAGER::sort_by_layer() {
  std::stable_sort(open_stack_.begin(), open_stack_.end(),
                   [](const G_WINDOW* a, const G_WINDOW* b) { return a->layer() > b->layer(); });
}

}  // namespace KOR_GF
