#include "level/CLevel_Tape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "level/CPipe_Sprite.h"
#include "platform/KC_INPUT.h"
#include "tape_fixture.h"

namespace {

using game::CLevel_Tape;
using game::CPipe_Sprite;
using level_test::ScriptedRand;

// At width 1024: origin 138, entry 863, left end 173; new pieces appear at
// 833 and the entry zone is x > 773.
class TapeTest : public level_test::TapeFixture {
 protected:
  void SetUp() override {
    TapeFixture::SetUp();
    header.availablePipes = {{1, true}, {2, true}, {3, false}};
    header.percentOfBonusPipesOnTape = 0;
  }

  // The tape after setup, holding one piece of `type` at each x.
  void lay(const std::vector<float>& xs, int type = 1) {
    for (float x : xs) {
      ScriptedRand::values = {0, 0, 0, 0};
      tape.new_piece();
      CPipe_Sprite* p = tape.slots().rbegin()->second.get();
      if (p->type() != type) p->set_type(type);
      p->set_position(x, 711);
    }
    ScriptedRand::reset();
  }

  std::vector<float> xs() const {
    std::vector<float> out;
    for (const auto& [slot, p] : tape.slots()) out.push_back(p->position().x);
    return out;
  }

  CLevel_Tape tape{&ScriptedRand::draw, &owner};
};

struct DrawCase {
  const char* name;
  std::vector<int> script;  // rand values of the type draw
  int type;
};

// Types 1 and 2 with weights 1 and 3: type 1 below 2500, type 2 from 2500.
TEST_F(TapeTest, WeightedDrawUsesItsExactCallPattern) {
  use_config(
      "<probability_pipe1 text=\"1\"/><probability_pipe2 text=\"3\"/>"
      "<probability_pipe3 text=\"50\"/><probability_pipe_step text=\"0.5\"/>");
  const std::vector<DrawCase> cases = {
      {"k 0, just under the boundary", {0, 2499, 0}, 1},
      {"k 0, on the boundary (strict)", {20, 12500, 0}, 2},
      {"k 0, flipped", {40, 7500, 1}, 1},
      {"k 3", {3, 9999, 5, 5, 2499, 7, 5, 5, 2}, 1},
      {"k 3, flipped", {23, 9999, 5, 5, 2499, 7, 5, 5, 3}, 2},
  };
  for (const DrawCase& c : cases) {
    tape.setup(&header);
    ScriptedRand::reset();
    ScriptedRand::values.assign(c.script.begin(), c.script.end());
    ScriptedRand::values.push_back(99);  // the bonus draw
    tape.new_piece();
    ASSERT_EQ(tape.slots().size(), 1u) << c.name;
    const CPipe_Sprite* p = tape.slots().at(1).get();
    EXPECT_EQ(p->type(), c.type) << c.name;
    EXPECT_EQ(ScriptedRand::calls, int(c.script.size()) + 1) << c.name;
    EXPECT_TRUE(ScriptedRand::values.empty()) << c.name;
    EXPECT_EQ(p->position().x, 833.0f) << c.name;
    EXPECT_EQ(p->position().y, 711.0f) << c.name;
  }
  // The dealt type's weight drops by the step, but only while above it.
  EXPECT_EQ(tape.weight(2), 2.5);
  tape.setup(&header);
  ScriptedRand::values = {0, 0, 0, 0};
  tape.new_piece();
  EXPECT_EQ(tape.weight(1), 0.5);
  ScriptedRand::values = {0, 0, 0, 0};
  tape.new_piece();
  EXPECT_EQ(tape.weight(1), 0.5);
  EXPECT_EQ(tape.slots().size(), 2u);
}

TEST_F(TapeTest, NoCandidateOrNoWeightDealsTypeOne) {
  use_config("<probability_pipe2 text=\"0\"/><probability_pipe7 text=\"5\"/>");
  for (const auto& available : std::vector<std::map<int32_t, bool>>{{}, {{2, true}}}) {
    header.availablePipes = available;
    tape.setup(&header);
    ScriptedRand::values = {0, 9000, 0, 99};
    tape.new_piece();
    EXPECT_EQ(tape.slots().at(1)->type(), 1);
    EXPECT_EQ(ScriptedRand::calls, 4);
    ScriptedRand::reset();
  }
}

TEST_F(TapeTest, BonusPiecesByLevelShareAndShopItem10) {
  use_config("<probability_pipe1 text=\"1\"/><shop_10_upgrade1_value text=\"5\"/>");
  header.percentOfBonusPipesOnTape = 30;
  struct Case {
    int shop10, roll;
    bool bonus;
  };
  for (const Case& c : std::vector<Case>{
           {0, 29, true}, {0, 30, false}, {1, 34, true}, {1, 35, false}, {2, 34, false}}) {
    owner.shop[game::SHOP_BONUS_PIECES] = c.shop10;
    tape.setup(&header);
    ScriptedRand::values = {0, 0, 0, c.roll};
    tape.new_piece();
    EXPECT_EQ(tape.slots().at(1)->is_bonus(), c.bonus ? 1 : 0) << c.shop10 << " " << c.roll;
  }
}

TEST_F(TapeTest, TutorialTypesAndRefusals) {
  use_config("<probability_pipe1 text=\"1\"/>");
  struct Case {
    uint8_t r1, r2, r3, r4;
    int type;
  };
  for (const Case& c : std::vector<Case>{
           {1, 0, 0, 0, 5}, {1, 1, 0, 0, 2}, {1, 1, 1, 0, 7}, {1, 1, 1, 1, 5}, {0, 1, 1, 0, 7}}) {
    tape.setup(&header);
    tape.reset_restrictions(c.r3);
    tape.set_restriction1(c.r1);
    tape.set_restriction2(c.r2);
    tape.set_restriction4(c.r4);
    tape.new_piece();
    EXPECT_EQ(tape.slots().at(1)->type(), c.type);
  }

  // Restriction 2: no third piece after two takes, even on an empty tape.
  tape.setup(&header);
  tape.set_restriction2(1);
  tape.new_piece();
  tape.new_piece();
  EXPECT_EQ(tape.take_piece(1, true), nullptr);
  EXPECT_EQ(tape.take_piece(1, true), nullptr);
  EXPECT_TRUE(tape.slots().empty());
  const int calls = ScriptedRand::calls;
  tape.new_piece();
  EXPECT_TRUE(tape.slots().empty());
  EXPECT_EQ(ScriptedRand::calls, calls);
}

TEST_F(TapeTest, RestrictionStopsTheTapeWhileItHoldsAPiece) {
  use_config("<probability_pipe1 text=\"1\"/><speedOfTape text=\"1\"/>");
  tape.setup(&header);
  tape.set_restriction1(1);
  tape.start();
  for (int frame = 1; frame <= 5; ++frame) tape.update(1000 + 100 * frame);
  EXPECT_EQ(tape.slots().at(1)->position().x, 833.0f);
  EXPECT_EQ(tape.belt_phase(), 0.0);
  ASSERT_NE(tape.take_piece(1, false), nullptr);
  // Empty again, the tape runs, but restriction 1 refuses a second piece.
  tape.update(2000);
  EXPECT_GT(tape.belt_phase(), 0.0);
  EXPECT_TRUE(tape.slots().empty());
}

// Speed 1: 60 px per second, 6 px per 0.1-s frame.
TEST_F(TapeTest, FirstThreePiecesComeWithoutDelayTheFourthWaits) {
  use_config(
      "<probability_pipe1 text=\"1\"/><speedOfTape text=\"1\"/>"
      "<minimumTimeDelayBeforeAddingNewPipeOnTape text=\"2000\"/>"
      "<maximumTimeDelayBeforeAddingNewPipeOnTape text=\"2000\"/>");
  tape.setup(&header);
  tape.start();
  std::vector<int> dealt_at;
  size_t count = 1;
  for (int frame = 1; frame <= 60; ++frame) {
    tape.update(1000 + 100 * frame);
    if (tape.slots().size() != count) {
      count = tape.slots().size();
      dealt_at.push_back(frame);
    }
  }
  // A piece needs 10 frames to leave the 60-px entry zone, one more when
  // the piece ahead holds it back for a frame (closer than 10 px); the
  // fourth waits for the 2-s delay scheduled when the third moved.
  EXPECT_EQ(dealt_at, (std::vector<int>{10, 21, 42}));
  // Equal delays take no rand call: only the deals drew.
  EXPECT_EQ(ScriptedRand::calls, 4 * 4);
  // Parked pieces stand 60 px apart from the left end.
  tape.clear();
  EXPECT_EQ(tape.park_x(), 173.0f);
}

TEST_F(TapeTest, DelayTable) {
  struct Case {
    const char* name;
    int lo, hi, shop7, percent, roll, delay;
  };
  for (const Case& c : std::vector<Case>{{"range", 1000, 3000, 0, 0, 4321, 1000 + 321},
                                         {"minimum above maximum", 3000, 1000, 0, 0, -1, 1000},
                                         {"equal", 1500, 1500, 0, 0, -1, 1500},
                                         {"shop item 7 at level 2", 1500, 1500, 2, 50, -1, 2250}}) {
    use_config("<speedOfTape text=\"1\"/><minimumTimeDelayBeforeAddingNewPipeOnTape text=\"" +
               std::to_string(c.lo) + "\"/><maximumTimeDelayBeforeAddingNewPipeOnTape text=\"" +
               std::to_string(c.hi) + "\"/><shop_7_upgrade2_value text=\"" +
               std::to_string(c.percent) + "\"/>");
    owner.shop[game::SHOP_TAPE_DELAY] = c.shop7;
    tape.setup(&header);
    tape.start();
    lay({700, 640});  // three deals: the next one waits for a delay
    if (c.roll >= 0) ScriptedRand::values = {c.roll};
    tape.update(10000);
    EXPECT_EQ(tape.next_piece_time(), 10000 + c.delay) << c.name;
    EXPECT_EQ(ScriptedRand::calls, c.roll >= 0 ? 1 : 0) << c.name;
  }
}

struct GapCase {
  const char* name;
  std::vector<float> pieces;
  float drop;
  bool accepted;
  float x;
  int slot;
};

TEST_F(TapeTest, PutBackFindsTheGap) {
  use_config("<probability_pipe1 text=\"10\"/><probability_pipe_step text=\"0.5\"/>");
  std::vector<float> full;
  for (int i = 0; i < 12; ++i) full.push_back(173.0f + 60.0f * float(i));
  const std::vector<GapCase> cases = {
      {"empty tape", {}, 400, true, 518, 1},
      {"right of the last piece", {173, 233}, 300, true, 548, 3},
      {"right of the last, end gap narrow", {173, 353, 773}, 800, true, 563, 3},
      {"left of the first", {353, 413}, 200, true, 263, 1},
      {"between, in a wide gap", {173, 353}, 200, true, 263, 2},
      {"between, nearer on the left (tie)", {323, 383, 443, 503, 653}, 420, true, 248, 1},
      {"between, nearer on the right", {323, 383, 443, 503, 633}, 420, true, 568, 5},
      {"full tape", full, 500, false, 0, 0},
      {"on a piece", {173, 233}, 173, false, 0, 0},
  };
  for (const GapCase& c : cases) {
    tape.setup(&header);
    lay(c.pieces);
    auto owned = std::make_unique<CPipe_Sprite>();
    CPipe_Sprite* held = owned.get();
    held->load_sprite(1);
    held->set_position(c.drop, 700);
    const double weight = tape.weight(1);
    EXPECT_EQ(tape.put_back(owned), c.accepted) << c.name;
    if (!c.accepted) {
      EXPECT_EQ(xs(), c.pieces) << c.name;
      EXPECT_EQ(tape.weight(1), weight) << c.name;
      continue;
    }
    ASSERT_EQ(tape.slots().at(c.slot).get(), held) << c.name;
    EXPECT_EQ(held->position().x, c.x) << c.name;
    EXPECT_EQ(held->position().y, 711.0f) << c.name;
    EXPECT_EQ(tape.slots().size(), c.pieces.size() + 1) << c.name;
    EXPECT_EQ(tape.slots().rbegin()->first, int(c.pieces.size()) + 1) << c.name;
  }
}

TEST_F(TapeTest, RefusedPutBackRaisesAWeightAtOrBelowTheStep) {
  use_config("<probability_pipe1 text=\"0.25\"/><probability_pipe_step text=\"0.5\"/>");
  tape.setup(&header);
  std::vector<float> full;
  for (int i = 0; i < 12; ++i) full.push_back(173.0f + 60.0f * float(i));
  lay(full, 2);
  auto held = std::make_unique<CPipe_Sprite>();
  held->load_sprite(1);
  held->set_position(500, 700);
  EXPECT_FALSE(tape.put_back(held));
  EXPECT_EQ(tape.weight(1), 0.75);
  tape.set_restriction4(1);
  EXPECT_FALSE(tape.put_back(held));
  EXPECT_EQ(tape.weight(1), 0.75);
}

TEST_F(TapeTest, PutBackPieceShowsWhenItsCopyLands) {
  use_config("<probability_pipe1 text=\"1\"/>");
  tape.setup(&header);
  tape.start();  // running, nothing moves at speed 0
  tape.slots().at(1)->set_position(173, 711);
  lay({653});
  auto owned = std::make_unique<CPipe_Sprite>();
  CPipe_Sprite* held = owned.get();
  held->load_sprite(7);  // a two-cell piece lying at 0 degrees
  held->set_position(400, 650);
  ASSERT_TRUE(tape.put_back(owned));
  ASSERT_EQ(tape.slots().at(2).get(), held);
  EXPECT_FALSE(held->is_visible());
  EXPECT_EQ(held->angle_degrees(), 90);
  ASSERT_NE(tape.flying_copy(), nullptr);
  EXPECT_EQ(tape.flying_copy()->angle_degrees(), 90);
  EXPECT_TRUE(tape.flying_copy()->is_visible());

  // Taking the first piece renumbers the tape during the flight; the copy
  // still lands on the piece it flies to.
  EXPECT_EQ(tape.take_piece(1, true), nullptr);
  ASSERT_EQ(tape.slots().at(1).get(), held);
  KOR::frame_dt = 0.1f;
  tape.update(1000);
  ASSERT_NE(tape.flying_copy(), nullptr);
  EXPECT_FALSE(held->is_visible());
  tape.update(1100);
  EXPECT_EQ(tape.flying_copy(), nullptr);
  EXPECT_TRUE(held->is_visible());
  for (const auto& [slot, p] : tape.slots()) EXPECT_TRUE(p->is_visible()) << slot;
}

// Pieces stand 60 pixels apart on a belt whose rails leave 56 pixels
// between them: every piece, plain or bonus, is drawn whole in that room,
// a one-cell piece at its full 50 pixels, a two-cell piece (standing 100
// tall) shrunk to fit. Off the tape it is drawn full size again, and a
// piece put back is fitted as it stands on the tape, its copy too.
TEST_F(TapeTest, EveryPieceIsDrawnWholeInsideItsSlot) {
  const auto drawn = [](const CPipe_Sprite& p) {
    const bool across = p.angle_degrees() == 90 || p.angle_degrees() == 270;
    const float w = p.sprite()->width() * p.scale();
    const float h = p.sprite()->height() * p.scale();
    return across ? KOR::KS_VECTOR2{h, w} : KOR::KS_VECTOR2{w, h};
  };
  for (const int bonus : {0, 100}) {
    header.percentOfBonusPipesOnTape = bonus;
    for (int type = 1; type <= 12; ++type) {
      header.availablePipes = {{type, true}};
      use_config("<probability_pipe" + std::to_string(type) + " text=\"1\"/>");
      tape.setup(&header);
      tape.new_piece();
      ASSERT_EQ(tape.slots().size(), 1u);
      const CPipe_Sprite& piece = *tape.slots().at(1);
      ASSERT_EQ(piece.type(), type);
      ASSERT_EQ(piece.is_bonus(), bonus != 0);
      const KOR::KS_VECTOR2 size = drawn(piece);
      EXPECT_LE(size.x, 54.0f) << type << " leaves room to its neighbours";
      EXPECT_LE(size.y, 56.0f) << type << " stays between the rails";
      EXPECT_GE(std::max(size.x, size.y), type <= 5 ? 50.0f : 56.0f) << type << " fills its slot";
      std::unique_ptr<CPipe_Sprite> taken = tape.take_piece(1, false);
      EXPECT_EQ(taken->scale(), 1.0f) << type << " in the hand";
    }
  }

  header.availablePipes = {{1, true}};
  use_config("<probability_pipe1 text=\"1\"/>");
  tape.setup(&header);
  auto owned = std::make_unique<CPipe_Sprite>();
  CPipe_Sprite* held = owned.get();
  held->load_sprite(7);  // lying at 0 degrees, 100 wide
  held->set_position(400, 650);
  ASSERT_TRUE(tape.put_back(owned));
  EXPECT_EQ(drawn(*held).y, 56.0f);
  ASSERT_NE(tape.flying_copy(), nullptr);
  EXPECT_EQ(tape.flying_copy()->scale(), held->scale());
}

TEST_F(TapeTest, TakingAPiece) {
  use_config("<probability_pipe1 text=\"2\"/><probability_pipe_step text=\"0.5\"/>");
  tape.setup(&header);
  lay({173, 233, 293});
  EXPECT_EQ(tape.weight(1), 0.5);
  tape.clear();
  lay({173, 233, 293});
  const double before = tape.weight(1);
  EXPECT_EQ(tape.take_piece(9, false), nullptr);
  EXPECT_EQ(tape.weight(1), before);
  ASSERT_NE(tape.take_piece(1, false), nullptr);
  // Taking raises the weight even when dealing never lowered it.
  EXPECT_EQ(tape.weight(1), before + 0.5);
  EXPECT_EQ(tape.park_x(), 173.0f);
  EXPECT_EQ(tape.first_piece_position().x, 0.0f);
  tape.renumber(0);
  EXPECT_EQ(tape.first_piece_position().x, 233.0f);
}

TEST_F(TapeTest, GeometryAndScreenSwitch) {
  use_config("<probability_pipe1 text=\"1\"/>");
  tape.setup(&header);
  EXPECT_EQ(tape.origin_x(), 138);
  lay({173, 400});
  KOR::auto_position_screen_width = 1366;
  tape.relayout(1024);
  EXPECT_EQ(tape.origin_x(), 303);
  EXPECT_EQ(xs(), (std::vector<float>{344, 571}));
  EXPECT_EQ(tape.park_x(), 173.0f + 171.0f);
  KOR::auto_position_screen_width = 1024;
  tape.relayout(1366);
  EXPECT_EQ(xs(), (std::vector<float>{173, 400}));
}

TEST_F(TapeTest, HitTestTreatsBothQuarterTurnsAlike) {
  use_config("<probability_pipe1 text=\"1\"/>");
  tape.setup(&header);
  lay({400}, 7);  // 100 x 50
  KOR::KS_IVECTOR2 pointer;
  KOR::input_mouse_position = &pointer;
  struct Case {
    int angle, x, y, slot;
  };
  for (const Case& c : std::vector<Case>{{0, 347, 711, 1},
                                         {0, 346, 711, -1},
                                         {0, 400, 761, 1},
                                         {0, 400, 762, -1},
                                         {90, 372, 711, 1},
                                         {90, 371, 711, -1},
                                         {270, 371, 711, -1},
                                         {270, 428, 700, 1}}) {
    tape.slots().at(1)->set_angle_degrees(float(c.angle));
    pointer = KOR::KS_IVECTOR2{c.x, c.y};
    EXPECT_EQ(tape.piece_at_pointer(), c.slot) << c.angle << " " << c.x << " " << c.y;
  }
  KOR::input_mouse_position = nullptr;
  EXPECT_EQ(tape.piece_at_pointer(), -1);
}

TEST_F(TapeTest, RestartEmptiesTheTapeAndClearsTheSwitches) {
  use_config("<probability_pipe1 text=\"1\"/><speedOfTape text=\"1\"/>");
  tape.setup(&header);
  tape.start();
  for (int frame = 1; frame <= 25; ++frame) tape.update(1000 + 100 * frame);
  tape.set_frozen(1);
  tape.reset();
  EXPECT_TRUE(tape.slots().empty());
  EXPECT_EQ(tape.park_x(), 173.0f);
  tape.start();
  tape.update(5000);
  EXPECT_LT(tape.slots().at(1)->position().x, 833.0f);
}

}  // namespace
