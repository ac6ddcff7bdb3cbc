#include "gui/gui_builder.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_LABEL.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "gui/gui_harness.h"

namespace {

using KOR::KC_GUI_OBJECT;

class GuiBuilder : public ::testing::Test {
 protected:
  ~GuiBuilder() override { KOR::auto_position_screen_width = KOR::kNarrowScreenWidth; }

  // Builds the "GUI" element of the text into the holder.
  void build(const char* xml, const char* group = nullptr) {
    ASSERT_TRUE(doc.load_string(xml)) << xml;
    KOR::gui_build_into_root(&holder, doc.child("GUI"), group);
  }
  KC_GUI_OBJECT* only_widget() {
    EXPECT_EQ(holder.root->children.size(), 1u);
    return holder.root->children.empty() ? nullptr : holder.root->children[0];
  }
  void screen_width(int width) { KOR::auto_position_screen_width = width; }

  GuiHarness harness;
  pugi::xml_document doc;
  KOR::KC_GUI_ROOT holder;
};

TEST_F(GuiBuilder, OnlyWidgetElementsWithTheirRequiredAttributesBecomeWidgets) {
  build(R"(<GUI>
      <label ID="1" TEXTURE="font.png" FONT="font.xml"/>
      <BUTTON99 ID="2" TEXTURE="image.png"/>
      <IMAGE TEXTURE="image.png"/>
      text between <!-- and a comment -->
    </GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_NE(dynamic_cast<KOR::KC_GUI_LABEL*>(w), nullptr);
  EXPECT_EQ(w->id(), 1u);
}

TEST_F(GuiBuilder, RequiredAttributeNamesMatchExactly) {
  build(R"(<GUI>
      <IMAGE id="1" TEXTURE="image.png"/>
      <WLABEL ID="2" FONT="font.xml"/>
      <LABEL ID="3" TEXTURE="font.png"/>
      <LABEL ID="4" TEXTURE="font.png" FONT="missing.xml"/>
    </GUI>)");
  EXPECT_TRUE(holder.root->children.empty());
  // The texture of a label whose font fails is never taken.
  EXPECT_EQ(harness.refs("font.png"), 0);
}

TEST_F(GuiBuilder, EmptyIdGivesIdZero) {
  build(R"(<GUI><IMAGE ID="" TEXTURE="image.png"/></GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->id(), 0u);
}

TEST_F(GuiBuilder, PositionReplacesWhatTheTransformSet) {
  build(R"(<GUI><IMAGE ID="1" TEXTURE="image.png">
      <TRANSFORM>10 20 3 1 2 0 0 0 0.5 2 2 1</TRANSFORM><POSITION>5 6</POSITION>
    </IMAGE></GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->transform->position.x, 5.0f);
  EXPECT_EQ(w->transform->position.y, 6.0f);
  EXPECT_EQ(w->transform->position.z, 0.0f);
  EXPECT_EQ(w->transform->pivot.x, 1.0f);
  EXPECT_EQ(w->transform->rotation.z, 0.5f);
  EXPECT_EQ(w->transform->scale.x, 2.0f);
}

TEST_F(GuiBuilder, DoubleBlankMakesAnEmptyEntryThatShiftsTheRest) {
  build(R"(<GUI><IMAGE ID="1" TEXTURE="image.png">
      <TRANSFORM>10  20 0 0 0 0 0 0 0 1 1 1</TRANSFORM></IMAGE></GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->transform_list.size(), 13u);
  EXPECT_EQ(w->transform->position.x, 10.0f);
  EXPECT_EQ(w->transform->position.y, 0.0f);
  EXPECT_EQ(w->transform->position.z, 20.0f);
  EXPECT_EQ(w->transform->scale.x, 0.0f);
  EXPECT_EQ(w->transform->scale.y, 1.0f);
}

TEST_F(GuiBuilder, ShortTransformIsKeptButNotApplied) {
  build(R"(<GUI><IMAGE ID="1" TEXTURE="image.png">
      <TRANSFORM>10 20 0 0 0 0 0 0 0 1 1</TRANSFORM><SIZE>7</SIZE></IMAGE></GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->transform_list.size(), 11u);
  EXPECT_EQ(w->transform->position.x, 0.0f);
}

TEST_F(GuiBuilder, WithoutTransform1366TheSameListIsAppliedAgainAtTheWiderScreen) {
  build(R"(<GUI><IMAGE ID="1" TEXTURE="image.png">
      <TRANSFORM>10 20 0 1 1 0 0 0 0 1 1 1</TRANSFORM></IMAGE></GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->transform_1366_list, w->transform_list);
  EXPECT_EQ(w->transform->pivot.x, 1.0f);
  w->apply_layout(1366);
  EXPECT_EQ(w->transform->pivot.x, 2.0f);
  EXPECT_EQ(w->transform->position.x, 10.0f);
}

TEST_F(GuiBuilder, Transform1366IsAppliedOnTopOnlyOnTheWiderScreen) {
  const char* xml = R"(<GUI><IMAGE ID="1" TEXTURE="image.png">
      <TRANSFORM>10 20 0 1 1 0 0 0 0 1 1 1</TRANSFORM>
      <TRANSFORM_1366>30 40 0 2 2 0 0 0 0 1 1 1</TRANSFORM_1366></IMAGE></GUI>)";
  build(xml);
  ASSERT_NE(only_widget(), nullptr);
  EXPECT_EQ(only_widget()->transform->position.x, 10.0f);
  EXPECT_EQ(only_widget()->transform->pivot.x, 1.0f);

  screen_width(1366);
  build(xml);
  ASSERT_NE(only_widget(), nullptr);
  EXPECT_EQ(only_widget()->transform->position.x, 30.0f);
  EXPECT_EQ(only_widget()->transform->pivot.x, 3.0f);
}

TEST_F(GuiBuilder, FlagsSizeAndHooks) {
  build(R"(<GUI><IMAGE ID="1" TEXTURE="image.png" ENABLE="no" VISIBLE="False">
      <SIZE>30 40</SIZE>
      <SCRIPTS><A EVENT="down">a</A><B EVENT="DOWN">b</B><C EVENT="Up">click</C>
        <D EVENT="ENTER">in</D><E EVENT="leave">out</E><F EVENT="GRAB">grab</F><G>none</G>
      </SCRIPTS></IMAGE></GUI>)");
  KC_GUI_OBJECT* w = only_widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->enabled, 0);
  EXPECT_EQ(w->visible, 0);
  ASSERT_NE(w->hook_down, nullptr);
  EXPECT_EQ(w->hook_down->name, "b");
  EXPECT_EQ(w->hook_down->user_data, w);
  EXPECT_EQ(KOR::callback_invoke(w->hook_down, w), 0);
  ASSERT_NE(w->hook_up, nullptr);
  EXPECT_EQ(w->hook_up->name, "click");
  ASSERT_NE(w->hook_enter, nullptr);
  EXPECT_EQ(w->hook_enter->name, "in");
  ASSERT_NE(w->hook_leave, nullptr);
  EXPECT_EQ(w->hook_leave->name, "out");
}

TEST_F(GuiBuilder, BoolsReadTheirFirstCharacter) {
  struct CASE {
    const char* text;
    uint8_t value;
  };
  for (const CASE& c : {CASE{"1", 1}, CASE{"true", 1}, CASE{"Yes", 1}, CASE{"y", 1}, CASE{"0", 0},
                        CASE{"no", 0}, CASE{"", 0}, CASE{"on", 0}}) {
    const std::string xml =
        std::string(R"(<GUI><IMAGE ID="1" TEXTURE="image.png" VISIBLE=")") + c.text + "\"/></GUI>";
    build(xml.c_str());
    ASSERT_NE(only_widget(), nullptr);
    EXPECT_EQ(only_widget()->visible, c.value) << c.text;
  }
}

TEST_F(GuiBuilder, NestedContextsBuildATreeTheRootCanSearch) {
  build(R"(<GUI>
      <IMAGE ID="1" TEXTURE="image.png"><CONTEXT>
        <IMAGE ID="2" TEXTURE="image.png"><CONTEXT>
          <IMAGE ID="3" TEXTURE="image.png"/>
          <UNKNOWN ID="4"/>
        </CONTEXT></IMAGE>
      </CONTEXT></IMAGE>
      <IMAGE ID="5" TEXTURE="image.png"/>
    </GUI>)");
  EXPECT_EQ(holder.root->children.size(), 2u);
  KC_GUI_OBJECT* deepest = holder.find(3);
  ASSERT_NE(deepest, nullptr);
  EXPECT_EQ(deepest->parent, holder.find(2));
  EXPECT_EQ(deepest->transform->parent, holder.find(2)->transform);
  EXPECT_EQ(holder.find(2)->parent, holder.find(1));
  EXPECT_EQ(holder.find(4), nullptr);
}

TEST_F(GuiBuilder, GroupsAreChosenByNameWithoutRegardToCase) {
  const char* xml = R"(<GUI>
      <GROUP NAME="first"><IMAGE ID="1" TEXTURE="image.png"/></GROUP>
      <GROUP NAME="Second"><IMAGE ID="2" TEXTURE="image.png"/></GROUP>
    </GUI>)";
  build(xml, "SECOND");
  ASSERT_NE(only_widget(), nullptr);
  EXPECT_EQ(only_widget()->id(), 2u);
  // No match: the first child; the earlier widgets are gone.
  build(xml, "third");
  ASSERT_NE(only_widget(), nullptr);
  EXPECT_EQ(only_widget()->id(), 1u);
}

TEST_F(GuiBuilder, WideLabelAttributes) {
  build(R"(<GUI><WLABEL ID="7" FONT="font.xml" FONT_TEXTURE="font.png" TEXT="Größe"
      TEXT_ID="12" LETTER_SPACE="0" MID_DIV="2" HOT_SPOT="8" FONT_COLOR="80FF0000"/></GUI>)");
  auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(only_widget());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->text, L"Größe");
  EXPECT_EQ(label->hot_spot(), 8);
  EXPECT_EQ(label->color.argb(), 0x80FF0000u);
  EXPECT_EQ(label->spacing_given, 1);
  EXPECT_EQ(label->font, nullptr);  // nothing loads at build time
  holder.load_resources();
  ASSERT_NE(label->font, nullptr);
  EXPECT_EQ(label->font->mid_divisor, 2.0f);
  EXPECT_EQ(label->font->line_spacing, 0);
  holder.release_resources();
}

TEST_F(GuiBuilder, WideLabelLineSpaceIsZeroUnlessGivenAndMidDivNeedsLetterSpace) {
  build(R"(<GUI>
      <WLABEL ID="1" FONT="font.xml" FONT_TEXTURE="font.png" MID_DIV="2"/>
      <WLABEL ID="2" FONT="font.xml" FONT_TEXTURE="font.png" LINE_SPACE="6"/>
    </GUI>)");
  auto* first = dynamic_cast<KOR::KC_GUI_WLABEL*>(holder.find(1));
  auto* second = dynamic_cast<KOR::KC_GUI_WLABEL*>(holder.find(2));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(first->color.argb(), 0xFFFFFFFFu);
  holder.load_resources();
  EXPECT_EQ(first->font->line_spacing, 0);
  EXPECT_EQ(first->font->mid_divisor, 4.0f);
  EXPECT_EQ(second->font->line_spacing, 6);
  holder.release_resources();
}

TEST_F(GuiBuilder, LabelTakesItsFontAtBuildTimeWithItsColour) {
  build(R"(<GUI>
      <LABEL ID="1" TEXTURE="font.png" FONT="font.xml" TEXT="IL" FONT_COLOR="255 1 2 3"/>
      <LABEL ID="2" TEXTURE="font.png" FONT="font.xml" FONT_COLOR="255 1"/>
    </GUI>)");
  auto* label = dynamic_cast<KOR::KC_GUI_LABEL*>(holder.find(1));
  auto* plain = dynamic_cast<KOR::KC_GUI_LABEL*>(holder.find(2));
  ASSERT_NE(label, nullptr);
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(label->text, "IL");
  EXPECT_EQ(harness.refs("font.png"), 2);
  EXPECT_EQ(harness.refs("font.xml"), 0);
  EXPECT_EQ(plain->text, "");
  holder.clear();
  EXPECT_EQ(harness.refs("font.png"), 0);
}

TEST_F(GuiBuilder, BrokenOrEmptyInputBuildsNothingAndNeverCrashes) {
  pugi::xml_document broken;
  broken.load_string("<GUI><IMAGE ID=\"1\" TEXTURE=");
  KOR::gui_build_into_root(&holder, broken.child("GUI"), nullptr);
  KOR::gui_build_into_root(&holder, pugi::xml_node(), nullptr);
  KOR::gui_build_into_root(&holder, pugi::xml_node(), "group");
  KOR::gui_build_into_root(nullptr, broken.child("GUI"), nullptr);
  EXPECT_TRUE(holder.root->children.empty());
  EXPECT_EQ(KOR::gui_build_widget(pugi::xml_node()), nullptr);
}

}  // namespace
