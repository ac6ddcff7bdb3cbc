#include "bots/KC_BOT_CHART_BOOST.h"

namespace KOR {

void KC_BOT_CHART_BOOST::init(const char* first, const char* second, int number) {
  first_text_ = first ? first : "";
  second_text_ = second ? second : "";
  number_ = number;
}

int KC_BOT_CHART_BOOST::process(int message, intptr_t, intptr_t, intptr_t, intptr_t) {
  return message == BOT_MSG_UPDATE ? BOT_RESULT_REMOVE : 0;
}

}  // namespace KOR
