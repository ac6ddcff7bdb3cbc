#include <gtest/gtest.h>

#include "menu_scene.h"
#include "shell/CGame_App.h"

namespace {

// Letters typed into the name box are a name, not developer keys.
TEST(GameAppNameBox, DeveloperKeysRestWhileTheNameBoxIsOpen) {
  shell_test::MENU_SCENE scene;
  game::gPlayer_Flumo* ann = scene.add_player(L"Ann", true);
  game::CGame_App& app = game::game_instance();
  app.developer_mode = 1;
  ASSERT_NE(scene.open<KOR_GF::G_WINDOW>("Players_EditBox"), nullptr);
  app.on_key_down('O');
  app.on_key_down('M');
  EXPECT_EQ(app.all_levels_open, 0);
  EXPECT_EQ(ann->money, 0);

  scene.manager.close("Players_EditBox");
  scene.settle();
  app.on_key_down('O');
  app.on_key_down('M');
  EXPECT_EQ(app.all_levels_open, 1);
  EXPECT_EQ(ann->money, 5000);
  app.all_levels_open = 0;
  app.developer_mode = 0;
}

}  // namespace
