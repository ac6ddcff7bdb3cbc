#include "framework/G_ANIMATION.h"

#include <gtest/gtest.h>

#include <cmath>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_VERTEX.h"
#include "support/framework_resources.h"

using KOR_GF::G_ANIMATION;

namespace {

class Animation : public ::testing::Test {
 protected:
  void TearDown() override { KOR::frame_dt = 0.0f; }

  // An animation over page.png (64 × 32) from the XML form.
  G_ANIMATION make(const std::string& attributes) {
    doc.reset();
    doc.load_string(
        ("<a><FILE>graphics page.png</FILE><ANIMATION " + attributes + "/></a>").c_str());
    return G_ANIMATION(doc.child("a"));
  }
  // The column of the cell shown, from the left texture coordinate.
  static int shown(const G_ANIMATION& a) {
    return static_cast<int>(std::lround(a.vertices[0].u * static_cast<float>(a.grid().x)));
  }
  // The cell start shows, then the cell of every update that shows one,
  // until `updates` updates went by; "stop" once playing ends.
  static std::vector<std::string> run(G_ANIMATION& a, int updates) {
    KOR::frame_dt = 1.0f;
    a.start(0.0f);
    std::vector<std::string> cells = {std::to_string(shown(a))};
    for (int i = 0; i < updates && a.is_playing(); ++i) {
      if (a.update() == 1) cells.push_back(std::to_string(shown(a)));
    }
    if (!a.is_playing()) cells.push_back("stop");
    return cells;
  }

  framework_test::FrameworkResources res;
  pugi::xml_document doc;
};

TEST_F(Animation, EndRulesForSingleLoopingAndPingPongRuns) {
  using V = std::vector<std::string>;
  struct Case {
    const char* attributes;
    V cells;
  };
  const Case cases[] = {
      {"loop='0'", V{"0", "0", "1", "2", "stop"}},
      {"loop='1'", V{"0", "0", "1", "2", "0", "1", "2", "0", "1"}},
      {"loop='t' ping_pong='y'", V{"0", "0", "1", "2", "1", "0", "1", "2", "1"}},
      {"loop='no' ping_pong='Y'", V{"0", "0", "1", "2", "1", "0", "stop"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.attributes);
    // Two periods per update at fps 2: one cell each.
    G_ANIMATION a = make(std::string(c.attributes) + " grid='3 1' frames='3' fps='2'");
    EXPECT_EQ(run(a, 8), c.cells);
  }
}

TEST_F(Animation, StepsWhenTheClockPassesOnePeriodAtMostOneCellPerUpdate) {
  G_ANIMATION a = make("grid='4 1' frames='4' fps='8'");
  a.start(0.0f);
  KOR::frame_dt = 0.0625f;
  // Clock 0.5, then 1.0 (not above 1), then 1.5.
  EXPECT_EQ(a.update(), 0);
  EXPECT_EQ(a.update(), 0);
  EXPECT_EQ(a.update(), 1);
  EXPECT_EQ(a.frame(), 1);
  // A long frame still shows one cell, and its surplus is dropped.
  KOR::frame_dt = 10.0f;
  EXPECT_EQ(a.update(), 1);
  KOR::frame_dt = 0.0625f;
  EXPECT_EQ(a.update(), 0);

  KOR::frame_dt = 0.0f;
  EXPECT_EQ(a.update(), 0);
  a.stop();
  KOR::frame_dt = 1.0f;
  EXPECT_EQ(a.update(), 0);
  a.resume();
  EXPECT_EQ(a.update(), 1);
}

TEST_F(Animation, StartDelayRunsOutInsideTheStepThatEndsIt) {
  G_ANIMATION a = make("grid='4 1' frames='4' fps='4'");
  a.start(0.5f);
  KOR::frame_dt = 0.25f;
  EXPECT_EQ(a.update(), 0);  // delay 0.25 left
  EXPECT_EQ(a.update(), 0);  // delay 0, clock 1.0
  EXPECT_EQ(a.update(), 1);  // clock 2.0

  // A copy starts without the delay; an assignment keeps its own.
  a.start(10.0f);
  G_ANIMATION copy(a);
  EXPECT_EQ(copy.update(), 0);
  EXPECT_EQ(copy.update(), 1);
  G_ANIMATION assigned = make("fps='4'");
  assigned.start(10.0f);
  assigned = copy;
  EXPECT_EQ(assigned.update(), 0);
  EXPECT_EQ(assigned.update(), 0);
  EXPECT_EQ(a.update(), 0);
}

TEST_F(Animation, GridCellsSizesAndMirroring) {
  G_ANIMATION a = make("grid='4 2' frames='8'");
  EXPECT_EQ(a.render_state.addressing(), KOR::KS_RENDER_STATE::kWrapUV);
  // The default texture is 16 × 16 until the sheet is loaded.
  EXPECT_EQ(a.width(), 4.0f);
  EXPECT_EQ(a.height(), 8.0f);
  a.load();
  EXPECT_EQ(a.width(), 16.0f);
  EXPECT_EQ(a.height(), 16.0f);
  EXPECT_EQ(res.references("graphics page.png"), 1);

  a.set_frame(5);
  EXPECT_FLOAT_EQ(a.vertices[0].u, 0.25f);
  EXPECT_FLOAT_EQ(a.vertices[1].u, 0.5f);
  EXPECT_FLOAT_EQ(a.vertices[0].v, 0.5f);
  EXPECT_FLOAT_EQ(a.vertices[2].v, 1.0f);
  a.set_frame(13);
  EXPECT_EQ(a.frame(), 5);

  G_ANIMATION mirrored = make("flip='1' grid='4 2' frames='8'");
  mirrored.set_frame(5);
  EXPECT_FLOAT_EQ(mirrored.vertices[0].u, 0.5f);
  EXPECT_FLOAT_EQ(mirrored.vertices[1].u, 0.25f);

  // No cell count divides by zero: a grid or frame count of 0 counts as 1.
  G_ANIMATION empty = make("grid='0 0' frames='0'");
  EXPECT_EQ(empty.grid(), KOR::KS_IVECTOR2(1, 1));
  empty.set_frame(3);
  EXPECT_EQ(empty.frame(), 0);
  empty.set_grid(KOR::KS_IVECTOR2(-2, 3));
  EXPECT_EQ(empty.grid(), KOR::KS_IVECTOR2(1, 3));

  G_ANIMATION named("graphics page.png");
  EXPECT_EQ(named.render_state.addressing(), KOR::KS_RENDER_STATE::kWrapUV);
  named.load();
  EXPECT_EQ(named.width(), 64.0f);
}

}  // namespace
