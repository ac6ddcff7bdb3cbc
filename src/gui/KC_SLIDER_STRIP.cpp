#include "gui/KC_SLIDER_STRIP.h"

#include <algorithm>
#include <cmath>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "gui/KC_BASESLIDER.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {

constexpr float kPi = 3.1415927f;
constexpr float kHalfPi = 1.5707964f;
constexpr int kStartCapFrame = 9;
constexpr int kMiddleColumn = 10;
constexpr int kEndCapFrame = 11;
constexpr int kFillColumn = 12;
constexpr int kEndFrames = 3;
constexpr int kKnobFrames = 6;

int whole(float v) { return static_cast<int>(v); }

// Half a turn plus the angle of the track, whichever way it runs.
float track_angle(const KC_BASESLIDER& slider) {
  const KS_VECTOR2 d = slider.direction();
  return slider.end_button().y > slider.start_button().y ? kPi + std::acos(d.x)
                                                         : kPi + std::acos(-d.x);
}

}  // namespace

KC_SLIDER_STRIP::KC_SLIDER_STRIP(int columns) : columns_(columns) {}

KC_SLIDER_STRIP::~KC_SLIDER_STRIP() = default;

std::unique_ptr<KC_QUAD> KC_SLIDER_STRIP::own_piece(KC_TEXTURE* texture,
                                                    const KC_BASESLIDER& slider,
                                                    float length) const {
  auto q = std::make_unique<KC_QUAD>(texture, nullptr);
  q->transform()->parent = slider.transform;
  q->set_size(whole(frame_width_), whole(length));
  q->set_hot_spot(HS_MID);
  return q;
}

// One texel per pixel down the column, so a long piece repeats or runs on
// into the strip as the texture addressing says.
void KC_SLIDER_STRIP::show_column(KC_QUAD* piece, int column) const {
  piece->fit_uv_to_texture();
  piece->move_uv(static_cast<float>(column) / static_cast<float>(columns_), 0.0f);
  keep_inside_frame(piece);
}

// The groove's pieces meet edge to edge, and a filtered edge would blend in
// the first column of the frame beside it: a light seam where a cap meets
// the middle, a dash beside the middle. They sample half a texel inside.
void KC_SLIDER_STRIP::keep_inside_frame(KC_QUAD* piece) const {
  if (piece->vertex_count() < 4) return;
  float left = piece->vertices[0].u;
  float right = left;
  for (int i = 1; i < 4; ++i) {
    left = std::min(left, piece->vertices[i].u);
    right = std::max(right, piece->vertices[i].u);
  }
  const float half_texel = 0.5f / strip_width_;
  for (int i = 0; i < 4; ++i) {
    float& u = piece->vertices[i].u;
    u = u == left ? left + half_texel : right - half_texel;
  }
}

void KC_SLIDER_STRIP::build(KC_TEXTURE* texture, const KC_BASESLIDER& slider, float middle_extra) {
  frame_width_ = static_cast<float>(texture->image_size.x / columns_);
  strip_width_ = static_cast<float>(std::max(texture->image_size.x, 1));
  frame_height_ = static_cast<float>(texture->image_size.y);
  const KS_VECTOR2 d = slider.direction();
  const KS_VECTOR2 s = slider.start_button();
  const KS_VECTOR2 e = slider.end_button();
  button_vector_ = d * frame_width_ * slider.button_distance();

  KS_TRANSFORM3* parts[] = {slider.start_transform(), slider.end_transform(),
                            slider.knob_transform()};
  std::unique_ptr<KC_QUAD>* quads[] = {&start_, &end_, &knob_};
  for (int i = 0; i < 3; ++i) {
    *quads[i] = std::make_unique<KC_QUAD>(texture, parts[i]);
    (*quads[i])->set_size(whole(frame_width_), whole(frame_height_));
    (*quads[i])->set_hot_spot(HS_MID);
  }
  start_cap_ = own_piece(texture, slider, frame_height_);
  start_cap_->set_grid_frame(columns_, 1, kStartCapFrame, false);
  keep_inside_frame(start_cap_.get());
  start_cap_->transform()->set_position(s + button_vector_ - d * frame_width_ / 2.0f);
  end_cap_ = own_piece(texture, slider, frame_height_);
  end_cap_->set_grid_frame(columns_, 1, kEndCapFrame, false);
  keep_inside_frame(end_cap_.get());
  end_cap_->transform()->set_position(e - button_vector_ + d * frame_width_ / 2.0f);
  const float run = ((e - button_vector_) - (s + button_vector_)).length();
  middle_ = own_piece(texture, slider, run + middle_extra);
  show_column(middle_.get(), kMiddleColumn);
  middle_->transform()->set_position((s + e) / 2.0f);
  if (columns_ > kFillColumn) fill_ = own_piece(texture, slider, 0.0f);
  show_states(slider);
  turn(slider);
  place_fill(slider);
}

void KC_SLIDER_STRIP::follow_track(const KC_BASESLIDER& slider) {
  const KS_VECTOR2 d = slider.direction();
  const KS_VECTOR2 s = slider.start_button();
  const KS_VECTOR2 e = slider.end_button();
  const KS_VECTOR2 t = e - s;
  middle_->set_size(whole(frame_width_), whole(t.length() - 3.0f * frame_width_));
  start_cap_->transform()->set_position(s + d * (frame_width_ + 2.0f));
  end_cap_->transform()->set_position(e - d * (frame_width_ + 2.0f));
  middle_->transform()->set_position(s.x + t.x / 2.0f, s.y + t.y / 2.0f, 0.0f);
  for (KC_QUAD* q : {start_cap_.get(), end_cap_.get(), middle_.get()}) q->set_hot_spot(HS_MID);
  turn(slider);
  place_fill(slider);
}

void KC_SLIDER_STRIP::turn(const KC_BASESLIDER& slider) {
  const float angle = track_angle(slider);
  for (KC_QUAD* q : {start_.get(), end_.get(), knob_.get(), start_cap_.get(), end_cap_.get()})
    q->transform()->rotation.z = angle;
  // Middle and fill lie along their own y axis.
  for (KC_QUAD* q : {middle_.get(), fill_.get()}) {
    if (q) q->transform()->rotation.z = angle - kHalfPi;
  }
}

void KC_SLIDER_STRIP::place_fill(const KC_BASESLIDER& slider) {
  if (!fill_) return;
  const KS_VECTOR2 origin = slider.start_button() + button_vector_;
  fill_->set_size(whole(frame_width_), whole((slider.knob() - origin).length()));
  fill_->set_hot_spot(HS_MU);
  show_column(fill_.get(), kFillColumn);
  fill_->set_hot_spot(HS_MU);
  fill_->transform()->set_position(origin);
}

void KC_SLIDER_STRIP::show_states(const KC_BASESLIDER& slider) {
  start_->set_grid_frame(columns_, 1, slider.start_state(), false);
  end_->set_grid_frame(columns_, 1, slider.end_state() + kEndFrames, false);
  knob_->set_grid_frame(columns_, 1, slider.knob_state() + kKnobFrames, false);
}

void KC_SLIDER_STRIP::set_texture(KC_TEXTURE* texture) {
  for (KC_QUAD* q : {start_.get(), end_.get(), knob_.get(), start_cap_.get(), end_cap_.get(),
                     middle_.get(), fill_.get()}) {
    if (q) q->KC_MESH::set_texture(texture);
  }
}

void KC_SLIDER_STRIP::draw() {
  for (KC_QUAD* q : {start_cap_.get(), end_cap_.get(), middle_.get(), fill_.get(), start_.get(),
                     end_.get(), knob_.get()}) {
    if (q) q->draw_in_world();
  }
}

namespace {

// The track's unit vector and its angle to the x axis.
void track_axes(const KC_BASESLIDER& slider, KS_VECTOR2& u, float& alpha) {
  u = slider.end_button() - slider.start_button();
  u.normalize();
  alpha = u.angle_between(KS_VECTOR2(1.0f, 0.0f));
}

}  // namespace

float KC_SLIDER_STRIP::width(const KC_BASESLIDER& slider) const {
  KS_VECTOR2 u;
  float alpha = 0.0f;
  track_axes(slider, u, alpha);
  return std::fabs(u.x) * frame_width_ + std::fabs(std::sin(alpha)) * start_->height();
}

float KC_SLIDER_STRIP::height(const KC_BASESLIDER& slider) const {
  KS_VECTOR2 u;
  float alpha = 0.0f;
  track_axes(slider, u, alpha);
  return std::fabs(u.y) * frame_width_ + std::fabs(std::cos(alpha)) * start_->height();
}

}  // namespace KOR
