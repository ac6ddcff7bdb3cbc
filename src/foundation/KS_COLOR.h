#pragma once

#include <cstdint>
#include <string>

namespace KOR {

// Packed colour 0xAARRGGBB; in memory blue, green, red, alpha, the layout
// vertices carry to the device. Opaque white by default.
struct KS_COLOR {
  uint8_t b = 255;
  uint8_t g = 255;
  uint8_t r = 255;
  uint8_t a = 255;

  KS_COLOR() = default;
  explicit KS_COLOR(uint32_t argb) { set_argb(argb); }
  // Each byte is the low 8 bits of its argument.
  KS_COLOR(int alpha, int red, int green, int blue)
      : b(static_cast<uint8_t>(blue)),
        g(static_cast<uint8_t>(green)),
        r(static_cast<uint8_t>(red)),
        a(static_cast<uint8_t>(alpha)) {}

  void set_argb(uint32_t argb) {
    b = static_cast<uint8_t>(argb);
    g = static_cast<uint8_t>(argb >> 8);
    r = static_cast<uint8_t>(argb >> 16);
    a = static_cast<uint8_t>(argb >> 24);
  }
  uint32_t argb() const {
    return static_cast<uint32_t>(a) << 24 | static_cast<uint32_t>(r) << 16 |
           static_cast<uint32_t>(g) << 8 | b;
  }

  // Byte by byte, wrapping modulo 256.
  KS_COLOR operator+(const KS_COLOR& d) const {
    return KS_COLOR(a + d.a, r + d.r, g + d.g, b + d.b);
  }
  KS_COLOR operator-(const KS_COLOR& d) const {
    return KS_COLOR(a - d.a, r - d.r, g - d.g, b - d.b);
  }
  KS_COLOR operator*(uint8_t n) const { return KS_COLOR(a * n, r * n, g * n, b * n); }
  KS_COLOR operator/(uint8_t n) const { return KS_COLOR(a / n, r / n, g / n, b / n); }

  // Four decimal numbers alpha, red, green, blue separated by blanks, each
  // keeping its low 8 bits; fewer than four numbers keep the colour.
  void parse(const std::string& text);
};

static_assert(sizeof(KS_COLOR) == 4);

// Hexadecimal digits read as 0xAARRGGBB (optional blanks and "0x" first):
// "FF00FF" is transparent magenta, non-hex text 0, values above 32 bits
// 0xFFFFFFFF.
KS_COLOR color_from_hex(const std::string& text);

}  // namespace KOR
