#pragma once

#include <filesystem>
#include <string>

#include "SERVICE/engine_globals.h"
#include "render/KC_RENDER.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "support/paths.h"
#include "support/resource_sandbox.h"

namespace framework_test {

// The framework fixture tree in a throw-away Resources folder, with a
// renderer on the recording device and the engine's resource manager over
// the main repository and the "graphics", "xml", "sounds" and "fonts"
// folders. A sound system, when a test needs one, must be made first: the
// manager's records hold its streams.
class FrameworkResources {
 public:
  FrameworkResources()
      : sandbox(false), gpu(new KOR::GPU_NULL), render(std::unique_ptr<KOR::GPU>(gpu)) {
    std::filesystem::copy(test_support::fixture_path("framework/Resources"), sandbox.resources(),
                          std::filesystem::copy_options::recursive);
    render.init(nullptr, 0.1f, 0.0f);
    manager.add_repository("", "");
    for (const char* folder : {"graphics", "xml", "sounds", "fonts"}) {
      manager.add_repository(folder, "");
    }
    KOR::engine_resource_manager = &manager;
  }
  ~FrameworkResources() { KOR::engine_resource_manager = nullptr; }
  FrameworkResources(const FrameworkResources&) = delete;
  FrameworkResources& operator=(const FrameworkResources&) = delete;

  // References held on the named resource; -1 when it does not exist.
  int references(const std::string& name) const {
    const KOR::KC_RESOURCE* record = manager.find(name);
    return record != nullptr ? record->ref_count : -1;
  }
  bool is_loaded(const std::string& name) const {
    const KOR::KC_RESOURCE* record = manager.find(name);
    return record != nullptr && record->loaded != 0;
  }

  ResourceSandbox sandbox;
  KOR::GPU_NULL* gpu;  // owned by the renderer
  KOR::KC_RENDER render;
  KOR::KC_RESOURCE_MANAGER manager;
};

}  // namespace framework_test
