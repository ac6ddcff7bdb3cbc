#include "bots/bot_creators.h"

#include "bots/KC_BOT_BLINK.h"
#include "bots/KC_BOT_BLOB.h"
#include "bots/KC_BOT_CHANGE_FLOAT.h"
#include "bots/KC_BOT_CHART_BOOST.h"
#include "bots/KC_BOT_COLOR.h"
#include "bots/KC_BOT_JOINT.h"
#include "bots/KC_BOT_LAZY_BLINKER.h"
#include "bots/KC_BOT_MOVE.h"
#include "bots/KC_BOT_MOVE_BEZIER.h"
#include "bots/KC_BOT_MOVE_LOOP.h"
#include "bots/KC_BOT_MOVE_ON.h"
#include "bots/KC_BOT_ROTATE.h"
#include "bots/KC_BOT_SCALE.h"
#include "bots/KC_BOT_SLEEP.h"
#include "bots/KC_BOT_SWING.h"
#include "bots/KC_BOT_SWITCH.h"
#include "bots/KC_BOT_TRANSFORM.h"
#include "bots/KC_BOT_ZOOM_INTO.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/plane_geometry.h"

namespace KOR {

KC_BOT_FOLLOW* bot_create_follow(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float rate,
                                 float lifetime, bool stop_when_close, float delay) {
  return new KC_BOT_FOLLOW(target, anchor, rate, lifetime, stop_when_close, delay);
}

KC_BOT_DISTANCE_JOINT* bot_create_distance_joint(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor,
                                                 float lifetime, float delay) {
  return new KC_BOT_DISTANCE_JOINT(target, anchor, lifetime, delay);
}

KC_BOT_RIGID_JOINT* bot_create_rigid_joint(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor,
                                           float lifetime, float delay) {
  return new KC_BOT_RIGID_JOINT(target, anchor, lifetime, delay);
}

KC_BOT_CHANGE_FLOAT* bot_create_change_float(float* target, float amount, float duration,
                                             float rate, float delay) {
  return new KC_BOT_CHANGE_FLOAT(target, amount, duration, rate, delay);
}

KC_BOT_MOVE_BEZIER* bot_create_move_bezier(KS_TRANSFORM3* target,
                                           const std::vector<KS_VECTOR3>& controls,
                                           const KS_VECTOR3& end, float duration, float speed,
                                           float delay) {
  return new KC_BOT_MOVE_BEZIER(target, controls, end, duration, speed, delay);
}

KC_BOT_MOVE_CUBEBEZIER* bot_create_move_cubebezier(KS_TRANSFORM3* target,
                                                   const KS_VECTOR3& control1,
                                                   const KS_VECTOR3& control2,
                                                   const KS_VECTOR3& end, float duration,
                                                   float speed, float delay) {
  return new KC_BOT_MOVE_CUBEBEZIER(target, control1, control2, end, duration, speed, delay);
}

KC_BOT_MOVE_QUADBEZIER* bot_create_move_quadbezier(KS_TRANSFORM3* target, const KS_VECTOR3& control,
                                                   const KS_VECTOR3& end, float duration,
                                                   float speed, float delay) {
  return new KC_BOT_MOVE_QUADBEZIER(target, control, end, duration, speed, delay);
}

KC_BOT_LAZY_BLINKER* bot_create_lazy_blinker(KS_VERTEX_LIST* mesh, int shown, float fade_time,
                                             float pause) {
  return new KC_BOT_LAZY_BLINKER(mesh, shown, fade_time, pause);
}

KC_BOT_BLINK_ANALOG* bot_create_blink_analog(KS_VERTEX_LIST* mesh, int alpha_min, int alpha_max,
                                             float time_min, float time_max, int count, float pause,
                                             bool forever, float lifetime, float delay) {
  return new KC_BOT_BLINK_ANALOG(mesh, alpha_min, alpha_max, time_min, time_max, count, pause,
                                 forever, lifetime, delay);
}

KC_BOT_BLINK_PULSE* bot_create_blink_pulse(KS_VERTEX_LIST* mesh, int alpha_min, int alpha_max,
                                           float time_min, float time_max, int count, float pause,
                                           bool forever, float lifetime, float delay) {
  return new KC_BOT_BLINK_PULSE(mesh, alpha_min, alpha_max, time_min, time_max, count, pause,
                                forever, lifetime, delay);
}

KC_BOT_SWING* bot_create_swing(float* target, float amplitude, float phase, float time_scale,
                               float delay) {
  return new KC_BOT_SWING(target, amplitude, phase, time_scale, delay);
}

KC_BOT_SLEEP* bot_create_sleep(int* target, KC_CALLBACK* completion, float seconds, int value) {
  return new KC_BOT_SLEEP(target, completion, seconds, value);
}

KC_BOT_COLOR* bot_create_color(KS_VERTEX_LIST* mesh, float duration, uint32_t end_color,
                               float delay) {
  return new KC_BOT_COLOR(mesh, duration, end_color, delay);
}

KC_BOT_BLOB* bot_create_blob(KS_TRANSFORM3* target, float duration, float amplitude,
                             float frequency, float damping, float base_scale, float rest_scale,
                             float pause, bool loop) {
  return new KC_BOT_BLOB(target, duration, amplitude, frequency, damping, base_scale, rest_scale,
                         pause, loop);
}

KC_BOT_SWITCH* bot_create_switch(KS_TRANSFORM3* target, float duration, const KS_TRANSFORM3& a,
                                 const KS_TRANSFORM3& b, float delay) {
  return new KC_BOT_SWITCH(target, duration, a, b, delay);
}

KC_BOT_SCALE* bot_create_scale(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                               float z, float delay) {
  return new KC_BOT_SCALE(target, duration, speed, x, y, z, delay);
}

KC_BOT_ROTATE_ON* bot_create_rotate_on(KS_TRANSFORM3* target, float duration, float speed, float x,
                                       float y, float z, float delay) {
  return new KC_BOT_ROTATE_ON(target, duration, speed, x, y, z, delay);
}

KC_BOT_ROTATE_TO* bot_create_rotate_to(KS_TRANSFORM3* target, float duration, float speed, float x,
                                       float y, float z, float delay) {
  return new KC_BOT_ROTATE_TO(target, duration, speed, x, y, z, delay);
}

KC_BOT_MOVE_ON* bot_create_move_on(KS_TRANSFORM3* target, float duration, float speed, float x,
                                   float y, float z, float delay) {
  return new KC_BOT_MOVE_ON(target, duration, speed, x, y, z, delay);
}

KC_BOT_MOVE_LOOP* bot_create_move_loop(KS_TRANSFORM3* target, float duration, float speed,
                                       float distance, float delay) {
  if (!target) return nullptr;
  const KS_VECTOR2 dir = rotate_point(0.0f, 0.0f, 0.0f, -1.0f, target->rotation.z) * distance;
  const float x = target->position.x;
  const float y = target->position.y;
  return new KC_BOT_MOVE_LOOP(target, duration, speed, x, y, 0.0f, x + dir.x, y + dir.y, 0.0f,
                              delay);
}

KC_BOT_MOVE_LOOP* bot_create_move_loop_points(KS_TRANSFORM3* target, float duration, float speed,
                                              float ax, float ay, float az, float bx, float by,
                                              float bz, float delay) {
  return new KC_BOT_MOVE_LOOP(target, duration, speed, ax, ay, az, bx, by, bz, delay);
}

KC_BOT_COLOR_KS* bot_create_color_ks(uint32_t* color, float duration, uint32_t end_color,
                                     float delay) {
  return new KC_BOT_COLOR_KS(color, duration, end_color, delay);
}

KC_BOT_MOVE* bot_create_move(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                             float z, float delay) {
  return new KC_BOT_MOVE(target, duration, speed, x, y, z, delay);
}

KC_BOT_ZOOM_INTO* bot_create_zoom_into(KS_TRANSFORM3* target, KS_VECTOR2 point, float duration) {
  return new KC_BOT_ZOOM_INTO(target, point, duration, nullptr, 0.0f);
}

KC_BOT_TRANSFORM* bot_create_transform(KS_TRANSFORM3* target, const KS_TRANSFORM3& goal,
                                       float duration, float delay) {
  return new KC_BOT_TRANSFORM(target, goal, duration, delay);
}

KC_BOT_CHART_BOOST* bot_create_chart_boost(const char* first, const char* second, int number) {
  auto* boost = new KC_BOT_CHART_BOOST();
  boost->init(first, second, number);
  return boost;
}

}  // namespace KOR
