#include "foundation/KS_COLOR.h"

#include <cstdlib>
#include <vector>

#include "foundation/value_text.h"

namespace KOR {

void KS_COLOR::parse(const std::string& text) {
  const std::vector<std::string> parts = value_text_parts(text);
  if (parts.size() < 4) return;
  *this = KS_COLOR(value_text_int(parts[0]), value_text_int(parts[1]), value_text_int(parts[2]),
                   value_text_int(parts[3]));
}

KS_COLOR color_from_hex(const std::string& text) {
  // unsigned long is 64 bits here, so the 32-bit saturation is explicit.
  const unsigned long long v = std::strtoull(text.c_str(), nullptr, 16);
  return KS_COLOR(v > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(v));
}

}  // namespace KOR
