#include "gui/KC_GUI_SCROLL_BAR12.h"

#include <algorithm>
#include <cmath>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "foundation/KS_COLOR.h"
#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_RENDER.h"

namespace KOR {

namespace {

constexpr int kFrames = 12;
constexpr float kRadius = 15.0f;
constexpr float kTurn = 3.14f;
constexpr float kQuarterTurn = 1.57f;
constexpr int kStartCap = 3;
constexpr int kEndCap = 4;
constexpr int kMiddle = 5;
constexpr int kFirstFrame[KC_GUI_SCROLL_BAR12::kPieces] = {0, 3, 6, 9, 11, 10};
constexpr uint32_t kCentreMark = 0xFFFF0000u;
constexpr uint32_t kRightMark = 0xFF00FF00u;
constexpr uint32_t kLeftMark = 0xFF0000FFu;
constexpr float kMarkSide = 5.0f;

void mark(float x, float y, uint32_t argb) {
  KC_RENDER::instance->draw_square(static_cast<int>(x), static_cast<int>(y), KS_COLOR(argb),
                                   kMarkSide);
}

}  // namespace

KC_GUI_SCROLL_BAR12::KC_GUI_SCROLL_BAR12(unsigned int id, KC_TEXTURE* texture)
    : KC_GUI_OBJECT(id), texture_(texture) {
  for (int i = 0; i < 3; ++i) {
    parts_[i] = std::make_unique<KS_TRANSFORM3>();
    parts_[i]->parent = transform;
    shapes_[i] =
        std::make_unique<KC_HIT_SHAPE>(KC_HIT_SHAPE::kCircle, parts_[i].get(), kRadius, 0.0f);
  }
  const float d = 2.0f * kRadius;
  const KS_VECTOR2 start = parts_[0]->position_xy();
  const KS_VECTOR2 end = parts_[1]->position_xy();
  // Nothing moves the buttons apart, so the middle may have no length.
  const float middle = std::max(0.0f, (end - start).length() - 3.0f * d);
  for (int i = 0; i < kPieces; ++i) {
    auto q = std::make_unique<KC_QUAD>(texture, i < 3 ? parts_[i].get() : nullptr);
    if (i >= 3) q->transform()->parent = transform;
    q->set_size(static_cast<int>(d), static_cast<int>(i == kMiddle ? middle : d));
    q->set_hot_spot(HS_MID);
    if (i == kMiddle) {
      q->fit_uv_to_texture();
      q->move_uv(static_cast<float>(kFirstFrame[i]) / kFrames, 0.0f);
    } else {
      q->set_grid_frame(kFrames, 1, kFirstFrame[i], false);
    }
    pieces_[i] = std::move(q);
  }
  pieces_[kStartCap]->transform()->set_position(start + start_cap_offset_);
  pieces_[kEndCap]->transform()->set_position(end - direction_ * d);
  pieces_[kMiddle]->transform()->set_position((start + end) / 2.0f);
  const float angle =
      end.y > start.y ? kTurn + std::acos(direction_.x) : kTurn + std::acos(-direction_.x);
  for (const auto& q : pieces_) q->transform()->rotation.z = angle;
  pieces_[kMiddle]->transform()->rotation.z = angle - kQuarterTurn;
}

KC_GUI_SCROLL_BAR12::~KC_GUI_SCROLL_BAR12() { callback_invoke(hook_release_resource, texture_); }

void KC_GUI_SCROLL_BAR12::draw() {
  for (int i : {kStartCap, kEndCap, kMiddle, 0, 1, 2}) pieces_[i]->draw_in_world();
  // The hit circles: centre and the corners of the box their sizes span.
  for (int i : {0, 2, 1}) {
    const KS_VECTOR2 at = parts_[i]->position_xy();
    const float hw = shapes_[i]->width() / 2.0f;
    const float hh = shapes_[i]->height() / 2.0f;
    const float corners[4][2] = {{hw, hh}, {hw, -hh}, {-hw, hh}, {-hw, -hh}};
    mark(at.x, at.y, kCentreMark);
    for (int c = 0; c < 4; ++c) {
      mark(at.x + corners[c][0], at.y + corners[c][1], c < 2 ? kRightMark : kLeftMark);
    }
  }
}

}  // namespace KOR
