#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KC_CALLBACK.h"
#include "gui/KC_GUI_BUTTON2.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_CHECKBOX5.h"
#include "gui/KC_GUI_CHECKBOX_IOS.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_PANEL9.h"
#include "gui/KC_GUI_PROGRESS_BAR.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/gui_builder.h"
#include "gui/gui_harness.h"

namespace {

using namespace KOR;

class BuildControls : public ::testing::Test {
 protected:
  ~BuildControls() override { holder.delete_root(); }

  // The widgets of the "GUI" element, loaded as an enabled window loads them.
  std::vector<KC_GUI_OBJECT*>& build(const char* xml) {
    EXPECT_TRUE(doc.load_string(xml)) << xml;
    gui_build_into_root(&holder, doc.child("GUI"), nullptr);
    holder.load_resources();
    return holder.root->children;
  }
  template <class WIDGET>
  WIDGET* only(const char* xml) {
    std::vector<KC_GUI_OBJECT*>& widgets = build(xml);
    EXPECT_EQ(widgets.size(), 1u) << xml;
    return widgets.size() == 1 ? dynamic_cast<WIDGET*>(widgets[0]) : nullptr;
  }

  GuiHarness harness;
  pugi::xml_document doc;
  KC_GUI_ROOT holder;
};

TEST_F(BuildControls, EachElementMakesItsClassAndSkipsWhatLacksARequiredAttribute) {
  std::vector<KC_GUI_OBJECT*>& widgets = build(R"(<GUI>
      <button5 ID="1" TEXTURE="strip.png"/>
      <BUTTON2 ID="2" TEXTURE="strip.png"/>
      <Panel ID="3" TEXTURE="image.png"/>
      <PANEL9 ID="4"/>
      <CHECKBOX ID="5" TEXTURE="strip.png"/>
      <CHECKBOX_IOS ID="6" TX_PANEL="image.png" TX_BTN="strip.png"/>
      <PROGRESS_BAR ID="7" TEXTURE="strip.png"/>
      <BUTTON5 TEXTURE="strip.png"/>
      <BUTTON2 ID="9"/>
      <PANEL ID="10"/>
      <CHECKBOX ID="11"/>
      <CHECKBOX_IOS ID="12" TX_PANEL="image.png"/>
      <PROGRESS_BAR ID="13"/>
    </GUI>)");
  ASSERT_EQ(widgets.size(), 7u);
  EXPECT_NE(dynamic_cast<KC_GUI_BUTTON5*>(widgets[0]), nullptr);
  EXPECT_NE(dynamic_cast<KC_GUI_BUTTON2*>(widgets[1]), nullptr);
  EXPECT_NE(dynamic_cast<KC_GUI_PANEL*>(widgets[2]), nullptr);
  EXPECT_NE(dynamic_cast<KC_GUI_PANEL9*>(widgets[3]), nullptr);
  EXPECT_NE(dynamic_cast<KC_GUI_CHECKBOX5*>(widgets[4]), nullptr);
  EXPECT_NE(dynamic_cast<KC_GUI_CHECKBOX_IOS*>(widgets[5]), nullptr);
  EXPECT_NE(dynamic_cast<KC_GUI_PROGRESS_BAR*>(widgets[6]), nullptr);
  for (unsigned int i = 0; i < widgets.size(); ++i) EXPECT_EQ(widgets[i]->id(), i + 1);
}

TEST_F(BuildControls, AButtonBuiltDisabledShowsTheDisabledFrame) {
  struct CASE {
    const char* xml;
    uint8_t enabled;
    int state;
  };
  const CASE cases[] = {
      {R"(<GUI><BUTTON5 ID="1" TEXTURE="strip.png" ENABLE="no"/></GUI>)", 0,
       KC_GUI_BUTTON5::DISABLED},
      {R"(<GUI><BUTTON5 ID="1" TEXTURE="strip.png" ENABLE="yes"/></GUI>)", 1,
       KC_GUI_BUTTON5::NORMAL},
      {R"(<GUI><BUTTON5 ID="1" TEXTURE="strip.png"/></GUI>)", 1, KC_GUI_BUTTON5::NORMAL},
  };
  for (const CASE& c : cases) {
    KC_GUI_BUTTON5* button = only<KC_GUI_BUTTON5>(c.xml);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->enabled, c.enabled) << c.xml;
    EXPECT_EQ(button->state, c.state) << c.xml;
    EXPECT_FLOAT_EQ(button->strip.quad()->vertices[0].u, 0.2f * c.state) << c.xml;
  }
}

TEST_F(BuildControls, PanelsAreMovableByDefaultAndNinePartPanelsAreNot) {
  struct CASE {
    const char* xml;
    uint8_t movable;
  };
  const CASE cases[] = {
      {R"(<GUI><PANEL ID="1" TEXTURE="image.png"/></GUI>)", 1},
      {R"(<GUI><PANEL ID="1" TEXTURE="image.png" MOVABLE="0"/></GUI>)", 0},
      {R"(<GUI><PANEL9 ID="1"/></GUI>)", 0},
      {R"(<GUI><PANEL9 ID="1" MOVABLE="true"/></GUI>)", 1},
  };
  for (const CASE& c : cases) {
    auto* panel = only<KC_GUI_PANEL_BASE>(c.xml);
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->movable, c.movable) << c.xml;
  }
}

TEST_F(BuildControls, GrabAndFilledHooksAreNamedByTheLastEntryInAnyCase) {
  auto* panel = only<KC_GUI_PANEL>(R"(<GUI><PANEL ID="1" TEXTURE="image.png">
      <SCRIPTS><E EVENT="GRAB">first</E><E EVENT="grab">second</E><E EVENT="DOWN">down</E></SCRIPTS>
    </PANEL></GUI>)");
  ASSERT_NE(panel, nullptr);
  ASSERT_NE(panel->hook_grab, nullptr);
  EXPECT_EQ(panel->hook_grab->name, "second");
  EXPECT_EQ(panel->hook_grab->user_data, panel);
  EXPECT_EQ(panel->hook_down->name, "down");

  auto* bar = only<KC_GUI_PROGRESS_BAR>(R"(<GUI><PROGRESS_BAR ID="1" TEXTURE="strip.png">
      <SCRIPTS><E EVENT="Filled">full</E><E EVENT="GRAB">none</E></SCRIPTS></PROGRESS_BAR></GUI>)");
  ASSERT_NE(bar, nullptr);
  ASSERT_NE(bar->hook_filled, nullptr);
  EXPECT_EQ(bar->hook_filled->name, "full");

  auto* panel9 = only<KC_GUI_PANEL9>(R"(<GUI><PANEL9 ID="1" TX_2_2="image.png">
      <SCRIPTS><E EVENT="GRAB">drag</E></SCRIPTS></PANEL9></GUI>)");
  ASSERT_NE(panel9, nullptr);
  EXPECT_EQ(panel9->hook_grab->name, "drag");
  EXPECT_EQ(panel9->texture_names[4], "image.png");
  EXPECT_EQ(panel9->texture_names[0], "");
}

TEST_F(BuildControls, ASizeGivenBeforeTheFirstLoadIsSafe) {
  std::vector<KC_GUI_OBJECT*>& widgets = build(R"(<GUI>
      <CHECKBOX ID="1" TEXTURE="strip.png"><SIZE>50 50</SIZE></CHECKBOX>
      <PROGRESS_BAR ID="2" TEXTURE="strip.png"><SIZE>30 30</SIZE></PROGRESS_BAR>
      <PANEL9 ID="3"><SIZE>100 60</SIZE></PANEL9>
    </GUI>)");
  ASSERT_EQ(widgets.size(), 3u);
  EXPECT_EQ(widgets[0]->width(), 20.0f);  // one fifth of the 100-pixel strip
  EXPECT_EQ(static_cast<KC_GUI_PROGRESS_BAR*>(widgets[1])->frame_width, 50);  // from the strip
  EXPECT_EQ(widgets[2]->width(), 100.0f);
}

}  // namespace
