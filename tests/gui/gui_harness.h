#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "platform/KC_INPUT.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "support/null_render.h"
#include "support/paths.h"
#include "support/resource_sandbox.h"

// What widgets need around them: the input object (pointer and keys), a
// renderer on the recording device (what was drawn can be read back), and a
// resource manager over the fixture pictures and fonts of tests/fixtures/gui,
// installed as the engine's. Names are plain file names: "image.png" (40 x 20),
// "strip.png" (100 x 10), "font.xml" with "font.png", "broken.xml".
class GuiHarness {
 public:
  GuiHarness() : sandbox_(false) {
    std::filesystem::copy(test_support::fixture_path("gui/Resources"), sandbox_.resources(),
                          std::filesystem::copy_options::recursive);
    manager_ = std::make_unique<KOR::KC_RESOURCE_MANAGER>();
    manager_->add_repository("", "");
    KOR::engine_resource_manager = manager_.get();
  }
  ~GuiHarness() {
    KOR::engine_resource_manager = nullptr;
    manager_.reset();
  }

  // References handed out and not given back for a resource name.
  int refs(const std::string& name) const {
    const KOR::KC_RESOURCE* record = manager_->find(name);
    return record ? record->ref_count : 0;
  }
  KOR::KC_TEXTURE* default_texture() const { return render_.render.default_texture; }
  // The vertex positions drawn since the last call, in submission order.
  std::vector<std::array<float, 3>> drawn() { return render_.drawn(); }
  void point(int x, int y) { input.mouse_move(x, y); }
  void press(int key = 1) {
    input.end_frame();
    input.key_down(static_cast<unsigned int>(key));
  }
  void release(int key = 1) {
    input.end_frame();
    input.key_up(key);
  }

  KOR::KC_INPUT input;

 private:
  ResourceSandbox sandbox_;
  primitives_test::NullRender render_;
  std::unique_ptr<KOR::KC_RESOURCE_MANAGER> manager_;
};
