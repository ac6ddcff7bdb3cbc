#include "level/CLevel_Press.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "level/CPipe_Sprite.h"
#include "tape_fixture.h"

namespace {

using game::CLevel_Press;
using game::CPipe_Sprite;

// Frames of 1/8 s, so that the sums of frame times are exact; the crush
// lasts 5 x 0.1 s, the slides 0.5 s.
class PressTest : public level_test::TapeFixture {
 protected:
  void SetUp() override {
    TapeFixture::SetUp();
    use_config(
        "<baseSpeedOfCoolDownOfPressInSeconds text=\"5\"/><shop_9_upgrade2_value text=\"2\"/>"
        "<pressMovingTime text=\"0.5\"/><pressAnimationFrameTime text=\"0.1\"/>");
    KOR::frame_dt = 0.125f;
  }

  std::unique_ptr<CPipe_Sprite> held_piece() {
    auto p = std::make_unique<CPipe_Sprite>();
    p->load_sprite(3);
    p->set_position(100, 600);
    return p;
  }

  // The states of the following frames and the frames that swallowed.
  std::vector<int> run(int frames, int* swallowed) {
    std::vector<int> states;
    for (int i = 0; i < frames; ++i) {
      if (press.update()) ++*swallowed;
      states.push_back(press.state());
    }
    return states;
  }

  CLevel_Press press{&owner};
};

TEST_F(PressTest, CooldownFollowsShopItem9) {
  struct Case {
    int level;
    float seconds;
  };
  for (const Case& c : std::vector<Case>{{0, 5}, {2, 3}, {3, 5}}) {
    owner.shop[game::SHOP_PRESS_COOLDOWN] = c.level;
    press.compute_cooldown();
    EXPECT_EQ(press.cooldown(), c.seconds) << c.level;
  }
}

TEST_F(PressTest, APieceFliesInIsCrushedAndThePressComesBack) {
  owner.shop[game::SHOP_PRESS_COOLDOWN] = 2;  // a 3-s cool-down
  press.area_position = KOR::KS_VECTOR2{800, 650};
  press.area_size = KOR::KS_VECTOR2{100, 80};
  press.bind();
  EXPECT_EQ(press.state(), CLevel_Press::READY);
  press.take_piece(held_piece());
  EXPECT_EQ(press.state(), CLevel_Press::FLYING_IN);
  int swallowed = 0;
  EXPECT_FALSE(press.update());
  // A straight line toward the area's centre (850, 690), 0.125 s of 0.3 s.
  ASSERT_NE(press.piece(), nullptr);
  EXPECT_NEAR(press.piece()->position().x, 412.5f, 0.01f);
  EXPECT_NEAR(press.piece()->position().y, 637.5f, 0.01f);
  std::vector<int> states = run(2, &swallowed);
  EXPECT_EQ(swallowed, 1);
  EXPECT_EQ(press.piece(), nullptr);
  EXPECT_EQ(states.back(), CLevel_Press::CRUSHING);
  // 4 crush frames, 24 cooling frames; the frame that ends the cooling
  // also makes the first step of the return, then 3 more.
  states = run(4 + 24 + 3, &swallowed);
  EXPECT_EQ(swallowed, 1);
  EXPECT_EQ(states[2], CLevel_Press::CRUSHING);
  EXPECT_EQ(states[3], CLevel_Press::COOLING);
  EXPECT_EQ(states[26], CLevel_Press::COOLING);
  EXPECT_EQ(states[27], CLevel_Press::RETURNING);
  EXPECT_EQ(states[29], CLevel_Press::RETURNING);
  EXPECT_EQ(states[30], CLevel_Press::READY);
}

TEST_F(PressTest, ACooldownOfZeroEndsInTheFirstCoolingFrame) {
  use_config("<pressMovingTime text=\"0.1\"/><pressAnimationFrameTime text=\"0\"/>");
  press.bind();
  press.take_piece(held_piece());
  int swallowed = 0;
  EXPECT_EQ(run(6, &swallowed), (std::vector<int>{1, 1, 4, 2, 0, 0}));
  EXPECT_EQ(swallowed, 1);
}

TEST_F(PressTest, ResetDropsTheFlyingPiece) {
  press.bind();
  press.take_piece(held_piece());
  press.update();
  owner.shop[game::SHOP_PRESS_COOLDOWN] = 2;
  press.reset();
  EXPECT_EQ(press.state(), CLevel_Press::READY);
  EXPECT_EQ(press.piece(), nullptr);
  EXPECT_EQ(press.cooldown(), 3.0f);
  EXPECT_EQ(press.piece_to_return(), -1);
}

}  // namespace
