#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "PRIMITIVES/KC_QUAD.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_ROOT.h"
#include "level/CLevel_Tape.h"
#include "platform/runtime_random.h"
#include "puzzle/CLevel_Data.h"
#include "scene_fixture.h"
#include "support/images.h"

namespace {

using game::CLevel_Tape;

// The tape with its window "HUD_TAPE": widget 1 holds the call button at
// its right end, widget 2 is the belt.
class TapeWindow : public level_test::SceneFixture {
 protected:
  void SetUp() override {
    SceneFixture::SetUp();
    const std::filesystem::path resources = sandbox.resources();
    for (const auto& [name, width] : {std::pair{"call.png", 200}, std::pair{"belt.png", 792}}) {
      const auto png =
          test_support::encode_png(width, 40, std::vector<uint32_t>(size_t(width) * 40));
      std::ofstream(resources / "graphics" / name, std::ios::binary)
          .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
    }
    std::ofstream(resources / "xml" / "tape_list.xml")
        << "<windows><window file=\"xml tape.xml\"/></windows>";
    std::ofstream(resources / "xml" / "tape.xml")
        << "<window _type=\"G_WINDOW_SIMPLE\" _name=\"HUD_TAPE\" _typeOpen=\"SH_MOMENTAL\" "
           "_typeClose=\"SH_MOMENTAL\" _timeShow=\"0\"><GUI>"
           "<IMAGE ID=\"1\" TEXTURE=\"graphics call.png\">"
           "<TRANSFORM>500 700 0 0 0 0 0 0 0 1 1 1</TRANSFORM></IMAGE>"
           "<IMAGE ID=\"2\" TEXTURE=\"graphics belt.png\"/></GUI></window>";
    mount();
    ASSERT_TRUE(windows.load_list("xml tape_list.xml"));
    windows.show("HUD_TAPE");
    windows.enable("HUD_TAPE");
    tape.setup(&header);
  }

  KOR::KC_GUI_IMAGE* image(unsigned id) {
    return static_cast<KOR::KC_GUI_IMAGE*>(windows.find("HUD_TAPE")->gui()->find(id));
  }

  KOR_GF::G_WINDOW_MANAGER windows{&game::window_factory};
  game::CLevel_Header header;
  CLevel_Tape tape{&KOR::runtime_rand, nullptr, &windows};
};

TEST_F(TapeWindow, TheCallButtonIsAStripAtTheRightEndOfItsArea) {
  KOR::KC_GUI_IMAGE* area = image(1);
  const KOR::KS_VECTOR3 at = area->transform->world().position;
  const float right = at.x + area->width() / 2.0f;
  struct CASE {
    float x;
    float y;
    bool hit;
  };
  const CASE cases[] = {
      {right - 47.0f, at.y, true},         {right - 2.0f, at.y, true},
      {right - 48.0f, at.y, false},        {right - 1.0f, at.y, false},
      {right - 20.0f, at.y - 20.0f, true}, {right - 20.0f, at.y + 21.0f, false},
  };
  for (const CASE& c : cases) {
    point_at(c.x, c.y);
    tape.setup(&header);
    EXPECT_EQ(tape.call_next_piece(4321), c.hit) << c.x << " " << c.y;
    EXPECT_EQ(tape.next_piece_time(), c.hit ? 4321 : 0);
  }
  CLevel_Tape without_window(&KOR::runtime_rand);
  point_at(right - 20.0f, at.y);
  EXPECT_FALSE(without_window.call_next_piece(10));
}

TEST_F(TapeWindow, TheBeltPictureMovesWithThePieces) {
  tape.start();
  KOR::frame_dt = 0.11f;  // 6.6 pixels at one second per 60 pixels
  tape.update(0);
  tape.draw();
  const KOR::KC_QUAD& belt = *image(2)->quad;
  EXPECT_EQ(belt.width(), 748.0f);
  EXPECT_EQ(belt.height(), 40.0f);
  EXPECT_EQ(belt.hot_spot(), unsigned(KOR::HS_UL));
  const float left = float(tape.belt_phase() * 0.05555555555555558);
  EXPECT_GT(left, 0.0f);
  float u_min = 1.0f;
  float u_max = 0.0f;
  for (int k = 0; k < belt.num_vertices; ++k) {
    u_min = std::min(u_min, belt.vertices[k].u);
    u_max = std::max(u_max, belt.vertices[k].u);
  }
  EXPECT_FLOAT_EQ(u_min, left);
  EXPECT_FLOAT_EQ(u_max, left + 0.9444444444444444f);
}

}  // namespace
