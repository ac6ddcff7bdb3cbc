#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace KOR {

// A picture decoded from PNG or JPEG bytes: width × height pixels of four
// bytes, red first.
struct GPU_PICTURE {
  struct FREE {
    void operator()(std::uint8_t* pixels) const;
  };
  std::unique_ptr<std::uint8_t, FREE> rgba;
  int width = 0;
  int height = 0;
  // No pixel lets anything below show through.
  bool opaque = false;
};

// False when the bytes do not decode. Touches nothing shared, so any thread
// may decode.
bool decode_picture(const void* bytes, std::size_t count, GPU_PICTURE* out);

}  // namespace KOR
