#include "render/picture_prefetch.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"
#include "render/gpu_picture.h"
#include "support/images.h"
#include "support/temp_folder.h"

namespace KOR {
namespace {

// Two pictures of their own sizes, the first opaque, the second not.
class PrefetchTest : public ::testing::Test {
 protected:
  PrefetchTest() {
    write(opaque_path, 6, 4, 0xFF336699);
    write(see_through_path, 3, 5, 0x80336699);
  }

  void write(const std::string& path, int width, int height, uint32_t argb) {
    const std::vector<unsigned char> png =
        test_support::encode_png(width, height, std::vector<uint32_t>(width * height, argb));
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
  }

  test_support::TempFolder folder{"prefetch"};
  const std::string opaque_path = (folder.path() / "opaque.png").string();
  const std::string see_through_path = (folder.path() / "see_through.png").string();
};

TEST_F(PrefetchTest, APictureIsTakenOnceAndOnlyForItsOwnPath) {
  picture_prefetch(opaque_path);
  GPU_PICTURE picture;
  EXPECT_FALSE(picture_take_prefetched(see_through_path, &picture));
  EXPECT_EQ(picture.rgba, nullptr) << "untouched";
  ASSERT_TRUE(picture_take_prefetched(opaque_path, &picture));
  EXPECT_EQ(picture.width, 6);
  EXPECT_EQ(picture.height, 4);
  EXPECT_TRUE(picture.opaque);
  EXPECT_EQ(picture.rgba.get()[0], 0x33) << "red first";
  EXPECT_FALSE(picture_take_prefetched(opaque_path, &picture)) << "taken already";

  picture_prefetch(see_through_path);
  picture_prefetch(opaque_path);
  EXPECT_FALSE(picture_take_prefetched(see_through_path, &picture)) << "replaced";
  EXPECT_TRUE(picture_take_prefetched(opaque_path, &picture));

  picture_prefetch((folder.path() / "missing.png").string());
  EXPECT_FALSE(picture_take_prefetched((folder.path() / "missing.png").string(), &picture));
}

// The renderer takes a prefetched picture in place of reading the file,
// with the same texture as a load of its own would give.
TEST_F(PrefetchTest, TheRendererTakesThePrefetchedPicture) {
  KC_RENDER render(std::make_unique<GPU_NULL>());
  ASSERT_EQ(render.init(nullptr, 0.1f, 0.0f), 1);
  picture_prefetch(see_through_path);
  KC_TEXTURE* prefetched = render.load_texture_file(see_through_path);
  GPU_PICTURE picture;
  EXPECT_FALSE(picture_take_prefetched(see_through_path, &picture)) << "the renderer took it";
  KC_TEXTURE* loaded = render.load_texture_file(see_through_path);
  ASSERT_NE(prefetched, render.default_texture);
  EXPECT_EQ(prefetched->size(), loaded->size());
  EXPECT_EQ(prefetched->opaque(), loaded->opaque());
  const auto* first = static_cast<const uint32_t*>(render.lock_texture(prefetched));
  const std::vector<uint32_t> prefetched_pixels(first, first + 15);
  render.unlock_texture(prefetched);
  const auto* second = static_cast<const uint32_t*>(render.lock_texture(loaded));
  EXPECT_EQ(prefetched_pixels, std::vector<uint32_t>(second, second + 15));
  render.unlock_texture(loaded);
}

}  // namespace
}  // namespace KOR
