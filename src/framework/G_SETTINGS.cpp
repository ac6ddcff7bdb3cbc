#include "framework/G_SETTINGS.h"

#include <pugixml.hpp>

#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_IVECTOR2.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/KC_WINDOW.h"

namespace KOR_GF {

unsigned char G_SETTINGS::fullscreen = 1;
unsigned char G_SETTINGS::wide_desktop = 0;

namespace {

constexpr const char* kDefaultSettings = "xml/Settings.xml";

}  // namespace

bool desktop_is_wide(const KOR::KS_IVECTOR2& desktop) {
  return KOR::screen_is_wide(desktop.x, desktop.y);
}

int logical_screen_width(bool wide_desktop, bool full_screen) {
  return wide_desktop && full_screen ? KOR::kWideScreenWidth : KOR::kNarrowScreenWidth;
}

void settings_load(const std::string& path) {
  using KOR::KC_FILE_SYSTEM;
  if (KC_FILE_SYSTEM::path_type(path) == KOR::PATH_MISSING) {
    const std::string folder = path.substr(0, path.find_last_of('/') + 1);
    if (!folder.empty()) KC_FILE_SYSTEM::create_directories(folder);
    if (!KC_FILE_SYSTEM::copy(path.c_str(), kDefaultSettings)) return;
  }
  G_SETTINGS::wide_desktop = desktop_is_wide(KOR::platform_desktop_size());
  pugi::xml_document document;
  document.load_file(path.c_str());
  if (const pugi::xml_node screen = document.child("screen")) {
    G_SETTINGS::fullscreen = screen.attribute("fullscreen").as_bool();
  }
}

}  // namespace KOR_GF
