// The menu windows as a player sees them: each scene is built from the
// game's own window list and descriptions in both logical widths, opened,
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
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "game_resources.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/gpu.h"
#include "resources/KC_STRING_TABLE.h"
#include "support/images.h"

namespace {

KOR::KC_STRING_TABLE* labels = nullptr;

// Every label shows its text from the string table, as in the game.
void show_label_texts(KOR::KC_GUI_OBJECT* widget) {
  if (auto* label = dynamic_cast<KOR::KC_GUI_WLABEL*>(widget)) {
    std::string key(label->text.begin(), label->text.end());
    label->set_text(labels->get_wide(key));
  }
  for (KOR::KC_GUI_OBJECT* child : widget->children) show_label_texts(child);
}

// The windows as plain windows: the preview shows them, nothing answers.
KOR_GF::G_WINDOW* plain_window(const pugi::xml_document& description) {
  const pugi::xml_node element = description.first_child();
  if (!element.attribute("_name")) return nullptr;
  auto* window = new KOR_GF::G_WINDOW_SIMPLE(element);
  show_label_texts(window->gui()->root);
  return window;
}

struct SCENE {
  const char* name;
  std::vector<const char*> windows;  // shown in this order
  std::vector<const char*> list_items = {};  // shown in every list box
};

const SCENE kScenes[] = {
    {"title", {"Back", "Logo", "Title"}},
    {"options", {"Back", "Logo", "Title", "Options"}},
    {"credits", {"Back", "Options", "Credits"}},
    {"players", {"Back", "Players"}, {"Marina", "Captain Drip", "Wwwwwwwwwwww"}},
    {"name_box", {"Back", "Logo", "Title", "Players_EditBox"}},
    {"delete_question", {"Back", "Players", "Players_Confirm_Del"}, {"Marina", "Captain Drip"}},
    {"exit_question", {"Back", "Logo", "Title", "Confirm_Exit"}},
    {"buy", {"Back", "Logo", "Title", "Buy"}},
};

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
    ASSERT_GT(strings.load(table.parent(), 0, 0), 0);
    labels = &strings;
  }

  void TearDown() override {
    labels = nullptr;
    KOR::engine_game = nullptr;
    KOR::engine_render = nullptr;
    delete render;
  }

  // Opens the scene's windows and lets their show animations finish.
  void open(KOR_GF::G_WINDOW_MANAGER& windows, const SCENE& scene) {
    for (const char* name : scene.windows) {
      ASSERT_NE(windows.show(name), nullptr) << name;
    }
    KOR::frame_dt = 0.05f;
    for (int step = 0; step < 40; ++step) windows.update();
    KOR::frame_dt = 0.0f;
    for (KOR_GF::G_WINDOW* shown : windows.open_stack()) fill_lists(shown->gui()->root, scene);
  }

  static void fill_lists(KOR::KC_GUI_OBJECT* widget, const SCENE& scene) {
    if (auto* list = dynamic_cast<KOR::KC_GUI_LISTBOX*>(widget)) {
      for (const char* item : scene.list_items) list->add_item(item);
    }
    for (KOR::KC_GUI_OBJECT* child : widget->children) fill_lists(child, scene);
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
  KOR::KC_STRING_TABLE strings;
};

KOR::KS_HOST_WINDOW* WindowPreview::window = nullptr;

TEST_P(WindowPreview, EverySceneIsDrawnWithEveryWidgetOnTheScreen) {
  const int width = GetParam();
  const std::filesystem::path folder =
      std::filesystem::path(test_support::runtime_dir()).parent_path() / "window_previews";
  std::filesystem::create_directories(folder);
  for (const SCENE& scene : kScenes) {
    SCOPED_TRACE(scene.name);
    KOR_GF::G_WINDOW_MANAGER windows(&plain_window);
    ASSERT_TRUE(windows.load_list("xml/Windows all_windows.xml"));
    open(windows, scene);
    for (KOR_GF::G_WINDOW* shown : windows.open_stack()) {
      expect_on_screen(shown->gui()->root, width, shown->name());
    }
    save(windows, (folder / (std::string(scene.name) + "_" + std::to_string(width) + ".png")).string(),
         width);
    windows.disable_all();
  }
}

INSTANTIATE_TEST_SUITE_P(BothWidths, WindowPreview, ::testing::Values(1024, 1366));

}  // namespace
