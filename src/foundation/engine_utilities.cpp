#include "foundation/engine_utilities.h"

#include <climits>
#include <cstdio>

#include "foundation/text_utilities.h"

namespace KOR {

namespace {

const char* const kHotSpotNames[] = {"HS_MID", "HS_UL", "HS_UR", "HS_DL", "HS_DR",
                                     "HS_MU",  "HS_MD", "HS_ML", "HS_MR"};
const char* const kPlatformNames[] = {"WINDOWS", "OSX", "IOS", "ANDROID"};

}  // namespace

int hot_spot_from_name(const std::string& name) {
  for (int k = 0; k < 9; ++k)
    if (name == kHotSpotNames[k]) return k;
  return 0;
}

int platform_from_letter(const std::string& text) {
  if (text.empty()) return 0;
  switch (text[0]) {
    case 'O':
      return 1;
    case 'I':
      return 2;
    case 'A':
      return 3;
    default:
      return 0;
  }
}

std::string platform_name(int code) { return kPlatformNames[code >= 1 && code <= 3 ? code : 0]; }

void time_split(float seconds, int& hours, int& minutes, int& secs) {
  // Clamped before the conversion: a float outside the int range (or NaN)
  // has no int value.
  int whole = 0;
  if (seconds >= static_cast<float>(INT_MAX))
    whole = INT_MAX;
  else if (seconds > 0.0f)
    whole = static_cast<int>(seconds);
  hours = whole / 3600;
  const int rest = whole % 3600;
  minutes = rest / 60;
  secs = rest % 60;
}

std::wstring time_text(float seconds) {
  int h = 0, m = 0, s = 0;
  time_split(seconds, h, m, s);
  char text[40];
  if (h != 0)
    std::snprintf(text, sizeof text, "%0*i:%0*i:%0*i", 2, h, 2, m, 2, s);
  else
    std::snprintf(text, sizeof text, "%0*i:%0*i", 2, m, 2, s);
  return wtext_from_text(text);
}

}  // namespace KOR
