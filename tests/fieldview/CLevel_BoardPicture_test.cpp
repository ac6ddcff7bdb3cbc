// The board picture on the recording device: composed when a still layer
// changes and only then, laid down at rest, left alone while the board
// moves, and composed again after a device reset.
#include <gtest/gtest.h>

#include <functional>

#include "FieldViewBoard.h"

namespace field_view_test {
namespace {

class BoardPictureTest : public BoardTest {
 protected:
  void SetUp() override {
    BoardTest::SetUp();
    view.compose_still_layers = true;
    at(4, 1).contentType = CONTENT_OBSTACLE;
    at(4, 1).obstacleType = 1;
    pipe(1, 1, 1, 0);
    at(2, 3).isSpecial = 1;
    // Coins told apart by their size, small enough to leave the pipe and
    // its place apart.
    for (int n = 1; n <= 4; ++n) view.coin_sprites[n] = quad(48, 48);
  }

  bool drew(float width) const {
    for (const Drawn& d : last) {
      if (d.w == width) return true;
    }
    return false;
  }

  // One frame; the number of times the picture has been composed.
  int frame() {
    view.draw(-1, -1);
    last = drawn();
    return view.board_picture.compositions;
  }

  std::vector<Drawn> last;
};

TEST_F(BoardPictureTest, ComposedWhenAStillLayerChangesAndNotOnAFrameWhereNothingStillDid) {
  EXPECT_EQ(frame(), 0) << "the first frame has no rest to compare";
  EXPECT_EQ(frame(), 1);
  EXPECT_EQ(frame(), 1);
  // What moves does not touch the picture: glow and coin frames, the water.
  view.glow_frame = 2;
  view.coin_frame = 3;
  at(1, 1).waterFill = 0.5f;
  at(1, 1).waterInflowSide = 2;
  view.set_water_visible(true);
  EXPECT_EQ(frame(), 1);

  struct Change {
    const char* what;
    std::function<void()> apply;
  };
  const std::vector<Change> changes = {
      {"a piece laid", [&] { pipe(3, 2, 2, 90); }},
      {"a piece turned", [&] { at(3, 2).pipeAngle = 180; }},
      {"a piece destroyed", [&] { at(3, 2).reset(); }},
      {"a rock removed", [&] { at(4, 1).reset(); }},
      {"a coin taken", [&] { at(2, 3).isSpecial = 0; }},
      {"equipment set running",
       [&] {
         pipe(0, 4, 14, 0);
         at(0, 4).equipmentAnimating = 1;
       }},
      {"the destruction aim", [&] { view.set_hovered_cell(1, 1); }},
      {"a layer switched", [&] { view.show_obstacles = 0; }},
      {"a new wall layout", [&] { view.reset_layout(); }},
  };
  int composed = 1;
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    c.apply();
    EXPECT_EQ(frame(), ++composed);
    EXPECT_EQ(frame(), composed);
  }
}

TEST_F(BoardPictureTest, AMovingBoardIsDrawnLayerByLayerAndComposedOnceAtRest) {
  frame();
  ASSERT_EQ(frame(), 1);
  frame();
  EXPECT_FALSE(drew(101)) << "the resting pipe is in the picture";
  view.set_origin(10.0f, 0.0f);
  EXPECT_EQ(frame(), 1);
  EXPECT_TRUE(drew(101)) << "every layer drawn";
  view.set_origin(20.5f, 0.0f);
  EXPECT_EQ(frame(), 1);
  EXPECT_EQ(frame(), 2);
  EXPECT_EQ(frame(), 2);
}

TEST_F(BoardPictureTest, ADeviceResetOrANewBackBufferSizeComposesAgain) {
  frame();
  ASSERT_EQ(frame(), 1);
  render.render.reset_device();
  EXPECT_EQ(frame(), 2);
  EXPECT_EQ(frame(), 2);
  render.gpu->drawable_width = 1366;
  EXPECT_EQ(frame(), 3);
  EXPECT_EQ(frame(), 3);
}

TEST_F(BoardPictureTest, AtRestOnlyThePlacesOfMovingThingsAreDrawnOverThePicture) {
  view.open_connections.clear();
  frame();
  frame();
  ASSERT_EQ(frame(), 1);
  EXPECT_TRUE(drew(48)) << "the coin is drawn over the picture";
  EXPECT_FALSE(drew(101)) << "the resting pipe is in the picture";
  EXPECT_TRUE(drew(201)) << "the rims stay above the water, drawn each frame";
}

}  // namespace
}  // namespace field_view_test
