#include "bots/KC_BOT_LIST.h"

#include <algorithm>

#include "bots/KC_BASE.h"

namespace KOR {

// One running pass over the members, registered with its list so that
// removals made by callbacks keep it on its place.
struct KC_BOT_LIST::PASS {
  explicit PASS(KC_BOT_LIST* owner) : list(owner), outer(owner->passes_) { owner->passes_ = this; }
  ~PASS() {
    if (list) list->passes_ = outer;
  }
  PASS(const PASS&) = delete;
  PASS& operator=(const PASS&) = delete;

  KC_BOT_LIST* list;  // null once the list is destroyed
  PASS* outer;
  size_t index = 0;
  KC_BASE* member = nullptr;  // the member whose process is running
  bool member_left = false;   // taken out of the list meanwhile
  // The member, when it was also to be deleted meanwhile: held until its
  // process has returned.
  std::unique_ptr<KC_BASE> doomed;
};

namespace {

bool takes_part(uint8_t group, uint8_t threshold, uint32_t mode) {
  switch (mode) {
    case BOT_LIST_MODE_LE:
      return group <= threshold;
    case BOT_LIST_MODE_EQ:
      return group == threshold;
    case BOT_LIST_MODE_GE:
      return group >= threshold;
    case BOT_LIST_MODE_NE:
      return group != threshold;
    default:
      return true;
  }
}

bool matches(const KC_BASE* bot, const char* name, const char* lastname, int id) {
  return (!name || bot->name == name) && (!lastname || bot->lastname == lastname) &&
         (id == 0 || bot->id == id);
}

}  // namespace

KC_BOT_LIST::~KC_BOT_LIST() {
  delete_all();
  for (PASS* pass = passes_; pass; pass = pass->outer) pass->list = nullptr;
}

void KC_BOT_LIST::add(KC_BASE* bot) {
  if (bot) members_.emplace_back(bot);
}

int KC_BOT_LIST::dispatch(PASS& pass, int message, intptr_t p1, intptr_t p2, intptr_t p3,
                          intptr_t p4) {
  KC_BASE* const member = members_[pass.index].get();
  pass.member = member;
  pass.member_left = false;
  const int answer = member->process(message, p1, p2, p3, p4);
  pass.member = nullptr;
  if (pass.doomed) {
    // A pass further out may still be inside the same member's process.
    PASS* holder = pass.outer;
    while (holder && holder->member != member) holder = holder->outer;
    if (holder) {
      holder->doomed = std::move(pass.doomed);
    } else {
      pass.doomed.reset();
    }
  }
  return answer;
}

std::unique_ptr<KC_BASE> KC_BOT_LIST::take_at(size_t index) {
  std::unique_ptr<KC_BASE> bot = std::move(members_[index]);
  members_.erase(members_.begin() + static_cast<std::ptrdiff_t>(index));
  for (PASS* pass = passes_; pass; pass = pass->outer) {
    if (index < pass->index) {
      --pass->index;
    } else if (index == pass->index && pass->member == bot.get()) {
      pass->member_left = true;
    }
  }
  return bot;
}

void KC_BOT_LIST::destroy_at(size_t index) {
  std::unique_ptr<KC_BASE> bot = take_at(index);
  for (PASS* pass = passes_; pass; pass = pass->outer) {
    if (pass->member == bot.get()) {
      pass->doomed = std::move(bot);
      return;
    }
  }
}

int KC_BOT_LIST::update() {
  if (members_.empty()) return BOT_RESULT_CONTINUE;
  PASS pass(this);
  KC_BASE* current = nullptr;
  while (pass.index < members_.size()) {
    KC_BASE* const member = members_[pass.index].get();
    const KC_BASE* const previous = current ? current : member;
    current = member;
    if (member->sort_key > previous->sort_key) out_of_order_ = true;
    if (!takes_part(member->update_group, update_threshold, update_mode)) {
      ++pass.index;
      continue;
    }
    const int answer = dispatch(pass, BOT_MSG_UPDATE, 0, 0, 0, 0);
    if (!pass.list) return BOT_RESULT_STOP;
    if (pass.member_left) {
      current = nullptr;
    } else if (answer == BOT_RESULT_REMOVE) {
      destroy_at(pass.index);
      current = nullptr;
    } else if (answer == BOT_RESULT_STOP) {
      return BOT_RESULT_STOP;
    } else {
      ++pass.index;
    }
  }
  // A pass running inside a callback must not reorder under the outer one.
  if (out_of_order_ && !pass.outer) {
    sort();
    out_of_order_ = false;
  }
  return BOT_RESULT_CONTINUE;
}

int KC_BOT_LIST::draw() {
  if (members_.empty()) return BOT_RESULT_CONTINUE;
  PASS pass(this);
  pass.index = members_.size();
  while (pass.index > 0) {
    --pass.index;
    const KC_BASE* const member = members_[pass.index].get();
    if (!takes_part(member->draw_group, draw_threshold, draw_mode)) continue;
    const int answer = dispatch(pass, BOT_MSG_DRAW, 0, 0, 0, 0);
    if (!pass.list || answer == BOT_RESULT_STOP) return answer;
  }
  return BOT_RESULT_CONTINUE;
}

int KC_BOT_LIST::send_pass(bool prune, int message, intptr_t p1, intptr_t p2, intptr_t p3,
                           intptr_t p4, const char* name, const char* lastname, int id) {
  PASS pass(this);
  int answer = 0;
  int addressed = 0;
  while (pass.index < members_.size()) {
    if (!matches(members_[pass.index].get(), name, lastname, id)) {
      ++pass.index;
      continue;
    }
    ++addressed;
    answer = dispatch(pass, message, p1, p2, p3, p4);
    if (!pass.list) break;
    if (pass.member_left) continue;
    if (prune && answer == BOT_RESULT_REMOVE) {
      destroy_at(pass.index);
    } else if (prune && answer == BOT_RESULT_STOP) {
      break;
    } else {
      ++pass.index;
    }
  }
  return prune ? addressed : answer;
}

int KC_BOT_LIST::send(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4,
                      const char* name, const char* lastname, int id, bool select_a,
                      bool select_b) {
  if (select_a || select_b) return 0;
  return send_pass(false, message, p1, p2, p3, p4, name, lastname, id);
}

int KC_BOT_LIST::send_and_prune(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4,
                                const char* name, const char* lastname, int id, bool select_a,
                                bool select_b) {
  if (select_a || select_b) return 0;
  return send_pass(true, message, p1, p2, p3, p4, name, lastname, id);
}

KC_BASE* KC_BOT_LIST::find_by_id(int id) const {
  for (const auto& bot : members_) {
    if (bot->id == id) return bot.get();
  }
  return nullptr;
}

KC_BASE* KC_BOT_LIST::find_by_name(const char* name) const {
  if (!name) return nullptr;
  for (const auto& bot : members_) {
    if (bot->name == name) return bot.get();
  }
  return nullptr;
}

KC_BASE* KC_BOT_LIST::at(int index) const {
  if (index < 0 || index >= count()) return nullptr;
  return members_[static_cast<size_t>(index)].get();
}

std::unique_ptr<KC_BASE> KC_BOT_LIST::remove(const char* name, const std::string& lastname,
                                             int id) {
  if (!name) return nullptr;
  for (size_t i = 0; i < members_.size(); ++i) {
    const KC_BASE* bot = members_[i].get();
    if (bot->name == name && (lastname.empty() || bot->lastname == lastname) &&
        (id == 0 || bot->id == id)) {
      return take_at(i);
    }
  }
  return nullptr;
}

void KC_BOT_LIST::remove_by_name(const char* name, int id) {
  if (!name) return;
  for (size_t i = 0; i < members_.size(); ++i) {
    if (members_[i]->name == name && members_[i]->id == id) {
      destroy_at(i);
      return;
    }
  }
}

void KC_BOT_LIST::delete_all() {
  while (!members_.empty()) destroy_at(0);
}

void KC_BOT_LIST::sort() {
  std::sort(members_.begin(), members_.end(),
            [](const auto& a, const auto& b) { return a->sort_key > b->sort_key; });
}

void bot_vector_update(std::vector<KC_BASE*>* bots) {
  if (!bots) return;
  for (size_t i = 0; i < bots->size();) {
    KC_BASE* const bot = (*bots)[i];
    if (bot->process(BOT_MSG_UPDATE, 0, 0, 0, 0) == BOT_RESULT_REMOVE) {
      delete bot;
      bots->erase(bots->begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

void bot_vector_send(std::vector<KC_BASE*>* bots, int message) {
  if (!bots) return;
  for (KC_BASE* bot : *bots) bot->process(message, 0, 0, 0, 0);
}

}  // namespace KOR
