#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KC_HIT_SHAPE.h"
#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_SLIDER12.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "gui/gui_builder.h"
#include "support/widget_resources.h"

namespace KOR {
namespace {

class BuildInputs : public gui_test::WidgetResources {
 protected:
  // The "GUI" element of the text, built into the holder.
  void build(const char* xml) {
    ASSERT_TRUE(doc.load_string(xml)) << xml;
    gui_build_into_root(&holder, doc.child("GUI"), nullptr);
  }
  template <class T>
  T* widget(unsigned int id) {
    return dynamic_cast<T*>(holder.find(id));
  }

  pugi::xml_document doc;
  KC_GUI_ROOT holder;
};

TEST_F(BuildInputs, SlidersNeedTheirTrackAndTakeTheDefaults) {
  build(R"(<GUI>
    <slider13 ID="9" TEXTURE="strip13.png" START="100 300" END="400 300" VALUE="40">
      <SCRIPTS><E EVENT="value_changed">lower</E><E EVENT="VALUE_CHANGED">volume</E></SCRIPTS>
    </slider13>
    <SLIDER13 ID="10" TEXTURE="strip13.png" START="100 300" END="400 300">
      <SCRIPTS><E EVENT="value_changed">lower</E></SCRIPTS>
    </SLIDER13>
    <SLIDER12 ID="11" TEXTURE="strip12.png" START="100 300"/>
    <SLIDER12 ID="12" TEXTURE="strip12.png" START="100 300" END="400 300" MIN="10" STEP="2"/>
  </GUI>)");
  EXPECT_EQ(holder.root->children.size(), 3u);
  KC_GUI_SLIDER13* volume = widget<KC_GUI_SLIDER13>(9);
  ASSERT_NE(volume, nullptr);
  EXPECT_EQ(volume->value(), 40.0f);
  EXPECT_EQ(volume->max(), 100.0f);
  ASSERT_NE(volume->hook_value_changed, nullptr);
  EXPECT_EQ(volume->hook_value_changed->name, "volume");
  EXPECT_EQ(volume->hook_value_changed->user_data, volume);
  ASSERT_NE(widget<KC_GUI_SLIDER13>(10), nullptr);
  EXPECT_EQ(widget<KC_GUI_SLIDER13>(10)->hook_value_changed, nullptr);
  EXPECT_EQ(holder.find(11), nullptr) << "no END";
  KC_GUI_SLIDER12* twelve = widget<KC_GUI_SLIDER12>(12);
  ASSERT_NE(twelve, nullptr);
  EXPECT_EQ(twelve->min(), 10.0f);
  EXPECT_EQ(twelve->value(), 10.0f);
  EXPECT_EQ(references("strip12.png"), 1) << "loaded at build time";
  EXPECT_EQ(references("strip13.png"), 0) << "only named";
}

TEST_F(BuildInputs, LineBoxSettingsArriveBeforeItsResources) {
  build(R"(<GUI>
    <LINEBOX ID="3" TEXTURE="box.png" FONT="font.xml" FONT_TEXTURE="font.png" MAXLEN="0"
        TEXT="IL" CARRY_BLINK_TIME="0.25" FONT_COLOR="255 1 2 3" ALIGNMENT="RIGHT">
      <INPUT_AREA>10 4 30 4</INPUT_AREA>
    </LINEBOX>
    <LINEBOX ID="4" TEXTURE="box.png" FONT="font.xml" FONT_TEXTURE="font.png" ALIGNMENT="right">
      <INPUT_AREA>10 4 30</INPUT_AREA>
    </LINEBOX>
    <LINEBOX ID="5" TEXTURE="box.png" FONT="font.xml"/>
  </GUI>)");
  EXPECT_EQ(holder.find(5), nullptr) << "no FONT_TEXTURE";
  holder.load_resources();
  KC_GUI_LINEBOX* box = widget<KC_GUI_LINEBOX>(3);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->max_length(), KC_GUI_LINEBOX::kNoLimit);
  EXPECT_EQ(box->text(), L"IL");
  EXPECT_EQ(box->text_color.argb(), 0xFF010203u);
  EXPECT_EQ(box->alignment(), KC_GUI_LINEBOX::RIGHT);
  EXPECT_EQ(box->input_area()->width(), 160.0f);
  KC_GUI_LINEBOX* other = widget<KC_GUI_LINEBOX>(4);
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->alignment(), KC_GUI_LINEBOX::LEFT) << "values match exactly";
  EXPECT_EQ(other->input_area()->width(), 192.0f) << "three margins keep the defaults";
  holder.release_resources();
}

TEST_F(BuildInputs, ListBoxItemsAndRowsComeFromTheElement) {
  build(R"(<GUI>
    <ListBox ID="4" LIST_TEXTURE="selection.png" PANEL_TEXTURE="panel.png"
        SLIDER12_TEXTURE="strip13.png" FONT="font.xml" FONT_TEXTURE="font.png"
        VISIBLE_COUNT="0" LEFT_MARGIN="5">
      <ITEMS><I>Ann</I><I>B&#xe9;a</I><!-- none --><I>Cy</I></ITEMS>
    </ListBox>
    <LISTBOX ID="6" LIST_TEXTURE="selection.png" PANEL_TEXTURE="panel.png" FONT="font.xml"
        FONT_TEXTURE="font.png"/>
  </GUI>)");
  EXPECT_EQ(holder.find(6), nullptr) << "no SLIDER12_TEXTURE";
  KC_GUI_LISTBOX* list = widget<KC_GUI_LISTBOX>(4);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->item_count(), 3);
  EXPECT_EQ(list->item_text(1), L"B\u00e9a");
  EXPECT_EQ(list->visible_count(), 1);
  holder.load_resources();
  EXPECT_EQ(list->scroll_bar()->max(), 2.0f);
  holder.release_resources();
}

}  // namespace
}  // namespace KOR
