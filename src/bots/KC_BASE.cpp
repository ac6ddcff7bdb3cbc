#include "bots/KC_BASE.h"

#include <bit>

#include "foundation/KC_CALLBACK.h"

namespace KOR {

static_assert(std::endian::native == std::endian::little, "kBotNoId spells 'noid' in memory");
static_assert(sizeof(intptr_t) == sizeof(void*));

void KC_BASE::set_behaviour_defaults(const char* class_name) {
  name = class_name;
  sort_key = kBotSortKey;
  draw_group = 0;
}

KC_CALLBACK* bot_callback_word(intptr_t p4) { return reinterpret_cast<KC_CALLBACK*>(p4); }

intptr_t bot_word(const KC_CALLBACK* callback) { return reinterpret_cast<intptr_t>(callback); }

void bot_fire(KC_CALLBACK*& completion) {
  KC_CALLBACK* const callback = completion;
  if (!callback) return;
  completion = nullptr;
  callback_invoke(callback, nullptr);
}

}  // namespace KOR
