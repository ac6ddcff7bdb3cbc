#include "foundation/KS_COLOR.h"

#include <cstdlib>

#include "foundation/value_text.h"

namespace KOR {

void KS_COLOR::parse(const std::string& text) {
  int alpha, red, green, blue;
  if (value_text_read(text, {&alpha, &red, &green, &blue}))
    *this = KS_COLOR(alpha, red, green, blue);
}

KS_COLOR color_from_hex(const std::string& text) {
  // unsigned long is 64 bits here, so the 32-bit saturation is explicit.
  const unsigned long long v = std::strtoull(text.c_str(), nullptr, 16);
  return KS_COLOR(v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(v));
}

}  // namespace KOR
