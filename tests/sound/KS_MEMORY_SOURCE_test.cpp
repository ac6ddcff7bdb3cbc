#include "sound/KS_MEMORY_SOURCE.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using KOR::KS_MEMORY_SOURCE;

TEST(KS_MEMORY_SOURCE, ReadStopsAtTheEndOfTheBytes) {
  const unsigned char bytes[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
  KS_MEMORY_SOURCE memory{bytes, 10, 0};
  unsigned char out[16] = {};

  EXPECT_EQ(KOR::memory_read(out, 1, 4, &memory), 4u);
  EXPECT_EQ(out[3], 3);
  EXPECT_EQ(KOR::memory_read(out, 2, 8, &memory), 6u);
  EXPECT_EQ(out[0], 4);
  EXPECT_EQ(out[5], 9);
  EXPECT_EQ(KOR::memory_read(out, 1, 4, &memory), 0u);
  EXPECT_EQ(KOR::memory_tell(&memory), 10);
}

// Every seek lands inside the bytes or is refused without moving, so no
// later read can be asked to copy from outside them.
TEST(KS_MEMORY_SOURCE, SeeksStayInsideTheBytes) {
  const unsigned char bytes[10] = {};
  constexpr std::int64_t kHuge = std::numeric_limits<std::int64_t>::max();
  constexpr std::int64_t kTiny = std::numeric_limits<std::int64_t>::min();
  struct Case {
    std::int64_t offset;
    int origin;
    int result;
    long position;
  };
  const Case cases[] = {
      {7, 0, 0, 7},      {10, 0, 0, 10},    {11, 0, -1, 4},    {-1, 0, -1, 4},
      {3, 1, 0, 7},      {-4, 1, 0, 0},     {7, 1, -1, 4},     {-5, 1, -1, 4},
      {0, 2, 0, 10},     {-10, 2, 0, 0},    {-11, 2, -1, 4},   {1, 2, -1, 4},
      {kHuge, 1, -1, 4}, {kTiny, 1, -1, 4}, {kHuge, 2, -1, 4}, {0, 3, -1, 4},
  };
  for (const Case& c : cases) {
    KS_MEMORY_SOURCE memory{bytes, 10, 4};
    EXPECT_EQ(KOR::memory_seek(&memory, c.offset, c.origin), c.result)
        << c.offset << " from " << c.origin;
    EXPECT_EQ(KOR::memory_tell(&memory), c.position) << c.offset << " from " << c.origin;
  }
}
