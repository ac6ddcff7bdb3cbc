#pragma once

#include <cstdint>
#include <vector>

namespace KOR {

struct KC_CALLBACK;
struct KS_TRANSFORM3;
struct KS_VECTOR2;
struct KS_VECTOR3;
struct KS_VERTEX_LIST;
class KC_BOT_BLINK_ANALOG;
class KC_BOT_BLINK_PULSE;
class KC_BOT_BLOB;
class KC_BOT_CHANGE_FLOAT;
class KC_BOT_CHART_BOOST;
class KC_BOT_COLOR;
class KC_BOT_COLOR_KS;
class KC_BOT_DISTANCE_JOINT;
class KC_BOT_FOLLOW;
class KC_BOT_LAZY_BLINKER;
class KC_BOT_MOVE;
class KC_BOT_MOVE_BEZIER;
class KC_BOT_MOVE_CUBEBEZIER;
class KC_BOT_MOVE_LOOP;
class KC_BOT_MOVE_ON;
class KC_BOT_MOVE_QUADBEZIER;
class KC_BOT_RIGID_JOINT;
class KC_BOT_ROTATE_ON;
class KC_BOT_ROTATE_TO;
class KC_BOT_SCALE;
class KC_BOT_SLEEP;
class KC_BOT_SWING;
class KC_BOT_SWITCH;
class KC_BOT_TRANSFORM;
class KC_BOT_ZOOM_INTO;

// One creator per behaviour class: a new object built from the arguments,
// owned by the caller until it is added to a KC_BOT_LIST. A mesh is given as
// its vertex list; the colour behaviours read and write nothing else of it.

KC_BOT_FOLLOW* bot_create_follow(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float rate,
                                 float lifetime, bool stop_when_close, float delay);
KC_BOT_DISTANCE_JOINT* bot_create_distance_joint(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor,
                                                 float lifetime, float delay);
KC_BOT_RIGID_JOINT* bot_create_rigid_joint(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor,
                                           float lifetime, float delay);
KC_BOT_CHANGE_FLOAT* bot_create_change_float(float* target, float amount, float duration,
                                             float rate, float delay);
KC_BOT_MOVE_BEZIER* bot_create_move_bezier(KS_TRANSFORM3* target,
                                           const std::vector<KS_VECTOR3>& controls,
                                           const KS_VECTOR3& end, float duration, float speed,
                                           float delay);
KC_BOT_MOVE_CUBEBEZIER* bot_create_move_cubebezier(KS_TRANSFORM3* target,
                                                   const KS_VECTOR3& control1,
                                                   const KS_VECTOR3& control2,
                                                   const KS_VECTOR3& end, float duration,
                                                   float speed, float delay);
KC_BOT_MOVE_QUADBEZIER* bot_create_move_quadbezier(KS_TRANSFORM3* target, const KS_VECTOR3& control,
                                                   const KS_VECTOR3& end, float duration,
                                                   float speed, float delay);
KC_BOT_LAZY_BLINKER* bot_create_lazy_blinker(KS_VERTEX_LIST* mesh, int shown, float fade_time,
                                             float pause);
KC_BOT_BLINK_ANALOG* bot_create_blink_analog(KS_VERTEX_LIST* mesh, int alpha_min, int alpha_max,
                                             float time_min, float time_max, int count, float pause,
                                             bool forever, float lifetime, float delay);
KC_BOT_BLINK_PULSE* bot_create_blink_pulse(KS_VERTEX_LIST* mesh, int alpha_min, int alpha_max,
                                           float time_min, float time_max, int count, float pause,
                                           bool forever, float lifetime, float delay);
KC_BOT_SWING* bot_create_swing(float* target, float amplitude, float phase, float time_scale,
                               float delay);
KC_BOT_SLEEP* bot_create_sleep(int* target, KC_CALLBACK* completion, float seconds, int value);
KC_BOT_COLOR* bot_create_color(KS_VERTEX_LIST* mesh, float duration, uint32_t end_color,
                               float delay);
KC_BOT_BLOB* bot_create_blob(KS_TRANSFORM3* target, float duration, float amplitude,
                             float frequency, float damping, float base_scale, float rest_scale,
                             float pause, bool loop);
KC_BOT_SWITCH* bot_create_switch(KS_TRANSFORM3* target, float duration, const KS_TRANSFORM3& a,
                                 const KS_TRANSFORM3& b, float delay);
KC_BOT_SCALE* bot_create_scale(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                               float z, float delay);
KC_BOT_ROTATE_ON* bot_create_rotate_on(KS_TRANSFORM3* target, float duration, float speed, float x,
                                       float y, float z, float delay);
KC_BOT_ROTATE_TO* bot_create_rotate_to(KS_TRANSFORM3* target, float duration, float speed, float x,
                                       float y, float z, float delay);
KC_BOT_MOVE_ON* bot_create_move_on(KS_TRANSFORM3* target, float duration, float speed, float x,
                                   float y, float z, float delay);
// Back and forth between the target's position and the point `distance`
// away along (0, -1) turned by the target's rotation z, both at z 0; the
// first leg goes away. Null for a null target.
KC_BOT_MOVE_LOOP* bot_create_move_loop(KS_TRANSFORM3* target, float duration, float speed,
                                       float distance, float delay);
KC_BOT_MOVE_LOOP* bot_create_move_loop_points(KS_TRANSFORM3* target, float duration, float speed,
                                              float ax, float ay, float az, float bx, float by,
                                              float bz, float delay);
KC_BOT_COLOR_KS* bot_create_color_ks(uint32_t* color, float duration, uint32_t end_color,
                                     float delay);
KC_BOT_MOVE* bot_create_move(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                             float z, float delay);
// Without completion callback and without delay.
KC_BOT_ZOOM_INTO* bot_create_zoom_into(KS_TRANSFORM3* target, KS_VECTOR2 point, float duration);
KC_BOT_TRANSFORM* bot_create_transform(KS_TRANSFORM3* target, const KS_TRANSFORM3& goal,
                                       float duration, float delay);
KC_BOT_CHART_BOOST* bot_create_chart_boost(const char* first, const char* second, int number);

}  // namespace KOR
