#include <vector>

#include "level/CLevel_Tape.h"
#include "level/CPipe_Sprite.h"

namespace game {

namespace {

// A gap takes a piece when it is wider than two piece spacings.
bool wide(float gap) { return gap > 120.0f; }

}  // namespace

bool CLevel_Tape::find_gap(const std::vector<float>& xs, float x, float& at, int& slot) const {
  const float E = entry_x_;
  const float L = left_end_x_;
  const int n = int(xs.size());
  if (n == 0) {
    at = L + (E - L) / 2.0f;
    slot = 1;
    return true;
  }
  // X(k) for k = 1..n.
  auto X = [&xs](int k) { return xs[size_t(k - 1)]; };
  auto at_end = [&] {
    at = E - (E - X(n)) / 2.0f;
    slot = n + 1;
    return true;
  };
  auto at_start = [&] {
    at = L + (X(1) - L) / 2.0f;
    slot = 1;
    return true;
  };
  if (x > X(n)) {
    if (wide(E - X(n))) return at_end();
    for (int k = n; k >= 2; --k) {
      if (wide(X(k) - X(k - 1))) {
        at = X(k) - (X(k) - X(k - 1)) / 2.0f;
        slot = k;
        return true;
      }
    }
    return wide(X(1) - L) && at_start();
  }
  if (x < X(1) && x < float(origin_x_ + 760)) {
    if (wide(X(1) - L)) return at_start();
    for (int k = 1; k <= n - 1; ++k) {
      if (wide(X(k + 1) - X(k))) {
        at = X(k) + (X(k + 1) - X(k)) / 2.0f;
        slot = k + 1;
        return true;
      }
    }
    return wide(E - X(n)) && at_end();
  }
  for (int k = 1; k <= n - 1; ++k) {
    if (!(X(k) < x && x < X(k + 1))) continue;
    if (wide(X(k + 1) - X(k))) {
      at = X(k + 1) - (X(k + 1) - X(k)) / 2.0f;
      slot = k + 1;
      return true;
    }
    // The wide gap farthest left of the drop and the one farthest right;
    // the nearer of the two wins, a tie going left.
    bool has_left = false, has_right = false;
    float left = 0.0f, right = 0.0f;
    int left_slot = 0, right_slot = 0;
    for (int j = k; j >= 2; --j) {
      if (wide(X(j) - X(j - 1))) {
        has_left = true;
        left = X(j - 1) + (X(j) - X(j - 1)) / 2.0f;
        left_slot = j;
      }
    }
    if (!has_left && wide(X(1) - L)) {
      has_left = true;
      left = L + (X(1) - L) / 2.0f;
      left_slot = 1;
    }
    for (int j = k + 2; j <= n; ++j) {
      if (wide(X(j) - X(j - 1))) {
        has_right = true;
        right = X(j - 1) + (X(j) - X(j - 1)) / 2.0f;
        right_slot = j;
      }
    }
    if (!has_right && wide(E - X(n))) {
      has_right = true;
      right = X(n) + (E - X(n)) / 2.0f;
      right_slot = n + 1;
    }
    const float m = X(k) + (X(k + 1) - X(k)) / 2.0f;
    const bool take_right = has_right && (!has_left || right - m < m - left);
    if (!has_left && !has_right) return false;
    at = take_right ? right : left;
    slot = take_right ? right_slot : left_slot;
    return true;
  }
  return false;
}

bool CLevel_Tape::put_back(std::unique_ptr<CPipe_Sprite>& piece) {
  if (piece == nullptr || any_restriction()) return false;
  const int type = piece->type();
  if (weights_[type] > weight_step_) weights_[type] -= weight_step_;
  renumber(0);
  std::vector<float> xs;
  for (const auto& [slot, p] : slots_) xs.push_back(p->position().x);
  const KOR::KS_VECTOR2 drop = piece->position();
  float at = 0.0f;
  int slot = 0;
  if (!find_gap(xs, drop.x, at, slot)) {
    weights_[type] += weight_step_;
    return false;
  }
  piece->set_position(at, entry_y_);
  renumber(slot);
  slots_[slot] = std::move(piece);
  start_return_flight(drop.x, drop.y, slot);
  return true;
}

}  // namespace game
