#include "puzzle/CGame_Config.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "foundation/text_utilities.h"

namespace {

using game::CGame_Config;

class ConfigTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(
        document.load_string("<config>"
                             "<speedOfTape text=\"12abc\"/>"
                             "<interfaceHidingTime text=\"0.25\"/>"
                             "<noText value=\"3\"/>"
                             "<shop_5_upgrade2_value text=\"15\"/>"
                             "<name text=\"Wasser\xC3\xA4\"/>"
                             "<twice text=\"1\"/><twice text=\"2\"/>"
                             "<flag text=\"yes\"/>"
                             "</config>"));
    CGame_Config::instance().set_document(&document);
  }
  void TearDown() override { CGame_Config::instance().set_document(nullptr); }

  pugi::xml_document document;
};

TEST_F(ConfigTest, ValuesByKey) {
  const CGame_Config& c = CGame_Config::instance();
  EXPECT_EQ(c.get_int("speedOfTape"), 12);
  EXPECT_EQ(c.get_float("speedOfTape"), 12.0f);
  EXPECT_EQ(c.get_float("interfaceHidingTime"), 0.25f);
  EXPECT_EQ(c.get_int("noText"), 0);
  EXPECT_EQ(c.get_int("missing"), 0);
  EXPECT_EQ(c.get_string("missing"), "");
  EXPECT_EQ(c.get_int("twice"), 1);
  EXPECT_EQ(c.get_int(""), 0);
  EXPECT_EQ(c.get_int_w(L"shop_5_upgrade" + KOR::wtext_from_int(2) + L"_value"),
            c.get_int("shop_5_upgrade2_value"));
  EXPECT_EQ(c.get_float_w(L"interfaceHidingTime"), 0.25f);
  EXPECT_EQ(c.get_wstring_w(L"name"), L"Wasser\u00E4");
  EXPECT_TRUE(c.get_bool_w(L"flag"));
  EXPECT_FALSE(c.get_bool_w(L"missing"));
}

TEST(ConfigWithoutDocument, AnswersZeroEverywhere) {
  const CGame_Config& c = CGame_Config::instance();
  EXPECT_EQ(c.get_int("speedOfTape"), 0);
  EXPECT_EQ(c.get_float("speedOfTape"), 0.0f);
  EXPECT_EQ(c.get_string("speedOfTape"), "");
  EXPECT_EQ(c.get_wstring_w(L"speedOfTape"), L"");
  EXPECT_FALSE(c.get_bool_w(L"flag"));
}

}  // namespace
