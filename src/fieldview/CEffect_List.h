#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>

#include "platform/runtime_random.h"

namespace game {

// The alpha byte of a fade: truncated, and held to 0..255 so that a fade
// run past its end (or a broken time) never converts out of range.
inline uint8_t fade_alpha(float value) {
  if (!(value > 0.0f)) return 0;
  return static_cast<uint8_t>(std::min(value, 255.0f));
}

// The short effects playing at once, keyed by a positive id; owns them.
// Each new list reseeds the runtime generator with the time, as the
// effects' random spreads are designed around. `Effect` gives
// update(time) -> finished, draw() and shift(dx, dy).
template <class Effect>
class CEffect_List {
 public:
  CEffect_List() { KOR::runtime_srand_time(); }
  CEffect_List(const CEffect_List&) = delete;
  CEffect_List& operator=(const CEffect_List&) = delete;
  ~CEffect_List() { clear(); }

  // Steps every effect in id order; the finished ones are deleted at once.
  void update(int time) {
    for (auto it = effects_.begin(); it != effects_.end();) {
      if (it->second->update(time)) {
        it = effects_.erase(it);
      } else {
        ++it;
      }
    }
  }
  void draw() {
    for (auto& [id, effect] : effects_) effect->draw();
  }
  // The board moved by (dx, dy) pixels.
  void shift(float dx, float dy) {
    for (auto& [id, effect] : effects_) effect->shift(dx, dy);
  }
  void clear() { effects_.clear(); }
  int count() const { return static_cast<int>(effects_.size()); }
  const std::map<int, std::unique_ptr<Effect>>& effects() const { return effects_; }

 protected:
  // A new effect under the smallest free id (a gap left by a removed one
  // is reused first).
  Effect* insert() {
    int id = 1;
    while (effects_.count(id)) ++id;
    return (effects_[id] = std::make_unique<Effect>()).get();
  }

 private:
  std::map<int, std::unique_ptr<Effect>> effects_;
};

}  // namespace game
