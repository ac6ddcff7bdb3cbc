#pragma once

#include <filesystem>
#include <string>

#include "SERVICE/engine_globals.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "support/null_render.h"
#include "support/puzzle_fixture.h"
#include "support/resource_sandbox.h"

namespace puzzle_test {

// A level field with its pictures: a recording renderer, a start folder
// holding the game's own interface, pack, grid and atlas pictures, and a
// resource manager with their repositories mounted.
class FieldGraphicsFixture : public PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    config_.load_string(
        "<config><timeOfScrollingFieldBeforeLevelStart text=\"2\"/>"
        "<flowingWaterOneCycleTime text=\"3\"/><flowingWaterPauseTime text=\"1\"/>"
        "<waterAnimationFrameTime text=\"0.25\"/><coinAnimationFrameTime text=\"0.1\"/>"
        "<coinAnimationDelay text=\"2\"/><equipmentAnimationFrameTime text=\"0.5\"/>"
        "<bottomOpenConnectionGlowAnimationFrameTimeRender text=\"0.2\"/></config>");
    const std::filesystem::path from = test_support::runtime_dir() + "/Resources";
    for (const char* folder : {"graphics/main", "xml/atlas", "graphics/gui"}) {
      std::filesystem::create_directories(sandbox.resources() / folder);
      std::filesystem::copy(from / folder, sandbox.resources() / folder,
                            std::filesystem::copy_options::recursive);
    }
    for (const char* repository :
         {"graphics/main", "graphics/main/interface", "graphics/main/backs", "graphics/gui"}) {
      ASSERT_EQ(manager->add_repository(repository, ""), 1) << repository;
    }
    KOR::engine_resource_manager = manager;
  }

  void TearDown() override {
    // The field outlives this fixture's members: its sprites go back to a
    // manager only while there is one.
    KOR::engine_resource_manager = nullptr;
    delete manager;
    manager = nullptr;
    PlayFixture::TearDown();
  }

  int references(const std::string& name) const {
    const KOR::KC_RESOURCE* r = manager->find(name);
    return r ? r->ref_count : -1;
  }

  ResourceSandbox sandbox{false};
  primitives_test::NullRender render;
  KOR::KC_RESOURCE_MANAGER* manager = new KOR::KC_RESOURCE_MANAGER;
};

}  // namespace puzzle_test
