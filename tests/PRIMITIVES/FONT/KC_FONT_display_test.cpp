// A line of text in the block fixture font on a real window.
#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/display_window.h"
#include "support/paths.h"

namespace KOR {
namespace {

constexpr uint32_t kGreen = 0x00FF00;

class FontDisplay : public primitives_test::DisplayWindow {
 protected:
  void SetUp() override {
    DisplayWindow::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(doc.load_file(test_support::fixture_path("PRIMITIVES/block_font.xml").c_str()));
    KC_TEXTURE* page = texture_from_file(test_support::fixture_path("PRIMITIVES/block_font.png"));
    ASSERT_NE(page, render->default_texture);
    font = new KC_FONT(doc.child("font"), page, 600);
    font->set_color(0xFF00FF00u);
  }
  void TearDown() override {
    delete font;
    DisplayWindow::TearDown();
  }

  pugi::xml_document doc;
  KC_FONT* font = nullptr;
};

TEST_F(FontDisplay, ALineOfTextLandsGlyphByGlyph) {
  font->anchor = HS_UL;
  // I at 100..108, a space, L at 132 (bar 132..140, foot 132..156 in the
  // last 8 rows), then Z, which the font lacks: the '?' block at 164..180.
  font->draw_text_w(100, 400, L"I LZ");
  EXPECT_EQ(pixel(104, 416), kGreen);
  EXPECT_EQ(pixel(96, 416), 0u);
  EXPECT_EQ(pixel(120, 416), 0u);
  EXPECT_EQ(pixel(136, 410), kGreen);
  EXPECT_EQ(pixel(150, 410), 0u);
  EXPECT_EQ(pixel(150, 428), kGreen);
  EXPECT_EQ(pixel(160, 428), 0u);
  EXPECT_EQ(pixel(172, 416), kGreen);
  EXPECT_EQ(pixel(184, 416), 0u);
  EXPECT_EQ(pixel(104, 396), 0u);
  EXPECT_EQ(pixel(104, 436), 0u);
}

TEST_F(FontDisplay, CentredTwoLineBlockInATransform) {
  KS_TRANSFORM3 label;
  label.set_position(600, 300, 0);
  // Two lines: L = 64, so the block starts 16 above; "II" is 32 wide, so
  // its line starts 16 left; "I" starts 8 left, one line (35) lower.
  font->print_w_in(&label, HS_MID, L"II\nI");
  EXPECT_EQ(pixel(588, 300), kGreen);
  EXPECT_EQ(pixel(580, 300), 0u);
  EXPECT_EQ(pixel(604, 300), kGreen);
  EXPECT_EQ(pixel(588, 280), 0u);
  EXPECT_EQ(pixel(596, 335), kGreen);
  EXPECT_EQ(pixel(588, 335), 0u);
}

}  // namespace
}  // namespace KOR
