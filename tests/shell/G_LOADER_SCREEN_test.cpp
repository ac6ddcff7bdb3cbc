#include "shell/G_LOADER_SCREEN.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_CURSOR.h"
#include "framework/G_SPRITE.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/game_repositories.h"
#include "shell/window_factory.h"
#include "support/paths.h"
#include "support/resource_sandbox.h"

namespace {

namespace fs = std::filesystem;
using game::G_LOADER_SCREEN;

int32_t no_step(KOR::KC_LOADER*) { return 1; }

// How many cards the loading step found decoded, -1 before it ran.
int splashes_at_step = -1;
int32_t counting_step(KOR::KC_LOADER* loader) {
  splashes_at_step = int(static_cast<G_LOADER_SCREEN*>(loader)->splashes.size());
  return 1;
}

// A Resources folder with a screen file of our own and the real splash
// picture, a renderer on the recording device and the engine's resource
// manager over the folder and "xml".
class LoaderScreen : public testing::Test {
 protected:
  LoaderScreen()
      : sandbox_(false), gpu_(new KOR::GPU_NULL), render_(std::unique_ptr<KOR::GPU>(gpu_)) {
    render_.init(nullptr, 0.1f, 0.0f);
    fs::create_directories(sandbox_.resources() / "xml");
    fs::create_directories(sandbox_.resources() / "graphics");
    fs::copy_file(test_support::runtime_dir() + "/Resources/graphics/splash/splash_studio.png",
                  sandbox_.resources() / "graphics/splash.png");
    game::loading_screen_active = 1;
    KOR::frame_dt = 0.5f;
  }
  ~LoaderScreen() override {
    KOR::engine_resource_manager = nullptr;
    KOR::frame_dt = 0.0f;
  }

  void write_screen(const std::string& text) {
    std::ofstream(sandbox_.resources() / "xml/screen_loading.xml") << text;
    manager_.add_repository("", "");
    manager_.add_repository("xml", "");
    KOR::engine_resource_manager = &manager_;
  }
  // Three splashes, 2 s each with 0.2 s fades; the second has no hot spot
  // and the third names a missing picture between them.
  void write_three_splashes() {
    write_screen(
        "<screen_loading><splashes time_per_splash=\"2\" time_fade=\"0.2\" "
        "back_color=\"255 10 20 30\">"
        "<splash><FILE>graphics/splash.png</FILE><HOT_SPOT/></splash>"
        "<splash><FILE>graphics/splash.png</FILE></splash>"
        "<splash><FILE>graphics/missing.png</FILE><HOT_SPOT/></splash>"
        "<splash><FILE>graphics/splash.png</FILE><HOT_SPOT/></splash>"
        "</splashes></screen_loading>");
  }

  // The textures of the draws of one frame, in order.
  std::vector<KOR::GPU_TEXTURE*> drawn_textures(G_LOADER_SCREEN& screen) {
    gpu_->draws.clear();
    screen.draw();
    render_.flush();
    std::vector<KOR::GPU_TEXTURE*> textures;
    for (const KOR::GPU_NULL::DRAW& draw : gpu_->draws) textures.push_back(draw.texture);
    return textures;
  }

  ResourceSandbox sandbox_;
  KOR::GPU_NULL* gpu_;  // owned by the renderer
  KOR::KC_RENDER render_;
  KOR::KC_RESOURCE_MANAGER manager_;
};

TEST_F(LoaderScreen, ScreenFileGivesTimesBackgroundAndCentredSplashes) {
  write_three_splashes();
  G_LOADER_SCREEN screen(&no_step);
  EXPECT_FLOAT_EQ(screen.time_per_splash, 2.0f);
  EXPECT_FLOAT_EQ(screen.time_fade, 0.2f);
  screen.draw();
  screen.update();
  ASSERT_EQ(screen.splashes.size(), 3u) << "the missing picture is skipped";
  EXPECT_TRUE(screen.background.has_texture());
  EXPECT_FLOAT_EQ(screen.background.width(), 1024.0f);
  EXPECT_FLOAT_EQ(screen.background.height(), 768.0f);
  EXPECT_FLOAT_EQ(screen.background.transform()->position.x, 512.0f);
  EXPECT_FLOAT_EQ(screen.background.transform()->position.y, 384.0f);
  for (const auto& splash : screen.splashes) {
    EXPECT_FLOAT_EQ(splash->transform()->position.x, 512.0f);
    EXPECT_FLOAT_EQ(splash->transform()->position.y, 384.0f);
  }
  const float width = screen.splashes[0]->vertices[1].position.x;
  EXPECT_FLOAT_EQ(screen.splashes[0]->transform()->pivot.x, width / 2) << "HOT_SPOT centres";
  EXPECT_FLOAT_EQ(screen.splashes[1]->transform()->pivot.x, 0.0f)
      << "without HOT_SPOT the upper-left corner lies on the screen centre";
  EXPECT_FLOAT_EQ(screen.splashes[1]->transform()->pivot.y, 0.0f);
}

// The first frame waits for the first card alone where it hides the others:
// they are decoded once it has been drawn, before the loading step, or when
// a key skips it first. (Cards that would show through are there at once:
// ASeeThroughBackgroundHidesNothing.)
TEST_F(LoaderScreen, TheCardsTheFirstHidesAreDecodedBehindIt) {
  write_three_splashes();
  const size_t textures_before = render_.textures.size();
  splashes_at_step = -1;
  {
    G_LOADER_SCREEN screen(&counting_step);
    EXPECT_EQ(screen.splashes.size(), 1u);
    EXPECT_EQ(render_.textures.size(), textures_before + 2) << "the first card and the background";
    screen.update();
    EXPECT_EQ(screen.splashes.size(), 1u) << "not drawn yet";
    EXPECT_EQ(splashes_at_step, -1);
    EXPECT_EQ(drawn_textures(screen),
              (std::vector<KOR::GPU_TEXTURE*>{screen.splashes[0]->texture()->texture}));
    screen.update();
    EXPECT_EQ(screen.splashes.size(), 3u);
    EXPECT_EQ(splashes_at_step, 3) << "the loading step runs behind every card";
  }
  G_LOADER_SCREEN screen(&no_step);
  screen.next_splash();
  EXPECT_EQ(screen.splashes.size(), 3u) << "a skipped card shows what it hid";
}

// Each splash starts fading after its time; the title follows in the next
// update once all are done, and the screen, never drawn again, gives its
// pictures back.
TEST_F(LoaderScreen, SplashesFollowEachOtherThenTheTitleOpens) {
  write_three_splashes();
  const size_t textures_before = render_.textures.size();
  G_LOADER_SCREEN screen(&no_step);
  std::vector<int> fade_starts;
  int updates = 0;
  while (screen.current < 3 && updates < 100) {
    const int32_t before = screen.current;
    EXPECT_EQ(screen.update(), 0);
    ++updates;
    if (screen.current != before) fade_starts.push_back(updates);
  }
  EXPECT_EQ(fade_starts, (std::vector<int>{4, 8, 12})) << "at 2 s, 4 s and 6 s";
  EXPECT_EQ(screen.splashes[0]->vertex_color(0), 0x00FFFFFFu) << "faded to transparent white";
  EXPECT_EQ(render_.textures.size(), textures_before + 4) << "three splashes and the background";
  EXPECT_EQ(game::loading_screen_active, 1);
  screen.update();
  EXPECT_EQ(game::loading_screen_active, 0);
  EXPECT_TRUE(screen.splashes.empty());
  EXPECT_EQ(render_.textures.size(), textures_before);
}

TEST_F(LoaderScreen, KeyPressesSkipAndEachSkippedSplashFades) {
  write_three_splashes();
  G_LOADER_SCREEN screen(&no_step);
  screen.update();
  screen.next_splash();
  EXPECT_EQ(screen.current, 1);
  EXPECT_EQ(screen.clock, 0.0f) << "the clock restarts for the next splash";
  screen.next_splash();
  EXPECT_EQ(screen.current, 2);
  KOR::frame_dt = 0.1f;
  screen.update();
  screen.update();
  for (int i : {0, 1}) {
    const uint32_t alpha = screen.splashes[i]->vertex_color(0) >> 24;
    EXPECT_GT(alpha, 0u) << "still fading";
    EXPECT_LT(alpha, 255u);
  }
  EXPECT_EQ(screen.splashes[2]->vertex_color(0) >> 24, 255u);
  screen.update();
  screen.update();
  EXPECT_EQ(screen.splashes[0]->vertex_color(0), 0x00FFFFFFu);
  screen.next_splash();
  screen.next_splash();
  EXPECT_EQ(screen.current, 4) << "presses after the last splash change nothing visible";
  screen.update();
  EXPECT_EQ(game::loading_screen_active, 0);
}

// Last splash first; every opaque splash hides what lies below it behind the
// background colour, so what it hides is not drawn at all; a fading one lets
// the next show through, and one faded out is not drawn. The picture is
// opaque and the size of the screen; the second splash, placed by its corner,
// leaves most of the screen to the background.
TEST_F(LoaderScreen, DrawsOnlyWhatShowsFromTheLastSplashUp) {
  write_three_splashes();
  G_LOADER_SCREEN screen(&no_step);
  KOR::GPU_TEXTURE* back = screen.background.texture()->texture;
  KOR::GPU_TEXTURE* first = screen.splashes[0]->texture()->texture;
  EXPECT_EQ(drawn_textures(screen), (std::vector<KOR::GPU_TEXTURE*>{first}))
      << "an opaque picture over the whole screen needs no background";
  screen.update();
  KOR::GPU_TEXTURE* second = screen.splashes[1]->texture()->texture;
  screen.next_splash();
  KOR::frame_dt = 0.05f;
  const auto alpha = [&] { return screen.splashes[0]->vertex_color(0) >> 24; };
  for (int i = 0; i < 10 && alpha() == 255; ++i) screen.update();
  ASSERT_GT(alpha(), 0u);
  ASSERT_LT(alpha(), 255u);
  EXPECT_EQ(drawn_textures(screen), (std::vector<KOR::GPU_TEXTURE*>{back, second, first}))
      << "fading";
  for (int i = 0; i < 10 && alpha() != 0; ++i) screen.update();
  EXPECT_EQ(drawn_textures(screen), (std::vector<KOR::GPU_TEXTURE*>{back, second}));
}

// Once the last splash is done its fade runs over the windows, so they are
// drawn below it; before that no window shows.
TEST_F(LoaderScreen, AfterTheLastSplashTheWindowsLieBelowIt) {
  std::ofstream(sandbox_.resources() / "xml/loader_windows.xml")
      << "<windows><window file=\"xml backdrop.xml\"/></windows>";
  std::ofstream(sandbox_.resources() / "xml/backdrop.xml")
      << "<window _type=\"G_WINDOW_SIMPLE\" _name=\"Backdrop\" _typeOpen=\"SH_MOMENTAL\" "
         "_typeClose=\"SH_MOMENTAL\" _timeShow=\"0\"><background START_COLOR=\"255 255 255 "
         "255\">graphics splash.png</background></window>";
  write_three_splashes();
  manager_.add_repository("graphics", "");
  KOR_GF::G_WINDOW_MANAGER& windows = game::window_manager_instance();
  ASSERT_TRUE(windows.load_list("xml loader_windows.xml"));
  windows.show("Backdrop");
  windows.enable("Backdrop");
  G_LOADER_SCREEN screen(&no_step);
  KOR::GPU_TEXTURE* first = screen.splashes[0]->texture()->texture;
  KOR::GPU_TEXTURE* backdrop = windows.find("Backdrop")->background()->texture()->texture;
  screen.next_splash();
  screen.next_splash();
  EXPECT_EQ(drawn_textures(screen), (std::vector<KOR::GPU_TEXTURE*>{first}));
  screen.next_splash();
  EXPECT_EQ(drawn_textures(screen), (std::vector<KOR::GPU_TEXTURE*>{backdrop, first}));
  windows.disable_all();
  windows.close_all();
}

TEST_F(LoaderScreen, TheBackgroundShowsBesideASplashNarrowerThanTheScreen) {
  KOR::auto_position_screen_width = 1366;
  write_three_splashes();
  G_LOADER_SCREEN screen(&no_step);
  KOR::auto_position_screen_width = 1024;
  EXPECT_EQ(drawn_textures(screen),
            (std::vector<KOR::GPU_TEXTURE*>{screen.background.texture()->texture,
                                            screen.splashes[0]->texture()->texture}));
}

TEST_F(LoaderScreen, ASeeThroughBackgroundHidesNothing) {
  write_screen(
      "<screen_loading><splashes back_color=\"128 10 20 30\">"
      "<splash><FILE>graphics/splash.png</FILE></splash>"
      "<splash><FILE>graphics/splash.png</FILE></splash>"
      "</splashes></screen_loading>");
  G_LOADER_SCREEN screen(&no_step);
  KOR::GPU_TEXTURE* back = screen.background.texture()->texture;
  KOR::GPU_TEXTURE* first = screen.splashes[0]->texture()->texture;
  KOR::GPU_TEXTURE* second = screen.splashes[1]->texture()->texture;
  EXPECT_EQ(drawn_textures(screen), (std::vector<KOR::GPU_TEXTURE*>{back, second, back, first}));
}

TEST_F(LoaderScreen, WithoutAScreenFileTheTitleOpensAtOnce) {
  write_screen("<screen_loading><splashes/></screen_loading>");
  fs::remove(sandbox_.resources() / "xml/screen_loading.xml");
  G_LOADER_SCREEN screen(&no_step);
  EXPECT_TRUE(screen.splashes.empty());
  EXPECT_FALSE(screen.background.has_texture()) << "no colour: the default texture stays";
  EXPECT_FLOAT_EQ(screen.time_per_splash, 2.0f);
  screen.update();
  EXPECT_EQ(game::loading_screen_active, 0);
  EXPECT_TRUE(drawn_textures(screen).empty());
}

// The game's own screen file and pointer.
TEST(LoaderScreenContent, TheRealScreenAndPointerLoad) {
  const fs::path previous = fs::current_path();
  fs::current_path(test_support::runtime_dir());
  {
    KOR::KC_FILE_SYSTEM file_system;  // enters "Resources"
    KOR::KC_RENDER render(std::make_unique<KOR::GPU_NULL>());
    render.init(nullptr, 0.1f, 0.0f);
    KOR::KC_RESOURCE_MANAGER manager;
    game::mount_repositories(&manager);
    manager.add_repository("graphics/gui", "");
    KOR::engine_resource_manager = &manager;
    {
      KOR_GF::G_CURSOR cursor;
      ASSERT_TRUE(cursor.load_xml("xml gCursor.xml"));
      cursor.load();
      EXPECT_TRUE(cursor.sprite()->has_texture()) << cursor.sprite()->texture_name();
      cursor.unload();
    }
    {
      G_LOADER_SCREEN screen(&no_step);
      EXPECT_FLOAT_EQ(screen.time_per_splash, 2.5f);
      EXPECT_FLOAT_EQ(screen.time_fade, 0.6f);
      EXPECT_EQ(screen.splashes.size(), 1u) << "the first card hides the second";
      screen.next_splash();
      EXPECT_EQ(screen.splashes.size(), 2u);
      ASSERT_TRUE(screen.background.has_texture());
      const std::vector<uint8_t>& pixels = screen.background.texture()->texture->locked;
      ASSERT_EQ(pixels.size(), 16u) << "2 x 2";
      EXPECT_EQ(std::vector<uint8_t>(pixels.begin(), pixels.begin() + 4),
                (std::vector<uint8_t>{74, 42, 27, 255}))
          << "\"255 27 42 74\" is alpha, red, green, blue";
    }
    KOR::engine_resource_manager = nullptr;
  }
  KOR::KC_FILE_SYSTEM::instance = nullptr;
  fs::current_path(previous);
}

}  // namespace
