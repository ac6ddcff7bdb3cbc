#pragma once

#include "bots/KC_BASE.h"

namespace KOR {

// The frame of a behaviour that waits out a delay, then takes one step per
// update until a step reports it over, and then finishes and asks its list
// to delete it. BOT_MSG_SET_CALLBACK sets the completion; BOT_MSG_FINISH
// finishes at once, unless the behaviour ignores it.
class KC_BOT_TIMED : public KC_BASE {
 public:
  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

 protected:
  // finishes_on_request false: BOT_MSG_FINISH is ignored.
  explicit KC_BOT_TIMED(float delay, KC_CALLBACK* completion = nullptr,
                        bool finishes_on_request = true);

  // Derived constructors call this once their own fields are set.
  void begin_unless_delayed();

  // Called when the delay runs out, and from begin_unless_delayed when
  // there is none.
  virtual void begin() {}
  // One update after the delay; false once the behaviour is over.
  virtual bool step(float dt) = 0;
  // The end: the target's final state and the completion, which may delete
  // the behaviour's owner.
  virtual void finish() = 0;

  float delay_;
  // The caller's (a window's own member, say): the behaviour only fires it.
  KC_CALLBACK* completion_;

 private:
  bool finishes_on_request_;
};

}  // namespace KOR
