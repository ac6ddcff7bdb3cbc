#include "framework/G_PANEL9.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>

#include "support/framework_resources.h"
#include "support/images.h"

namespace {

using KOR_GF::G_PANEL9;

// Square 10-pixel pictures for every slice in a "panel" folder.
class NineSlicePanel : public testing::Test {
 protected:
  NineSlicePanel() {
    const std::filesystem::path folder = res.sandbox.resources() / "panel";
    std::filesystem::create_directories(folder);
    const std::vector<unsigned char> png =
        test_support::encode_png(10, 10, std::vector<uint32_t>(100, 0xFF336699));
    for (const char* name : {"corner", "edge", "middle"}) {
      std::ofstream(folder / (std::string(name) + ".png"), std::ios::binary)
          .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    }
    res.manager.add_repository("panel", "");
  }

  static std::array<std::string, 9> names(bool corners) {
    const std::string c = corners ? "panel corner.png" : "";
    const std::string e = "panel edge.png";
    return {c, e, c, e, "panel middle.png", e, c, e, c};
  }

  // The box that the panel's drawing covers, as {left, top, right, bottom},
  // and the number of slices drawn.
  std::array<float, 4> drawn_box(G_PANEL9& panel, int* slices) {
    res.gpu->draws.clear();
    res.render.begin_frame();
    panel.draw();
    res.render.end_frame();
    std::array<float, 4> box = {1e9f, 1e9f, -1e9f, -1e9f};
    *slices = 0;
    for (const KOR::GPU_NULL::DRAW& draw : res.gpu->draws) {
      *slices += draw.vertex_count / 4;
      for (const auto& p : draw.positions) {
        box = {std::min(box[0], p[0]), std::min(box[1], p[1]), std::max(box[2], p[0]),
               std::max(box[3], p[1])};
      }
    }
    return box;
  }

  framework_test::FrameworkResources res;
};

TEST_F(NineSlicePanel, CornersKeepTheirSizeWhileEdgesAndMiddleStretch) {
  G_PANEL9 panel(names(true));
  panel.set_position(200.0f, 100.0f);
  panel.load();
  panel.set_size(100, 60);
  EXPECT_FLOAT_EQ(panel.min_width(), 20.0f);
  EXPECT_FLOAT_EQ(panel.min_height(), 20.0f);
  EXPECT_FLOAT_EQ(panel.slice(G_PANEL9::MID).width(), 80.0f);
  EXPECT_FLOAT_EQ(panel.slice(G_PANEL9::MID).height(), 40.0f);
  EXPECT_FLOAT_EQ(panel.slice(G_PANEL9::UP).width(), 80.0f);
  EXPECT_FLOAT_EQ(panel.slice(G_PANEL9::UP).height(), 10.0f);
  EXPECT_FLOAT_EQ(panel.slice(G_PANEL9::LT).height(), 40.0f);
  EXPECT_FLOAT_EQ(panel.slice(G_PANEL9::UL).width(), 10.0f);
  int slices = 0;
  EXPECT_EQ(drawn_box(panel, &slices), (std::array<float, 4>{150.0f, 70.0f, 250.0f, 130.0f}));
  EXPECT_EQ(slices, 9);

  // Edges repeat along their side, the middle both ways, corners clamp.
  EXPECT_EQ(panel.slice(G_PANEL9::UP).render_state.addressing(), 1u);
  EXPECT_EQ(panel.slice(G_PANEL9::RT).render_state.addressing(), 2u);
  EXPECT_EQ(panel.slice(G_PANEL9::MID).render_state.addressing(), 3u);
  EXPECT_EQ(panel.slice(G_PANEL9::DR).render_state.addressing(), 0u);

  panel.unload();
  EXPECT_EQ(res.references("panel corner.png"), 0);
  EXPECT_EQ(drawn_box(panel, &slices)[0], 1e9f) << "nothing loaded, nothing drawn";
}

TEST_F(NineSlicePanel, NeverSmallerThanItsCorners) {
  G_PANEL9 loaded_first(names(true));
  loaded_first.load();
  EXPECT_FLOAT_EQ(loaded_first.requested_width(), 20.0f) << "no size asked: the smallest";
  EXPECT_FLOAT_EQ(loaded_first.slice(G_PANEL9::MID).width(), 0.0f);
  EXPECT_FLOAT_EQ(loaded_first.slice(G_PANEL9::LT).height(), 0.0f);
  loaded_first.set_size(5, 5);
  EXPECT_FLOAT_EQ(loaded_first.requested_width(), 20.0f);
  EXPECT_FLOAT_EQ(loaded_first.requested_height(), 20.0f);
  EXPECT_FLOAT_EQ(loaded_first.slice(G_PANEL9::MID).height(), 0.0f);

  // Sized before its corners are known, the load still raises it, so no
  // slice is turned inside out.
  G_PANEL9 sized_first(names(true));
  sized_first.set_size(5, 5);
  sized_first.load();
  EXPECT_FLOAT_EQ(sized_first.requested_width(), 20.0f);
  EXPECT_FLOAT_EQ(sized_first.slice(G_PANEL9::MID).width(), 0.0f);
  EXPECT_FLOAT_EQ(sized_first.slice(G_PANEL9::UP).width(), 0.0f);
}

TEST_F(NineSlicePanel, WithoutCornersOnlyEdgesAndMiddleShow) {
  pugi::xml_document document;
  document.load_string(
      R"(<panel up="panel edge.png" dn="panel edge.png" lt="panel edge.png"
                rt="panel edge.png" mid="panel middle.png" ul=""/>)");
  G_PANEL9 panel(document.first_child());
  EXPECT_EQ(panel.slice(G_PANEL9::UP).texture_name(), "panel edge.png");
  EXPECT_EQ(panel.slice(G_PANEL9::UL).texture_name(), "") << "empty: no texture";
  panel.load();
  EXPECT_FLOAT_EQ(panel.min_width(), 0.0f);
  EXPECT_FLOAT_EQ(panel.min_height(), 0.0f);
  panel.set_size(30, 20);
  int slices = 0;
  EXPECT_EQ(drawn_box(panel, &slices), (std::array<float, 4>{-25.0f, -20.0f, 25.0f, 20.0f}));
  EXPECT_EQ(slices, 5);
}

}  // namespace
