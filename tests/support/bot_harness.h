#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "bots/KC_BASE.h"
#include "bots/KC_BOT_LIST.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_VERTEX.h"
#include "foundation/KS_VERTEX_LIST.h"

namespace bots_test {

// Counts the invocations of a completion callback.
class CallCounter {
 public:
  CallCounter() = default;
  CallCounter(const CallCounter&) = delete;
  CallCounter& operator=(const CallCounter&) = delete;

  KOR::KC_CALLBACK* callback() { return &callback_; }
  intptr_t word() { return KOR::bot_word(&callback_); }
  int calls = 0;

 private:
  static int count(void* self) {
    ++static_cast<CallCounter*>(self)->calls;
    return 1;
  }
  KOR::KC_CALLBACK callback_{&CallCounter::count, "counter", this};
};

// The vertices of a mesh, all of one colour.
class Mesh {
 public:
  Mesh(int vertices, uint32_t argb) {
    list.allocate_vertices(vertices);
    list.set_color(argb);
  }
  ~Mesh() { list.release_vertices(); }
  Mesh(const Mesh&) = delete;
  Mesh& operator=(const Mesh&) = delete;

  // Every vertex's colour when all agree, else 0x12345678.
  uint32_t color() const {
    const uint32_t first = list.color();
    for (int i = 1; i < list.vertex_count(); ++i) {
      if (list.vertex_at(i)->color.argb() != first) return 0x12345678u;
    }
    return first;
  }

  KOR::KS_VERTEX_LIST list;
};

// Sets frame_dt for a scope and puts 0 back after it.
class FrameTime {
 public:
  explicit FrameTime(float dt) { KOR::frame_dt = dt; }
  ~FrameTime() { KOR::frame_dt = 0.0f; }
  FrameTime(const FrameTime&) = delete;
  FrameTime& operator=(const FrameTime&) = delete;
};

// What a behaviour did when run in a list of its own: its answer to each
// update, and the frame (1-based) whose pass deleted it, 0 for none.
struct Run {
  std::vector<int> answers;
  int deleted_on = 0;
};

// Wraps the behaviour under test so that the list's handling of it shows.
class Spy : public KOR::KC_BASE {
 public:
  Spy(KOR::KC_BASE* inner, Run* run, const int* frame) : inner_(inner), run_(run), frame_(frame) {}
  ~Spy() override { run_->deleted_on = *frame_; }

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override {
    const int answer = inner_->process(message, p1, p2, p3, p4);
    if (message == KOR::BOT_MSG_UPDATE) run_->answers.push_back(answer);
    return answer;
  }

 private:
  std::unique_ptr<KOR::KC_BASE> inner_;
  Run* run_;
  const int* frame_;
};

// Runs the behaviour (now owned by the run) in a list for `frames` frames of
// dt seconds; probe(frame) sees the state after each frame's update.
inline Run run_frames(KOR::KC_BASE* bot, float dt, int frames,
                      const std::function<void(int)>& probe = {}) {
  FrameTime time(dt);
  Run run;
  int frame = 0;
  {
    KOR::KC_BOT_LIST list;
    list.add(new Spy(bot, &run, &frame));
    for (frame = 1; frame <= frames; ++frame) {
      list.update();
      if (probe) probe(frame);
    }
    frame = 0;
  }
  return run;
}

// The frame (1-based) on which the behaviour first answered -113, 0 for none.
inline int ended_on(const Run& run) {
  for (size_t i = 0; i < run.answers.size(); ++i) {
    if (run.answers[i] == KOR::BOT_RESULT_REMOVE) return static_cast<int>(i) + 1;
  }
  return 0;
}

inline int update(KOR::KC_BASE& bot) { return bot.process(KOR::BOT_MSG_UPDATE, 0, 0, 0, 0); }
inline int finish(KOR::KC_BASE& bot) { return bot.process(KOR::BOT_MSG_FINISH, 0, 0, 0, 0); }

}  // namespace bots_test
