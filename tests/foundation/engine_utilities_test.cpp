#include "foundation/engine_utilities.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using namespace KOR;

TEST(engine_utilities, HotSpotNames) {
  const std::pair<const char*, int> cases[] = {
      {"HS_MID", 0}, {"HS_UL", 1}, {"HS_UR", 2}, {"HS_DL", 3}, {"HS_DR", 4}, {"HS_MU", 5},
      {"HS_MD", 6},  {"HS_ML", 7}, {"HS_MR", 8}, {"hs_mr", 0}, {"", 0},      {"HS_MR ", 0},
  };
  for (const auto& [name, number] : cases) EXPECT_EQ(hot_spot_from_name(name), number) << name;
}

TEST(engine_utilities, Platforms) {
  const std::pair<const char*, int> letters[] = {{"OSX", 1}, {"I", 2},       {"Android", 3},
                                                 {"", 0},    {"WINDOWS", 0}, {"osx", 0}};
  for (const auto& [text, code] : letters) EXPECT_EQ(platform_from_letter(text), code) << text;
  const std::pair<int, const char*> names[] = {{0, "WINDOWS"}, {1, "OSX"},     {2, "IOS"},
                                               {3, "ANDROID"}, {4, "WINDOWS"}, {-1, "WINDOWS"}};
  for (const auto& [code, name] : names) EXPECT_EQ(platform_name(code), name) << code;
}

TEST(engine_utilities, TimeText) {
  const std::pair<float, const wchar_t*> cases[] = {
      {3725.5f, L"01:02:05"}, {65.0f, L"01:05"},      {59.9f, L"00:59"},
      {0.0f, L"00:00"},       {3600.0f, L"01:00:00"}, {360000.0f, L"100:00:00"},
  };
  for (const auto& [seconds, text] : cases) EXPECT_EQ(time_text(seconds), text) << seconds;
}

TEST(engine_utilities, OutOfRangeDurationsAreClamped) {
  int h = -1, m = -1, s = -1;
  time_split(-5.0f, h, m, s);
  EXPECT_EQ((std::array{h, m, s}), (std::array{0, 0, 0}));
  time_split(std::nanf(""), h, m, s);
  EXPECT_EQ((std::array{h, m, s}), (std::array{0, 0, 0}));
  time_split(1e20f, h, m, s);
  EXPECT_EQ((std::array{h, m, s}), (std::array{596523, 14, 7}));
  EXPECT_EQ(time_text(std::numeric_limits<float>::infinity()), L"596523:14:07");
}
