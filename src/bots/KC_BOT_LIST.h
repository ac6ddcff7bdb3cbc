#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace KOR {

class KC_BASE;

// How a pass compares a member's group byte with the list's threshold.
inline constexpr uint32_t BOT_LIST_MODE_LE = 2;
inline constexpr uint32_t BOT_LIST_MODE_EQ = 3;
inline constexpr uint32_t BOT_LIST_MODE_GE = 5;  // default
inline constexpr uint32_t BOT_LIST_MODE_NE = 6;  // any other value: every member takes part

// Ordered owner of behaviours, embedded in the object they animate and
// updated once per frame. Members may end during any pass, and their
// completion callbacks may add, remove or delete members, or destroy the
// list's owner: every pass keeps its place and never touches a deleted
// member or a destroyed list.
class KC_BOT_LIST {
 public:
  KC_BOT_LIST() = default;
  KC_BOT_LIST(const KC_BOT_LIST&) = delete;
  KC_BOT_LIST& operator=(const KC_BOT_LIST&) = delete;
  // Deletes the members still held, so an owner that forgets delete_all
  // loses nothing.
  ~KC_BOT_LIST();

  // Appends without sorting; the list owns the member from now on. Null is
  // ignored. A plain pointer, as the behaviour creators hand one out.
  void add(KC_BASE* bot);

  // Sends BOT_MSG_UPDATE to every member that takes part, deleting those
  // that answer BOT_RESULT_REMOVE; members added during the pass are visited
  // in it. Re-sorts after a complete pass that met a member keyed above the
  // one before it. Returns BOT_RESULT_STOP when the pass was stopped.
  int update();
  // Sends BOT_MSG_DRAW from the last member to the first; BOT_RESULT_STOP
  // ends the pass, nothing is deleted.
  int draw();

  // Sends the message to every member matching the filters (null names and
  // id 0 match all). Either selection flag set matches nothing; callers pass
  // both false. Returns the last member's answer, 0 when none matched.
  int send(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4, const char* name,
           const char* lastname, int id, bool select_a = false, bool select_b = false);
  // As send, but deletes members answering BOT_RESULT_REMOVE and returns at
  // once on BOT_RESULT_STOP. Returns the number of members addressed.
  int send_and_prune(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4,
                     const char* name, const char* lastname, int id, bool select_a = false,
                     bool select_b = false);

  KC_BASE* find_by_id(int id) const;
  // Null for a null name.
  KC_BASE* find_by_name(const char* name) const;
  int count() const { return static_cast<int>(members_.size()); }
  KC_BASE* at(int index) const;

  // Takes the first member matching name, lastname (empty: any) and id
  // (0: any) out of the list and hands it back to the caller.
  std::unique_ptr<KC_BASE> remove(const char* name, const std::string& lastname, int id);
  // Deletes the first member whose name and id (compared exactly) match.
  void remove_by_name(const char* name, int id);
  // Deletes every member in list order.
  void delete_all();
  void reset_thresholds() { update_threshold = draw_threshold = 1; }

  uint8_t update_threshold = 1;
  uint32_t update_mode = BOT_LIST_MODE_GE;
  uint8_t draw_threshold = 1;
  uint32_t draw_mode = BOT_LIST_MODE_GE;

 private:
  struct PASS;

  // Sends the message to the member at the pass's index. A member deleted by
  // a callback while its process runs is deleted once it has returned.
  int dispatch(PASS& pass, int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4);
  // Takes the member at index out, keeping every running pass on its place.
  std::unique_ptr<KC_BASE> take_at(size_t index);
  void destroy_at(size_t index);
  // Larger keys first; members with equal keys may change places.
  void sort();
  int send_pass(bool prune, int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4,
                const char* name, const char* lastname, int id);

  std::deque<std::unique_ptr<KC_BASE>> members_;
  bool out_of_order_ = false;
  PASS* passes_ = nullptr;  // innermost running pass
};

// Over a plain array: BOT_MSG_UPDATE to each element in order, deleting and
// erasing those answering BOT_RESULT_REMOVE. Nothing for a null array.
void bot_vector_update(std::vector<KC_BASE*>* bots);
// Over a plain array: the message (arguments 0) to each element in order;
// answers are ignored. Nothing for a null array.
void bot_vector_send(std::vector<KC_BASE*>* bots, int message);

}  // namespace KOR
