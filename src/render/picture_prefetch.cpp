#include "render/picture_prefetch.h"

#include <fstream>
#include <future>
#include <iterator>
#include <utility>
#include <vector>

#include "render/gpu_picture.h"

namespace KOR {

namespace {

struct PREFETCH {
  std::string path;
  std::future<GPU_PICTURE> picture;
};

// A picture never taken is waited for when the program ends.
PREFETCH prefetched;

GPU_PICTURE read_and_decode(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  GPU_PICTURE picture;
  decode_picture(bytes.data(), bytes.size(), &picture);
  return picture;
}

}  // namespace

void picture_prefetch(const std::string& path) {
  prefetched.path = path;
  prefetched.picture = std::async(std::launch::async, &read_and_decode, path);
}

bool picture_take_prefetched(const std::string& path, GPU_PICTURE* out) {
  if (!prefetched.picture.valid() || prefetched.path != path) return false;
  GPU_PICTURE picture = prefetched.picture.get();
  prefetched.path.clear();
  if (picture.rgba == nullptr) return false;
  *out = std::move(picture);
  return true;
}

}  // namespace KOR
