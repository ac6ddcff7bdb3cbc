#include "shell/window_factory.h"

#include <gtest/gtest.h>

#include <memory>
#include <pugixml.hpp>
#include <string>

#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "gui/KC_GUI_LABEL.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Tutorial.h"
#include "resources/KC_STRING_TABLE.h"

namespace {

using game::window_factory;

// The window the factory makes of one description, with what it said.
struct MADE {
  std::unique_ptr<KOR_GF::G_WINDOW> window;
  std::string said;
};

MADE make(const std::string& xml, KOR_GF::G_WINDOW_FACTORY factory = &window_factory) {
  pugi::xml_document description;
  description.load_string(xml.c_str());
  testing::internal::CaptureStderr();
  MADE made;
  made.window = factory(description);
  made.said = testing::internal::GetCapturedStderr();
  return made;
}

TEST(window_factory, TypeKeysChooseTheWindowClassAndNameTheInstance) {
  MADE confirm = make(R"(<WINDOW _type="G_WINDOW_CONFIRM" _name="Confirm_Exit"/>)");
  ASSERT_NE(dynamic_cast<KOR_GF::G_WINDOW_CONFIRM*>(confirm.window.get()), nullptr);
  EXPECT_EQ(confirm.window->name(), "Confirm_Exit");
  EXPECT_EQ(confirm.said, "");
  // The element's own name does not matter, only its attributes.
  MADE edit = make(R"(<anything _type="G_WINDOW_EDITBOX" _name="Players_EditBox"/>)");
  EXPECT_NE(dynamic_cast<KOR_GF::G_WINDOW_EDITBOX*>(edit.window.get()), nullptr);
  MADE simple = make(R"(<WINDOW _type="G_WINDOW_SIMPLE" _name="Back" layer="0"/>)");
  EXPECT_NE(dynamic_cast<KOR_GF::G_WINDOW_SIMPLE*>(simple.window.get()), nullptr);
  EXPECT_EQ(simple.window->name(), "Back");
}

// Nothing is built, and the line on stderr names the window and the reason.
TEST(window_factory, DescriptionsItCannotBuildAreSkippedWithAClearMessage) {
  struct CASE {
    const char* xml;
    const char* says;
  };
  const CASE cases[] = {
      {R"(<WINDOW _type="sg_window_title" _name="Title"/>)",
       "window \"Title\" skipped: unknown type \"sg_window_title\""},
      {R"(<WINDOW _type="" _name="Title"/>)", "window \"Title\" skipped: unknown type \"\""},
      {R"(<WINDOW _type="SG_WINDOW_TITLE"/>)", "skipped: the description has no \"_name\""},
      {R"(<WINDOW _name="Logo"/>)", "window \"Logo\" skipped: the description has no \"_type\""},
      {"", "skipped: the description has no \"_type\""},
      // A level's window type is none of the application's.
      {R"(<WINDOW _type="HUD_PANEL_MONEY" _name="HUD_MONEY"/>)",
       "window \"HUD_MONEY\" skipped: unknown type \"HUD_PANEL_MONEY\""},
  };
  for (const CASE& c : cases) {
    MADE made = make(c.xml);
    EXPECT_EQ(made.window, nullptr) << c.xml;
    EXPECT_NE(made.said.find(c.says), std::string::npos) << c.xml << " said: " << made.said;
  }
}

// The application and the level scene's three managers each build only
// their own classes; the tutorial panel only while the tutorial runs, and
// leaving it out otherwise is no fault to report.
TEST(window_factory, EachManagersFactoryBuildsOnlyItsOwnClasses) {
  struct CASE {
    KOR_GF::G_WINDOW_FACTORY factory;
    const char* type;
    bool tutorial;
    bool built;
    const char* says;
  };
  const char* unknown = "window \"W\" skipped: unknown type";
  const CASE cases[] = {
      {&window_factory, "HUD_PANEL_WATER_INDICATOR", false, false, unknown},
      {&game::level_hud_window_factory, "HUD_PANEL_WATER_INDICATOR", false, true, ""},
      {&game::level_hud_window_factory, "HUD_PANEL_WATER_INSCRIPTION", false, true, ""},
      {&game::level_hud_window_factory, "SG_WINDOW_CREDITS", false, false, unknown},
      {&game::level_bottom_window_factory, "HUD_PANEL_WATER_INDICATOR", false, false, unknown},
      {&game::level_closeup_window_factory, "HUD_PANEL_WATER_INSCRIPTION", false, false, unknown},
      {&game::level_hud_window_factory, "HUD_PANEL_TUTORIAL", false, false, ""},
      {&game::level_hud_window_factory, "HUD_PANEL_TUTORIAL", true, true, ""},
      {&game::level_bottom_window_factory, "HUD_PANEL_TUTORIAL", true, false, unknown},
      {&window_factory, "HUD_PANEL_TUTORIAL", true, false, unknown},
  };
  for (const CASE& c : cases) {
    game::level_tutorial_active = c.tutorial ? 1 : 0;
    MADE made = make(std::string("<WINDOW _type=\"") + c.type + "\" _name=\"W\"/>", c.factory);
    game::level_tutorial_active = 0;
    EXPECT_EQ(made.window != nullptr, c.built) << c.type;
    if (*c.says == '\0') {
      EXPECT_EQ(made.said, "") << c.type;
    } else {
      EXPECT_NE(made.said.find(c.says), std::string::npos) << c.type << " said: " << made.said;
    }
  }
}

TEST(window_factory, WideLabelsAtAnyDepthTakeTheirTextFromTheStringTable) {
  pugi::xml_document strings;
  strings.load_string(
      "<Workbook><Worksheet><Table>"
      "<Row><Cell><Data>title_play</Data></Cell><Cell><Data>Spielen</Data></Cell></Row>"
      "</Table></Worksheet></Workbook>");
  KOR::string_table_instance().load(strings, 0, 0);

  KOR::KC_GUI_OBJECT root(0);
  auto* panel = new KOR::KC_GUI_OBJECT(1);
  auto* inner = new KOR::KC_GUI_OBJECT(2);
  auto* deep = new KOR::KC_GUI_WLABEL(3);
  deep->text = L"title_play";
  auto* unknown = new KOR::KC_GUI_WLABEL(4);
  unknown->text = L"no_such_id";
  auto* narrow = new KOR::KC_GUI_LABEL(5, nullptr, "title_play");
  root.add_child(panel);
  panel->add_child(inner);
  inner->add_child(deep);
  root.add_child(unknown);
  root.add_child(narrow);

  game::localise_labels(&root);
  game::localise_labels(nullptr);
  EXPECT_EQ(deep->text, L"Spielen");
  EXPECT_EQ(unknown->text, L"etwas");
  EXPECT_EQ(narrow->text, "title_play") << "a narrow label keeps its text as written";
}

}  // namespace
