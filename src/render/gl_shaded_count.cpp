#define GL_GLEXT_PROTOTYPES
#include "render/gl_shaded_count.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace KOR {

namespace {

// Scenes whose results wait before the oldest is read: a frame's target
// passes and the frame itself, a few frames back.
constexpr size_t kPendingScenes = 16;

}  // namespace

GL_SHADED_COUNT::~GL_SHADED_COUNT() {
  if (active_ != 0) glEndQuery(GL_SAMPLES_PASSED);
  std::vector<unsigned> all(pending_.begin(), pending_.end());
  all.insert(all.end(), spare_.begin(), spare_.end());
  if (active_ != 0) all.push_back(active_);
  if (!all.empty()) glDeleteQueries(static_cast<GLsizei>(all.size()), all.data());
}

void GL_SHADED_COUNT::begin_scene() {
  // A scene left open (a frame whose clear failed) keeps its query.
  if (active_ != 0) return;
  if (spare_.empty()) {
    GLuint query = 0;
    glGenQueries(1, &query);
    spare_.push_back(query);
  }
  active_ = spare_.back();
  spare_.pop_back();
  glBeginQuery(GL_SAMPLES_PASSED, active_);
}

void GL_SHADED_COUNT::end_scene() {
  if (active_ == 0) return;
  glEndQuery(GL_SAMPLES_PASSED);
  pending_.push_back(active_);
  active_ = 0;
  collect(kPendingScenes);
}

uint64_t GL_SHADED_COUNT::total() {
  collect(0);
  return total_;
}

void GL_SHADED_COUNT::collect(size_t keep) {
  while (pending_.size() > keep) {
    GLuint64 samples = 0;
    glGetQueryObjectui64v(pending_.front(), GL_QUERY_RESULT, &samples);
    total_ += samples;
    spare_.push_back(pending_.front());
    pending_.pop_front();
  }
}

}  // namespace KOR
