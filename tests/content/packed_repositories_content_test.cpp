// The level and configuration repositories as the build packs them: they
// open with the game's password and with no other, so a packer that stopped
// encrypting would show here.

#include <gtest/gtest.h>

#include "support/game_resources.h"

namespace {

TEST(PackedRepositories, OpenOnlyWithTheGamesPassword) {
  content_test::GameResources resources;
  const struct {
    const char* repository;
    const char* entry;
  } packed[] = {{"xml/Levels", "xml/Levels Levels/level_1.xml"},
                {"xml/Config", "xml/Config Config/config.xml"}};
  for (const auto& p : packed) {
    EXPECT_TRUE(resources.root(p.entry)) << p.entry << " with the game's password";
    for (const char* password : {"", "tolvb"}) {
      KOR::KC_RESOURCE_MANAGER locked;
      ASSERT_EQ(locked.add_repository(p.repository, password), 1) << p.repository;
      EXPECT_EQ(locked.get_xml(p.entry), nullptr)
          << p.entry << " opens with the password \"" << password << '"';
    }
  }
}

}  // namespace
