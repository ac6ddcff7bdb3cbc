// Quads placed by each hot spot on a real window.
#include "PRIMITIVES/KC_QUAD.h"
#include "support/display_window.h"
#include "support/images.h"

namespace KOR {
namespace {

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF;

class QuadDisplay : public primitives_test::DisplayWindow {};

TEST_F(QuadDisplay, EachHotSpotPutsItsPointOfTheQuadOnThePosition) {
  // Left half red, right half blue: the picture is not mirrored either.
  const std::vector<unsigned char> png = test_support::encode_png(2, 1, {0xFFFF0000u, 0xFF0000FFu});
  KC_TEXTURE* texture = render->load_texture_memory(png.data(), png.size());
  ASSERT_NE(texture, render->default_texture);
  KC_QUAD quad(texture, nullptr);
  quad.set_size(80, 40);
  quad.set_filter(0);
  // The upper left corner's offset from the position, per hot spot.
  const int corner[9][2] = {{-40, -20}, {0, 0},     {-80, 0}, {0, -40},  {-80, -40},
                            {-40, 0},   {-40, -40}, {0, -20}, {-80, -20}};
  for (unsigned type = 0; type < 9; ++type) {
    SCOPED_TRACE(type);
    const int px = 150 + 200 * static_cast<int>(type % 4);
    const int py = 150 + 200 * static_cast<int>(type / 4);
    quad.set_hot_spot(type);
    quad.set_position(static_cast<float>(px), static_cast<float>(py), 0);
    quad.draw();
    const int left = px + corner[type][0];
    const int top = py + corner[type][1];
    EXPECT_EQ(pixel(left + 5, top + 5), kRed);
    EXPECT_EQ(pixel(left + 75, top + 35), kBlue);
    EXPECT_EQ(pixel(left - 5, top + 20), 0u);
    EXPECT_EQ(pixel(left + 85, top + 20), 0u);
    EXPECT_EQ(pixel(left + 40, top - 5), 0u);
    EXPECT_EQ(pixel(left + 40, top + 45), 0u);
  }
}

TEST_F(QuadDisplay, GridCellsShowTheirPartOfTheSheet) {
  // A 2 x 2 sheet: red, blue / green, white.
  const std::vector<unsigned char> png =
      test_support::encode_png(2, 2, {0xFFFF0000u, 0xFF0000FFu, 0xFF00FF00u, 0xFFFFFFFFu});
  KC_TEXTURE* texture = render->load_texture_memory(png.data(), png.size());
  KC_QUAD quad(texture, nullptr);
  quad.set_size(100, 100);
  quad.set_filter(0);
  const uint32_t expected[4] = {kRed, kBlue, 0x00FF00, 0xFFFFFF};
  for (int frame = 0; frame < 4; ++frame) {
    quad.set_grid_frame(2, 2, frame, true);
    EXPECT_EQ(quad.width(), 50.0f);
    quad.set_position(100.0f + 100.0f * static_cast<float>(frame), 300, 0);
    quad.draw();
    EXPECT_EQ(pixel(125 + 100 * frame, 325), expected[frame]) << frame;
  }
}

}  // namespace
}  // namespace KOR
