#include "framework/G_PAGE_DOTS.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "foundation/KS_VERTEX.h"
#include "support/framework_resources.h"

namespace {

using KOR_GF::G_PAGE_DOTS;

class PageDots : public testing::Test {
 protected:
  // The left edge of every dot one drawing hands the device.
  std::vector<float> drawn(G_PAGE_DOTS& dots) {
    res.gpu->draws.clear();
    res.render.begin_frame();
    dots.draw();
    res.render.end_frame();
    std::vector<float> out;
    for (const KOR::GPU_NULL::DRAW& d : res.gpu->draws) {
      for (size_t v = 0; v < d.positions.size(); v += 4) out.push_back(d.positions[v][0]);
    }
    return out;
  }

  framework_test::FrameworkResources res;
};

TEST_F(PageDots, ARowOfHalfPictureDotsAroundThePlacement) {
  G_PAGE_DOTS dots("graphics page.png");  // 64 × 32: dots 32 wide
  dots.set_position(500.0f, 300.0f);
  dots.load();
  EXPECT_FLOAT_EQ(dots.sprite().width(), 32.0f);
  dots.set_count(1);
  EXPECT_TRUE(drawn(dots).empty()) << "one page shows no dots";

  dots.set_count(3);
  const auto dots_drawn = drawn(dots);
  ASSERT_EQ(dots_drawn.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(dots_drawn[i], 500.0f - 32.0f + 32.0f * i);

  dots.next();
  dots.next();
  dots.next();
  EXPECT_EQ(dots.current(), 2u) << "held on the last page";
  dots.previous();
  dots.previous();
  dots.previous();
  EXPECT_EQ(dots.current(), 0u);
  dots.release();
  EXPECT_EQ(res.references("graphics page.png"), 0);
}

// The last dot drawn leaves its cell on the sprite.
TEST_F(PageDots, TheCurrentPageTakesTheLeftHalf) {
  G_PAGE_DOTS dots("graphics page.png");
  dots.load();
  dots.set_count(2);
  drawn(dots);
  EXPECT_FLOAT_EQ(dots.sprite().vertices[0].u, 0.5f) << "another page's dot";
  dots.next();
  drawn(dots);
  EXPECT_FLOAT_EQ(dots.sprite().vertices[0].u, 0.0f) << "the current page's dot";
  EXPECT_FLOAT_EQ(dots.sprite().vertices[1].u, 0.5f);
}

TEST_F(PageDots, WithoutPagesNextStaysAtTheFirst) {
  G_PAGE_DOTS dots("graphics page.png");
  dots.next();
  EXPECT_EQ(dots.current(), 0u);

  pugi::xml_document document;
  document.load_string(
      R"(<dots file="graphics back1.png"><TRANSFORM>10 20 0 0 0 0 0 0 0 1 1 1</TRANSFORM></dots>)");
  G_PAGE_DOTS from_xml(document.first_child());
  EXPECT_EQ(from_xml.sprite().texture_name(), "graphics back1.png");
  from_xml.load();
  from_xml.set_count(2);
  const auto at = drawn(from_xml);
  ASSERT_EQ(at.size(), 2u);
  EXPECT_FLOAT_EQ(at[0], 10.0f - 2.0f) << "half of the 4-pixel picture per dot";
}

}  // namespace
