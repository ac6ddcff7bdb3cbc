#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

namespace KOR {

// The samples that pass every test while a scene is drawn, counted by one
// occlusion query per scene on the current OpenGL context. Results are
// read a few scenes late, when the device has long finished them, so that
// counting never waits for drawing. Query names are GLuint.
class GL_SHADED_COUNT {
 public:
  GL_SHADED_COUNT() = default;
  ~GL_SHADED_COUNT();
  GL_SHADED_COUNT(const GL_SHADED_COUNT&) = delete;
  GL_SHADED_COUNT& operator=(const GL_SHADED_COUNT&) = delete;

  void begin_scene();
  void end_scene();
  // Every sample counted so far, waiting for the scenes still pending.
  uint64_t total();

 private:
  void collect(size_t keep);

  unsigned active_ = 0;
  std::deque<unsigned> pending_;
  std::vector<unsigned> spare_;
  uint64_t total_ = 0;
};

}  // namespace KOR
