#pragma once

#include <cstdint>
#include <cstring>

namespace KOR {

// The 32-bit word that says how a batch is drawn. Two words are equal when
// bits 0-17 agree, so a change of antialiasing alone starts no new batch.
struct KS_RENDER_STATE {
  // Single-bit flags, by bit number.
  enum Flag : int {
    kOpaque = 0,  // 0 -> 1 switches alpha blending off
    kAlphaBlend = 1,
    kAdditive = 2,  // destination factor one instead of 1 - source alpha
    kDepthTest = 9,
    kTextured = 10,
    kLighting = 11,
    kScreenMode = 17,  // the renderer's screen transforms instead of its world mode
    kAntialias = 18,
  };
  // Texture filter (bits 4-7): 0 and 1 point; 4-15 leave the filters as they are.
  enum Filter : uint32_t { kFilterPoint = 0, kFilterLinear = 2, kFilterAnisotropic = 3 };
  // Primitive type (bits 12-14); 4-7 draw nothing.
  enum Primitive : uint32_t { kPoints = 0, kLines = 1, kTriangles = 2, kPointSprites = 3 };
  // Texture addressing (bits 15-16).
  enum Addressing : uint32_t { kClamp = 0, kWrapU = 1, kWrapV = 2, kWrapUV = 3 };

  static constexpr uint32_t kComparedBits = 0x3FFFFu;

  uint32_t word = 0;

  void clear() { word = 0; }
  bool operator==(const KS_RENDER_STATE& o) const { return ((word ^ o.word) & kComparedBits) == 0; }
  bool operator!=(const KS_RENDER_STATE& o) const { return !(*this == o); }

  bool flag(Flag f) const { return (word >> f) & 1u; }
  void set_flag(Flag f, bool on) { set_bits(f, 1, on ? 1u : 0u); }
  uint32_t filter() const { return bits(4, 4); }
  void set_filter(uint32_t v) { set_bits(4, 4, v); }
  uint32_t primitive() const { return bits(12, 3); }
  void set_primitive(uint32_t v) { set_bits(12, 3, v); }
  uint32_t addressing() const { return bits(15, 2); }
  void set_addressing(uint32_t v) { set_bits(15, 2, v); }

 private:
  uint32_t bits(int first, int width) const { return (word >> first) & ((1u << width) - 1u); }
  void set_bits(int first, int width, uint32_t v) {
    const uint32_t mask = ((1u << width) - 1u) << first;
    word = (word & ~mask) | ((v << first) & mask);
  }
};

static_assert(sizeof(KS_RENDER_STATE) == 4);

// The 32 bits of a float unchanged, the form float-valued device states take.
inline uint32_t float_bits(float f) {
  uint32_t u;
  std::memcpy(&u, &f, sizeof u);
  return u;
}

}  // namespace KOR
