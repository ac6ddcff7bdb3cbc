#include "PRIMITIVES/FONT/KC_FONT.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "platform/host.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

namespace {
constexpr int kMinimumBuffer = 600;

// A narrow byte as the signed code it is looked up by.
int narrow_code(char c) { return static_cast<int>(static_cast<signed char>(c)); }
int wide_code(wchar_t c) { return static_cast<int>(static_cast<unsigned>(c)); }

template <class CHAR>
int count_lines(const CHAR* text) {
  int lines = 1;
  for (const CHAR* p = text; p != nullptr && *p != 0; ++p) {
    if (*p == '\n') ++lines;
  }
  return lines;
}

// A damaged description may give any number: a glyph's place and measures
// stay within a large page's reach, so texts of any length measure and
// lay out without wrapping.
constexpr int kLargestMeasure = 8192;

int glyph_measure(const pugi::xml_node& glyph, const char* name) {
  return std::clamp(glyph.attribute(name).as_int(), -kLargestMeasure, kLargestMeasure);
}
}  // namespace

KC_FONT::KC_FONT(const pugi::xml_node& element, KC_TEXTURE* page_texture, int buffer_size)
    : buffer_size_(buffer_size > kMinimumBuffer ? buffer_size : kMinimumBuffer) {
  text_buffer_ = std::make_unique<char[]>(static_cast<size_t>(buffer_size_));
  wide_buffer_ = std::make_unique<wchar_t[]>(static_cast<size_t>(buffer_size_));
  load(element, page_texture);
  line_spacing = 3;
  tracking = 0;
}

KC_FONT::KC_FONT() { host_message_box(__FILE__, "Bad way creation font"); }

KC_FONT::~KC_FONT() = default;

void KC_FONT::clear_glyphs() {
  glyphs_.clear();
  glyph_count = 0;
}

int KC_FONT::load(const pugi::xml_node& element, KC_TEXTURE* page_texture) {
  line_height_ = element.child("common").attribute("lineHeight").as_int();
  tracking = 0;
  page_.reset();
  clear_glyphs();
  fixed_char_width = 0;
  if (page_texture == nullptr) return -1;
  page_ = std::make_unique<KC_QUAD>(page_texture, nullptr);
  page_width = page_texture->image_size.x;
  page_height = page_texture->image_size.y;
  const float pw = static_cast<float>(page_width);
  const float ph = static_cast<float>(page_height);
  // The first child of "chars" whatever its name, then its "char" siblings.
  pugi::xml_node node = element.child("chars").first_child();
  for (; node; node = node.next_sibling("char")) {
    KS_GLYPH g;
    g.id = node.attribute("id").as_int();
    const int x = glyph_measure(node, "x");
    const int y = glyph_measure(node, "y");
    g.width = std::max(glyph_measure(node, "width"), 0);
    g.height = std::max(glyph_measure(node, "height"), 0);
    g.left = static_cast<float>(x) / pw;
    g.top = static_cast<float>(y) / ph;
    g.right = static_cast<float>(x + g.width) / pw;
    g.bottom = static_cast<float>(y + g.height) / ph;
    g.xoffset = glyph_measure(node, "xoffset");
    g.yoffset = glyph_measure(node, "yoffset");
    g.xadvance = glyph_measure(node, "xadvance");
    ++glyph_count;
    glyphs_[g.id] = g;
  }
  if (glyphs_.empty()) return -1;
  fixed_char_width = 20;
  page_->set_hot_spot(HS_MID);
  anchor = 1;
  return 1;
}

KC_TEXTURE* KC_FONT::texture() const { return page_ ? page_->texture() : nullptr; }

const KS_GLYPH* KC_FONT::find_glyph(int code) const {
  auto it = glyphs_.find(code);
  if (it == glyphs_.end()) it = glyphs_.find('?');
  return it == glyphs_.end() ? nullptr : &it->second;
}

int KC_FONT::glyph_advance(int code) const {
  auto it = glyphs_.find(code);
  return it == glyphs_.end() ? 0 : it->second.xadvance;
}

const KS_GLYPH* KC_FONT::first_glyph() const {
  return glyphs_.empty() ? nullptr : &glyphs_.begin()->second;
}

int KC_FONT::line_count(const char* text) const { return count_lines(text); }

int KC_FONT::line_count_w(const wchar_t* text) const { return count_lines(text); }

int KC_FONT::first_line_length(const char* text) const {
  int n = 0;
  while (text != nullptr && text[n] != 0 && text[n] != '\n') ++n;
  return n;
}

int KC_FONT::text_width(const char* text) const {
  int w = 0;
  for (const char* p = text; p != nullptr && *p != 0 && *p != '\n'; ++p) {
    auto it = glyphs_.find(narrow_code(*p));
    if (it != glyphs_.end()) w += it->second.width + tracking;
  }
  return w;
}

int KC_FONT::text_width_w(const wchar_t* text) const {
  if (page_ == nullptr) return 0;
  const float sx = page_->scale_x();
  int w = 0;
  for (const wchar_t* p = text; p != nullptr && *p != 0 && *p != L'\n'; ++p) {
    auto it = glyphs_.find(wide_code(*p));
    if (it == glyphs_.end() || it->second.xadvance <= 0) continue;
    w = static_cast<int>(static_cast<float>(w) +
                         static_cast<float>(it->second.xadvance + tracking) * sx);
  }
  return w;
}

int KC_FONT::fixed_line_width_w(const wchar_t* text) const {
  if (glyphs_.empty()) return 0;
  int n = 0;
  while (text != nullptr && text[n] != 0 && text[n] != L'\n') ++n;
  return n * (tracking + fixed_char_width);
}

int KC_FONT::align_offset_x_width(int w) const {
  switch (anchor) {
    case HS_MID:
    case HS_MU:
    case HS_MD:
      return -(w / 2);
    case HS_UR:
    case HS_DR:
    case HS_MR:
      return -w;
    default:
      return 0;
  }
}

int KC_FONT::align_offset_y_lines(int lines, bool narrow) const {
  const int L = lines * line_height_;
  const int mid = mid_divisor == 0.0f ? -L : -static_cast<int>(static_cast<float>(L) / mid_divisor);
  switch (anchor) {
    case HS_MID:
    case HS_ML:
    case HS_MR:
      return mid;
    case HS_UL:
      return narrow ? L / 2 : 0;
    case HS_DR:
    case HS_MD:
      return -L;
    case HS_MU:
      return L / 2;
    default:
      return 0;
  }
}

int KC_FONT::align_offset_x(const char* text) const {
  return align_offset_x_width(text_width(text));
}

int KC_FONT::align_offset_x_w(const wchar_t* text) const {
  return align_offset_x_width(text_width_w(text));
}

int KC_FONT::align_offset_y(const char* text) const {
  return align_offset_y_lines(line_count(text), true);
}

int KC_FONT::align_offset_y_w(const wchar_t* text) const {
  return align_offset_y_lines(line_count_w(text), false);
}

void KC_FONT::set_color(uint32_t argb) {
  if (page_) page_->set_color(argb);
}

void KC_FONT::set_page_hot_spot(unsigned type) {
  if (page_) page_->set_hot_spot(type);
}

int KC_FONT::draw_glyph(int code, int x, int y) {
  const KS_GLYPH* g = find_glyph(code);
  if (g == nullptr || page_ == nullptr) return 0;
  page_->setup(static_cast<float>(x + g->xoffset),
               static_cast<float>(y) + static_cast<float>(g->yoffset) * page_->scale_y(), g->left,
               g->top, g->right, g->bottom, g->width, g->height);
  return g->xadvance;
}

void KC_FONT::draw_text(int x, int y, const char* text) {
  if (text == nullptr) return;
  int xo = align_offset_x(text);
  const int yo = align_offset_y(text);
  int pen = 0;
  int line = 0;
  for (const char* p = text; *p != 0; ++p) {
    if (*p == '\n') {
      ++line;
      pen = 0;
      xo = align_offset_x(p + 1);
      continue;
    }
    const int advance =
        draw_glyph(narrow_code(*p), x + xo + pen, y + yo + line * (line_height_ + line_spacing));
    pen += tracking + advance;
  }
}

void KC_FONT::draw_text_w(int x, int y, const wchar_t* text) {
  if (text == nullptr || page_ == nullptr) return;
  int xo = align_offset_x_w(text);
  const int yo = align_offset_y_w(text);
  float pen = 0.0f;
  int line = 0;
  for (const wchar_t* p = text; *p != 0; ++p) {
    if (*p == L'\n') {
      ++line;
      pen = 0.0f;
      xo = align_offset_x_w(p + 1);
      continue;
    }
    const int advance =
        draw_glyph(wide_code(*p), static_cast<int>(pen + static_cast<float>(x + xo)),
                   y + yo + line * (line_height_ + line_spacing));
    if (advance != 0) pen += static_cast<float>(advance + tracking) * page_->scale_x();
  }
}

void KC_FONT::print(int x, int y, const char* format, ...) {
  if (text_buffer_ == nullptr || format == nullptr) return;
  va_list args;
  va_start(args, format);
  std::vsnprintf(text_buffer_.get(), static_cast<size_t>(buffer_size_ - 4), format, args);
  va_end(args);
  draw_text(x, y, text_buffer_.get());
}

KS_TRANSFORM3* KC_FONT::print_w_in(const KS_TRANSFORM3* transform, unsigned in_anchor,
                                   const wchar_t* text) {
  if (page_ == nullptr) return nullptr;
  KS_TRANSFORM3 world;
  if (transform != nullptr) world = transform->world();
  world.parent = nullptr;
  page_->transform()->parent = &world;
  const unsigned saved = anchor;
  anchor = in_anchor;
  draw_text_w(0, 0, text);
  anchor = saved;
  page_->transform()->parent = nullptr;
  return page_->transform();
}

}  // namespace KOR
