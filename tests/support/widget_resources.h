#pragma once

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "support/gui_scene.h"
#include "support/paths.h"

namespace gui_test {

// The GUI scene with the pictures the slider, line box and list box tests
// use, and the block font of the PRIMITIVES fixtures as "font.xml" on
// "font.png" ('I' advances 16, 'L' 32, no '|').
class WidgetResources : public ::testing::Test, protected GUI_SCENE {
 protected:
  void SetUp() override {
    add_texture("strip12.png", 240, 40);
    add_texture("strip13.png", 260, 40);
    add_texture("box.png", 200, 40);
    add_texture("panel.png", 200, 120);
    add_texture("selection.png", 200, 20);
    add_texture("bar.png", 200, 20);
    add_texture("knob.png", 20, 20);
    add_texture("font.png", 64, 32);
    auto* font = new KOR::KC_RESOURCE("font.xml");
    auto* document = new pugi::xml_document;
    ASSERT_TRUE(
        document->load_file(test_support::fixture_path("PRIMITIVES/block_font.xml").c_str()));
    font->data = document;
    font->kind = KOR::RESOURCE_XML;
    font->loaded = 1;
    manager.main_records["font.xml"].reset(font);
  }

  // A fresh press of the left button, whatever its state was.
  void left_down() {
    key_up(1);
    next_frame();
    key_down(1);
  }
  void left_up() { key_up(1); }
  // A key-down that types `ch` (0: none).
  void key(int code, wchar_t ch = 0) {
    key_down(code);
    input.typed_text[0] = ch;
    input.typed_text[1] = 0;
  }
};

}  // namespace gui_test
