#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace KOR {

class KC_GUI_OBJECT;
class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;
struct KS_TRANSFORM3;

// The picture of a widget drawn from one texture that holds its looks as
// equal frames side by side: a quad one frame wide in the widget's own
// transform, centred on the widget's position, and a hit rectangle over it.
// Built from the texture of the first load; later loads and releases only
// swap the texture, so size, frame and hit area survive. Until the build
// nothing is drawn, the size is 0 and the pointer is never inside.
class KC_GUI_STRIP {
 public:
  // How the hit rectangle's width follows the frame's: the exact fraction
  // of the strip, or the quad's width in whole pixels.
  enum class HIT { EXACT, WHOLE_PIXELS };

  KC_GUI_STRIP(int frames, HIT hit, std::string texture_name);
  ~KC_GUI_STRIP();
  KC_GUI_STRIP(const KC_GUI_STRIP&) = delete;
  KC_GUI_STRIP& operator=(const KC_GUI_STRIP&) = delete;

  // Nothing when built already.
  void build(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int frame);
  // One texture reference by name: into the quad when built, else the build.
  void load(KS_TRANSFORM3* transform, int frame);
  void release();

  void show(int frame);
  void draw();
  // Quad and hit rectangle take the size, still centred; nothing before the
  // build.
  void set_size(int width, int height);
  float width() const;
  float height() const;
  bool contains_pointer(const KC_GUI_OBJECT& widget) const;

  bool built() const { return built_ != 0; }
  const std::string& texture_name() const { return texture_name_; }
  KC_QUAD* quad() const { return quad_.get(); }
  const KC_HIT_SHAPE* hit_area() const { return hit_.get(); }

 private:
  int frames_;
  HIT hit_mode_;
  std::string texture_name_;
  std::unique_ptr<KC_QUAD> quad_;
  std::unique_ptr<KC_HIT_SHAPE> hit_;
  uint8_t built_ = 0;
};

}  // namespace KOR
