#include "shell/window_factory.h"

#include <cstdio>
#include <cstring>
#include <memory>
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
#include "level/CLevel_Tutorial.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/HUD_BUTTON_COMPLETION.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/HUD_INTERFACE_BOTTOM_PANEL.h"
#include "shell/HUD_PANEL_MONEY.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/HUD_PANEL_TAPE.h"
#include "shell/HUD_PANEL_TROPHY.h"
#include "shell/HUD_PANEL_TUTORIAL.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_BUY.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/SG_WINDOW_CREDITS.h"
#include "shell/SG_WINDOW_HELP.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PAUSE.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_SHOP.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_TROPHIES.h"
#include "shell/SG_WINDOW_WORLDS.h"

namespace game {

namespace {

using MAKER = std::unique_ptr<KOR_GF::G_WINDOW> (*)(const pugi::xml_node& element);

template <typename WINDOW>
std::unique_ptr<KOR_GF::G_WINDOW> make(const pugi::xml_node& element) {
  return std::make_unique<WINDOW>(element);
}

// Which window manager builds a class: the application's, or one of the
// level scene's three (the tutorial panel only while the tutorial runs).
enum WINDOW_FAMILY { APPLICATION, LEVEL_HUD, LEVEL_TUTORIAL, LEVEL_BOTTOM, LEVEL_CLOSEUP };

struct WINDOW_CLASS {
  const char* type;
  MAKER make;
  WINDOW_FAMILY family = APPLICATION;
};

// The one binding of description types to window classes, tested in order.
const WINDOW_CLASS kWindowClasses[] = {
    {"SG_WINDOW_TITLE", &make<SG_WINDOW_TITLE>},
    {"SG_WINDOW_OPTIONS", &make<SG_WINDOW_OPTIONS>},
    {"SG_WINDOW_HELP", &make<SG_WINDOW_HELP>},
    {"SG_WINDOW_PLAYERS", &make<SG_WINDOW_PLAYERS>},
    {"G_WINDOW_CONFIRM", &make<KOR_GF::G_WINDOW_CONFIRM>},
    {"G_WINDOW_EDITBOX", &make<KOR_GF::G_WINDOW_EDITBOX>},
    {"G_WINDOW_SIMPLE", &make<KOR_GF::G_WINDOW_SIMPLE>},
    {"SG_WINDOW_CONFIRM_EX", &make<SG_WINDOW_CONFIRM_EX>},
    {"SG_WINDOW_PAUSE", &make<SG_WINDOW_PAUSE>},
    {"SG_WINDOW_CREDITS", &make<SG_WINDOW_CREDITS>},
    {"SG_FINISH_PANEL", &make<SG_FINISH_PANEL>},
    {"SG_MAIN_PANEL", &make<SG_MAIN_PANEL>},
    {"SG_WINDOW_WORLDS", &make<SG_WINDOW_WORLDS>},
    {"SG_WINDOW_LEVELS", &make<SG_WINDOW_LEVELS>},
    {"SG_WINDOW_SHOP", &make<SG_WINDOW_SHOP>},
    {"SG_WINDOW_TROPHIES", &make<SG_WINDOW_TROPHIES>},
    {"COMICS_WINDOW", &make<COMICS_WINDOW>},
    {"SG_WINDOW_BUY", &make<SG_WINDOW_BUY>},
    {"HUD_BUTTON_PAUSE", &make<HUD_BUTTON_PAUSE>, LEVEL_HUD},
    {"HUD_BUTTON_COMPLETION", &make<HUD_BUTTON_COMPLETION>, LEVEL_HUD},
    {"HUD_BUTTON_DESTRUCTION", &make<HUD_BUTTON_DESTRUCTION>, LEVEL_HUD},
    {"HUD_PANEL_MONEY", &make<HUD_PANEL_MONEY>, LEVEL_HUD},
    {"HUD_PANEL_WATER_INDICATOR", &make<HUD_PANEL_WATER_INDICATOR>, LEVEL_HUD},
    {"HUD_PANEL_WATER_INSCRIPTION", &make<HUD_PANEL_WATER_INSCRIPTION>, LEVEL_HUD},
    {"HUD_PANEL_TROPHY", &make<HUD_PANEL_TROPHY>, LEVEL_HUD},
    {"HUD_PANEL_TUTORIAL", &make<HUD_PANEL_TUTORIAL>, LEVEL_TUTORIAL},
    {"HUD_INTERFACE_BOTTOM_PANEL", &make<HUD_INTERFACE_BOTTOM_PANEL>, LEVEL_BOTTOM},
    {"HUD_PANEL_PRESS", &make<HUD_PANEL_PRESS>, LEVEL_BOTTOM},
    {"HUD_PANEL_TAPE", &make<HUD_PANEL_TAPE>, LEVEL_BOTTOM},
    {"CLOSE_UP_WINDOW", &make<CLOSE_UP_WINDOW>, LEVEL_CLOSEUP},
};

// A window that cannot be built is skipped, and the game goes on without
// it; the line says which one, so broken game data is found.
std::unique_ptr<KOR_GF::G_WINDOW> skip(const char* name, const std::string& why) {
  const std::string which =
      *name != '\0' ? std::string("window \"") + name + "\"" : std::string("a window description");
  std::fprintf(stderr, "Aquavex: %s skipped: %s\n", which.c_str(), why.c_str());
  return nullptr;
}

// The first class of the family answering to `type`; null for none.
const WINDOW_CLASS* window_class(const char* type, bool (*in_family)(WINDOW_FAMILY)) {
  for (const WINDOW_CLASS& entry : kWindowClasses) {
    if (in_family(entry.family) && std::strcmp(entry.type, type) == 0) return &entry;
  }
  return nullptr;
}

// The window of the first class of the family whose type the description
// names.
std::unique_ptr<KOR_GF::G_WINDOW> make_window(const pugi::xml_document& description,
                                              bool (*in_family)(WINDOW_FAMILY)) {
  const pugi::xml_node element = description.first_child();
  const pugi::xml_attribute type = element.attribute("_type");
  const pugi::xml_attribute name = element.attribute("_name");
  if (!type || !name) {
    return skip(name.value(), std::string("the description has no ") +
                                  (type ? "\"_name\"" : "\"_type\"") + " (element <" +
                                  element.name() + ">)");
  }
  const WINDOW_CLASS* entry = window_class(type.value(), in_family);
  if (entry == nullptr) {
    return skip(name.value(), std::string("unknown type \"") + type.value() + "\"");
  }
  std::unique_ptr<KOR_GF::G_WINDOW> window = entry->make(element);
  if (window->gui() != nullptr) localise_labels(window->gui()->root);
  return window;
}

}  // namespace

std::unique_ptr<KOR_GF::G_WINDOW> window_factory(const pugi::xml_document& description) {
  return make_window(description, [](WINDOW_FAMILY family) { return family == APPLICATION; });
}

std::unique_ptr<KOR_GF::G_WINDOW> level_hud_window_factory(const pugi::xml_document& description) {
  // The HUD list holds the tutorial's card for every level; without a
  // tutorial running it is left out, which is no fault to report.
  const char* type = description.first_child().attribute("_type").value();
  const auto tutorial = [](WINDOW_FAMILY family) { return family == LEVEL_TUTORIAL; };
  if (level_tutorial_active == 0 && window_class(type, tutorial) != nullptr) return nullptr;
  return make_window(description, [](WINDOW_FAMILY family) {
    return family == LEVEL_HUD || family == LEVEL_TUTORIAL;
  });
}

std::unique_ptr<KOR_GF::G_WINDOW> level_bottom_window_factory(
    const pugi::xml_document& description) {
  return make_window(description, [](WINDOW_FAMILY family) { return family == LEVEL_BOTTOM; });
}

std::unique_ptr<KOR_GF::G_WINDOW> level_closeup_window_factory(
    const pugi::xml_document& description) {
  return make_window(description, [](WINDOW_FAMILY family) { return family == LEVEL_CLOSEUP; });
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
