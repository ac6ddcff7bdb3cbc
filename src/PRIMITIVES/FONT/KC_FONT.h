#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "platform/text_format_wide.h"

namespace pugi {
class xml_node;
}

namespace KOR {

class KC_QUAD;
struct KC_TEXTURE;
struct KS_TRANSFORM3;

// One character of a bitmap font: its place on the page (texture
// coordinates and pixels) and how it sits on and moves the pen.
struct KS_GLYPH {
  int id = 0;
  float left = 0.0f;
  float top = 0.0f;
  float right = 0.0f;
  float bottom = 0.0f;
  int width = 0;
  int height = 0;
  int xoffset = 0;
  int yoffset = 0;
  int xadvance = 0;
};

// Text from a bitmap font: one page texture and a description of each
// glyph's place on it. Every glyph is drawn through one page quad that is
// moved, cut and drawn per glyph. Narrow text is one byte per character
// (bytes 0x80-0xFF find no glyph); wide text one code point per unit. A
// block of lines ('\n') is aligned to one of the nine hot-spot anchors.
class KC_FONT {
 public:
  // `element` holds "common", "pages" and "chars" in the layout of the
  // bitmap-font description files. Buffers hold at least 600 units.
  KC_FONT(const pugi::xml_node& element, KC_TEXTURE* page_texture, int buffer_size);
  // Not a usable font: says so in a message box.
  KC_FONT();
  KC_FONT(const KC_FONT&) = delete;
  KC_FONT& operator=(const KC_FONT&) = delete;
  ~KC_FONT();

  // 1, or -1 when no glyph was read (or there is no page texture): the font
  // then draws nothing and measures 0.
  int load(const pugi::xml_node& element, KC_TEXTURE* page_texture);

  int line_height() const { return line_height_; }
  KC_TEXTURE* texture() const;
  // The glyph of the code point, else that of '?', else null.
  const KS_GLYPH* find_glyph(int code) const;
  // xadvance of exactly that code point; 0 when the font lacks it.
  int glyph_advance(int code) const;
  const KS_GLYPH* first_glyph() const;
  int char_width() const { return -1; }
  int line_count(const char* text) const;
  int line_count_w(const wchar_t* text) const;
  int first_line_length(const char* text) const;
  // Width of the first line: narrow text by the glyphs' bitmap widths,
  // wide text by their advances and the page's scale.
  int text_width(const char* text) const;
  int text_width_w(const wchar_t* text) const;
  int fixed_line_width_w(const wchar_t* text) const;
  // Offsets for the current anchor: x of the first line, y of the block.
  int align_offset_x(const char* text) const;
  int align_offset_x_w(const wchar_t* text) const;
  int align_offset_y(const char* text) const;
  int align_offset_y_w(const wchar_t* text) const;

  void set_color(uint32_t argb);
  void set_page_hot_spot(unsigned type);
  // Draws one glyph ('?' for a missing one); returns its advance, 0 when
  // nothing was drawn.
  int draw_glyph(int code, int x, int y);
  void draw_text(int x, int y, const char* text);
  void draw_text_w(int x, int y, const wchar_t* text);
  // printf-style into the narrow buffer, cut at buffer_size - 4 bytes.
  void print(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));
  // Formats into the wide buffer; draws when at least one unit resulted.
  template <class... Args>
  void print_w(int x, int y, const wchar_t* format, const Args&... args) {
    if (text_format_wide_args(wide_buffer_.get(), buffer_size_, format, args...) > 0) {
      draw_text_w(x, y, wide_buffer_.get());
    }
  }
  // Draws a finished display text in the world of `transform` (its parent
  // chain applied) with `anchor` in place of the font's own for the call.
  // The text is drawn as it stands: it is not a format, so a '%' in it is
  // a '%'. Returns the page quad's transform.
  KS_TRANSFORM3* print_w_in(const KS_TRANSFORM3* transform, unsigned anchor, const wchar_t* text);

  KC_QUAD* page() const { return page_.get(); }
  int glyph_count = 0;
  int tracking = 0;
  int line_spacing = 3;
  int fixed_char_width = 0;
  int page_width = 0;
  int page_height = 0;
  unsigned anchor = 1;
  float mid_divisor = 4.0f;

 private:
  void clear_glyphs();
  // The y offset shared by both measures; `narrow` picks anchor 1's rule.
  int align_offset_y_lines(int lines, bool narrow) const;
  int align_offset_x_width(int width) const;

  std::unique_ptr<KC_QUAD> page_;
  int line_height_ = 0;
  std::map<int, KS_GLYPH> glyphs_;
  std::unique_ptr<char[]> text_buffer_;
  std::unique_ptr<wchar_t[]> wide_buffer_;
  int buffer_size_ = 0;
};

}  // namespace KOR
