#include "framework/G_SETTINGS.h"

namespace KOR_GF {

int G_SETTINGS::screen_width = 1024;
int G_SETTINGS::screen_height = 768;

}  // namespace KOR_GF
