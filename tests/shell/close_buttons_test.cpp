#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "menu_scene.h"
#include "shell/SG_WINDOW_BUY.h"
#include "shell/SG_WINDOW_CREDITS.h"

namespace {

using KOR_GF::G_WINDOW;

// Which ids close each window; the others leave it open.
TEST(CloseButtons, OnlyTheirButtonsCloseThem) {
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"Buy",
       {game::SG_WINDOW_BUY::kOkButton, game::SG_WINDOW_BUY::kLaterButton,
        game::SG_WINDOW_BUY::kCloseButton}},
      {"Credits", {game::SG_WINDOW_CREDITS::kCloseButton}}};
  shell_test::MENU_SCENE scene;
  for (const auto& [name, closing_ids] : cases) {
    G_WINDOW* window = scene.open<G_WINDOW>(name);
    ASSERT_NE(window, nullptr);
    for (int id = -1; id <= 12; ++id) {
      const bool closes =
          std::find(closing_ids.begin(), closing_ids.end(), id) != closing_ids.end();
      window->on_control(id);
      EXPECT_EQ(window->is_open(), !closes) << name << " id " << id;
      if (closes) scene.open<G_WINDOW>(name);
    }
  }
}

TEST(Credits, ItsButtonWaitsUntilThePageStandsOpen) {
  shell_test::MENU_SCENE scene;
  G_WINDOW* credits = scene.manager.show("Credits");
  ASSERT_NE(credits, nullptr);
  credits->on_control(game::SG_WINDOW_CREDITS::kCloseButton);
  EXPECT_TRUE(credits->is_open());
  scene.settle();
  credits->on_control(game::SG_WINDOW_CREDITS::kCloseButton);
  EXPECT_FALSE(credits->is_open());
}

}  // namespace
