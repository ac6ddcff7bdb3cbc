#pragma once

#include <filesystem>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "puzzle/CGame_Config.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/game_repositories.h"
#include "support/paths.h"

namespace content_test {

// The real run-time folder as the game mounts it at start-up: the Resources
// folder, "xml", the two packed repositories and every repository of
// "xml resource_list.xml", with the configuration store loaded from the
// packed repository. The previous current directory comes back at the end.
class GameResources {
 public:
  GameResources() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(test_support::runtime_dir());
    file_system_ = std::make_unique<KOR::KC_FILE_SYSTEM>();
    manager = std::make_unique<KOR::KC_RESOURCE_MANAGER>();
    KOR::engine_resource_manager = manager.get();
    game::mount_repositories(manager.get());
    if (pugi::xml_document* list = manager->get_xml("xml resource_list.xml")) {
      for (pugi::xml_node entry : list->first_child().children()) {
        if (!entry.attribute("value")) continue;
        listed.push_back(entry.attribute("value").value());
        if (manager->add_repository(listed.back().c_str(), "") != -1)
          mounted.push_back(listed.back());
      }
      manager->release_xml(list);
    }
    config_loaded = game::CGame_Config::instance().load();
  }
  ~GameResources() {
    game::CGame_Config::instance().set_document(nullptr);
    KOR::engine_resource_manager = nullptr;
    manager.reset();
    file_system_.reset();
    KOR::KC_FILE_SYSTEM::instance = nullptr;
    std::filesystem::current_path(previous_);
  }
  GameResources(const GameResources&) = delete;
  GameResources& operator=(const GameResources&) = delete;

  // The document's root element; an empty node when the resource is missing.
  // The document stays loaded while this object lives.
  pugi::xml_node root(const std::string& name) {
    pugi::xml_document* document = manager->get_xml(name);
    return document != nullptr ? document->first_child() : pugi::xml_node();
  }

  // The bytes of a resource; empty when it is missing.
  std::vector<unsigned char> bytes(const std::string& name) {
    const char* data = manager->get_bytes(name);
    if (data == nullptr) return {};
    const KOR::KC_RESOURCE* record = manager->find(name);
    return {data, data + record->size};
  }

  std::unique_ptr<KOR::KC_RESOURCE_MANAGER> manager;
  std::vector<std::string> listed;
  std::vector<std::string> mounted;
  bool config_loaded = false;

 private:
  std::filesystem::path previous_;
  std::unique_ptr<KOR::KC_FILE_SYSTEM> file_system_;
};

// A renderer on the recording null device, to decode pictures as the game
// does.
class Pictures {
 public:
  Pictures() : render(std::make_unique<KOR::GPU_NULL>()) { render.init(nullptr, 0.1f, 0.0f); }

  // The texture of the image bytes; null when the renderer could not decode
  // them (it hands out its default texture then).
  KOR::KC_TEXTURE* decode(const std::vector<unsigned char>& bytes) {
    KOR::KC_TEXTURE* texture = render.load_texture_memory(bytes.data(), bytes.size());
    return texture == render.default_texture ? nullptr : texture;
  }
  KOR::KC_TEXTURE* decode_file(const std::string& path) {
    KOR::KC_TEXTURE* texture = render.load_texture_file(path);
    return texture == render.default_texture ? nullptr : texture;
  }

  KOR::KC_RENDER render;
};

// Booleans of the game's XML: true when the text begins with 1, t, T, y or Y.
inline bool xml_flag(const pugi::xml_attribute& attribute) {
  const char first = attribute.value()[0];
  return first == '1' || first == 't' || first == 'T' || first == 'y' || first == 'Y';
}

}  // namespace content_test
