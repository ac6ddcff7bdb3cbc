// The menu windows as a player sees them: each scene is built by the game's
// window factory from its window list in both logical widths, opened,
// drawn on a real window and saved as a PNG under the build tree
// (build/test/window_previews/<scene>_<width>.png) for review; every
// visible widget must lie on the screen.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/gpu.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/window_factory.h"
#include "support/game_resources.h"
#include "support/images.h"

namespace {

// What a scene shows: its windows, opened in this order, the players of
// the registry (the first one current) and what the game would set in the
// windows after they opened.
struct SCENE {
  const char* name;
  std::vector<const char*> windows;
  std::vector<const wchar_t*> players = {};
  void (*after_opening)(KOR_GF::G_WINDOW_MANAGER& windows) = nullptr;
};

void ask_to_delete(KOR_GF::G_WINDOW_MANAGER& windows) {
  auto* question = dynamic_cast<game::SG_WINDOW_CONFIRM_EX*>(windows.find("Players_Confirm_Del"));
  ASSERT_NE(question, nullptr);
  question->set_name_text(L"WWWWWWWWWWWW");
}

// The longest name the name box takes stands in every place that shows it.
constexpr const wchar_t* kLongest = L"WWWWWWWWWWWW";

const SCENE kScenes[] = {
    {"title", {"Back", "Logo", "Title"}, {L"Captain Drip"}},
    {"title_longest_name", {"Back", "Logo", "Title"}, {kLongest}},
    {"options", {"Back", "Logo", "Title", "Options"}, {L"Captain Drip"}},
    {"credits", {"Back", "Options", "Credits"}, {L"Captain Drip"}},
    {"players", {"Back", "Players"}, {L"Marina", L"Captain Drip", kLongest}},
    {"players_full", {"Back", "Players"},
     {L"Ann", L"Bo", L"Cy", L"Dee", L"Eli", L"Flo", L"Gus", kLongest}},
    {"name_box", {"Back", "Logo", "Title", "Players_EditBox"}},
    {"delete_question", {"Back", "Players", "Players_Confirm_Del"}, {L"Marina", kLongest},
     &ask_to_delete},
    {"exit_question", {"Back", "Logo", "Title", "Confirm_Exit"}, {L"Captain Drip"}},
    {"buy", {"Back", "Logo", "Title", "Buy"}, {L"Captain Drip"}},
};

KOR_GF::gPlayer* new_profile(const std::wstring& name) { return new game::gPlayer_Flumo(name); }

constexpr int kHeight = 768;

struct EXTENT {
  float left, right, top, bottom;
};

// Where a widget's picture lies on the screen; pictures are centred on the
// widget, labels stand by their hot spot (middle or middle left).
EXTENT extent_of(KOR::KC_GUI_OBJECT* widget) {
  const KOR::KS_TRANSFORM3 world = widget->transform->world();
  const float w = widget->width();
  const float h = widget->height();
  float left = world.position.x - w / 2.0f;
  if (auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(widget)) {
    if (label->hot_spot() == 7) left = world.position.x;
  }
  return {left, left + w, world.position.y - h / 2.0f, world.position.y + h / 2.0f};
}

void expect_on_screen(KOR::KC_GUI_OBJECT* widget, int width, const std::string& where) {
  for (KOR::KC_GUI_OBJECT* child : widget->children) {
    if (!child->visible) continue;
    const EXTENT e = extent_of(child);
    const std::string what = where + " widget " + std::to_string(child->id());
    EXPECT_GE(e.left, 0.0f) << what;
    EXPECT_LE(e.right, static_cast<float>(width)) << what;
    EXPECT_GE(e.top, 0.0f) << what;
    EXPECT_LE(e.bottom, static_cast<float>(kHeight)) << what;
    expect_on_screen(child, width, where);
  }
}

class WindowPreview : public ::testing::TestWithParam<int> {
 protected:
  static void SetUpTestSuite() { window = KOR::host_window_create("preview", 1024, kHeight); }

  void SetUp() override {
    if (window == nullptr) GTEST_SKIP() << "no display: " << KOR::host_error();
    const int width = GetParam();
    KOR::host_window_set_mode(window, KOR::HOST_MODE::windowed, width, kHeight);
    render = new KOR::KC_RENDER;
    ASSERT_EQ(render->init(window, 0.1f, 0.0f), 1);
    render->set_video_mode(width, kHeight, false, false);
    render->clear_color = KOR::KS_COLOR(0xFF000000);
    KOR::engine_render = render;
    game.resolution = KOR::KS_IVECTOR2(width, kHeight);
    KOR::engine_game = &game;
    KOR::auto_position_set_screen(width, kHeight);
    pugi::xml_node table = resources.root("xml strings.xml");
    ASSERT_TRUE(table);
    KOR::string_table_instance().clear();
    ASSERT_GT(KOR::string_table_instance().load(table.parent(), 0, 0), 0);
    KOR_GF::players_instance().factory = &new_profile;
  }

  void TearDown() override {
    KOR::string_table_instance().clear();
    KOR::engine_game = nullptr;
    KOR::engine_render = nullptr;
    delete render;
  }

  static void set_players(const SCENE& scene) {
    KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
    for (const std::wstring& name : players.names()) players.remove(name);
    for (const wchar_t* name : scene.players) players.create(name);
    players.current = players.players.empty() ? nullptr : players.players.front();
  }

  // Opens the scene's windows and lets their show animations finish.
  void open(KOR_GF::G_WINDOW_MANAGER& windows, const SCENE& scene) {
    set_players(scene);
    for (const char* name : scene.windows) {
      ASSERT_NE(windows.show(name), nullptr) << name;
    }
    KOR::frame_dt = 0.05f;
    for (int step = 0; step < 40; ++step) windows.update();
    KOR::frame_dt = 0.0f;
    if (scene.after_opening) scene.after_opening(windows);
  }

  void save(KOR_GF::G_WINDOW_MANAGER& windows, const std::string& file, int width) {
    ASSERT_EQ(render->begin_frame(), 1);
    windows.draw();
    render->flush();
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * kHeight);
    ASSERT_TRUE(render->get_device()->read_pixels(0, 0, width, kHeight, pixels.data()));
    render->end_frame();
    for (uint32_t& p : pixels) p |= 0xFF000000u;
    const std::vector<unsigned char> png = test_support::encode_png(width, kHeight, pixels);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  }

  static KOR::KS_HOST_WINDOW* window;
  KOR::KC_RENDER* render = nullptr;
  KOR::KC_GAME game;
  content_test::GameResources resources;
};

KOR::KS_HOST_WINDOW* WindowPreview::window = nullptr;

TEST_P(WindowPreview, EverySceneIsDrawnWithEveryWidgetOnTheScreen) {
  const int width = GetParam();
  const std::filesystem::path folder =
      std::filesystem::path(test_support::runtime_dir()).parent_path() / "window_previews";
  std::filesystem::create_directories(folder);
  for (const SCENE& scene : kScenes) {
    SCOPED_TRACE(scene.name);
    KOR_GF::G_WINDOW_MANAGER windows(&game::window_factory);
    ASSERT_TRUE(windows.load_list("xml/Windows all_windows.xml"));
    KOR_GF::G_WINDOW_MANAGER* const game_windows = game::game_instance().windows;
    game::game_instance().windows = &windows;
    open(windows, scene);
    for (KOR_GF::G_WINDOW* shown : windows.open_stack()) {
      expect_on_screen(shown->gui()->root, width, shown->name());
    }
    save(windows, (folder / (std::string(scene.name) + "_" + std::to_string(width) + ".png")).string(),
         width);
    windows.disable_all();
    game::game_instance().windows = game_windows;
    set_players(SCENE{"", {}});
  }
}

INSTANTIATE_TEST_SUITE_P(BothWidths, WindowPreview, ::testing::Values(1024, 1366));

}  // namespace
