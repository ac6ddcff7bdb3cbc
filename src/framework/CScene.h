#pragma once

#include <cstdint>

namespace KOR_GF {

// What fills the screen under the windows; the application drives it. Only
// start and restart must be given; every other operation does nothing here.
class CScene {
 public:
  virtual ~CScene() = default;
  virtual void update() {}
  virtual void draw() {}
  virtual void start() = 0;
  virtual void restart() = 0;
  virtual void spare_hook_a() {}
  virtual void mouse_move() {}
  virtual void spare_hook_b() {}
  virtual void spare_hook_c() {}
  virtual void key_down(int) {}
  virtual void key_up(int) {}
  virtual void spare_hook_d() {}
  virtual void spare_hook_e() {}
  virtual void load_resources() {}
  virtual void release_resources() {}

  // 1 = the level scene.
  int32_t kind = 0;
};

}  // namespace KOR_GF
