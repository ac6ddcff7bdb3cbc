#include "shell/window_factory.h"

#include <cstdio>
#include <cstring>
#include <pugixml.hpp>
#include <string>

#include "foundation/text_utilities.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/SG_WINDOW_BUY.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/SG_WINDOW_CREDITS.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"

namespace game {

namespace {

using MAKER = KOR_GF::G_WINDOW* (*)(const pugi::xml_node& element);

template <typename WINDOW>
KOR_GF::G_WINDOW* make(const pugi::xml_node& element) {
  return new WINDOW(element);
}

struct WINDOW_CLASS {
  const char* type;
  MAKER make;  // null: the class is not part of this build yet
};

// The one binding of description types to window classes, tested in order.
const WINDOW_CLASS kWindowClasses[] = {
    {"SG_WINDOW_TITLE", &make<SG_WINDOW_TITLE>},
    {"SG_WINDOW_OPTIONS", &make<SG_WINDOW_OPTIONS>},
    {"SG_WINDOW_HELP", nullptr},
    {"SG_WINDOW_PLAYERS", &make<SG_WINDOW_PLAYERS>},
    {"G_WINDOW_CONFIRM", &make<KOR_GF::G_WINDOW_CONFIRM>},
    {"G_WINDOW_EDITBOX", &make<KOR_GF::G_WINDOW_EDITBOX>},
    {"G_WINDOW_SIMPLE", &make<KOR_GF::G_WINDOW_SIMPLE>},
    {"SG_WINDOW_CONFIRM_EX", &make<SG_WINDOW_CONFIRM_EX>},
    {"SG_WINDOW_PAUSE", nullptr},
    {"SG_WINDOW_CREDITS", &make<SG_WINDOW_CREDITS>},
    {"SG_FINISH_PANEL", nullptr},
    {"SG_MAIN_PANEL", nullptr},
    {"SG_WINDOW_WORLDS", nullptr},
    {"SG_WINDOW_LEVELS", nullptr},
    {"SG_WINDOW_SHOP", nullptr},
    {"SG_WINDOW_TROPHIES", nullptr},
    {"COMICS_WINDOW", nullptr},
    {"SG_WINDOW_BUY", &make<SG_WINDOW_BUY>},
};

// A window that cannot be built is skipped, and the game goes on without
// it; the line says which one, so broken game data is found.
KOR_GF::G_WINDOW* skip(const char* name, const std::string& why) {
  const std::string which =
      *name != '\0' ? std::string("window \"") + name + "\"" : std::string("a window description");
  std::fprintf(stderr, "Aquavex: %s skipped: %s\n", which.c_str(), why.c_str());
  return nullptr;
}

}  // namespace

KOR_GF::G_WINDOW* window_factory(const pugi::xml_document& description) {
  const pugi::xml_node element = description.first_child();
  const pugi::xml_attribute type = element.attribute("_type");
  const pugi::xml_attribute name = element.attribute("_name");
  if (!type || !name) {
    return skip(name.value(), std::string("the description has no ") +
                                  (type ? "\"_name\"" : "\"_type\"") + " (element <" +
                                  element.name() + ">)");
  }
  for (const WINDOW_CLASS& entry : kWindowClasses) {
    if (std::strcmp(entry.type, type.value()) != 0) continue;
    if (entry.make == nullptr) {
      return skip(name.value(),
                  std::string("type \"") + type.value() + "\" has no window class in this build");
    }
    KOR_GF::G_WINDOW* window = entry.make(element);
    if (window->gui() != nullptr) localise_labels(window->gui()->root);
    return window;
  }
  return skip(name.value(), std::string("unknown type \"") + type.value() + "\"");
}

void localise_labels(KOR::KC_GUI_OBJECT* widget) {
  if (widget == nullptr) return;
  if (widget->kind == KOR::GUI_KIND_WLABEL) {
    auto* label = static_cast<KOR::KC_GUI_WLABEL*>(widget);
    label->set_text(KOR::string_table_instance().get_wide(KOR::text_from_wtext(label->text)));
  }
  for (KOR::KC_GUI_OBJECT* child : widget->children) localise_labels(child);
}

KOR_GF::G_WINDOW_MANAGER& window_manager_instance() {
  static KOR_GF::G_WINDOW_MANAGER manager(&window_factory);
  return manager;
}

}  // namespace game
