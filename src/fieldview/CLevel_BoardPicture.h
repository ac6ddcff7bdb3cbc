#pragma once

#include <cstdint>
#include <vector>

namespace KOR {
class KC_RENDER;
struct KS_RENDER_TARGET;
}  // namespace KOR

namespace game {

// The board's still layers composed once into a picture the back buffer's
// size and laid down each frame in their place. The picture is composed
// again only when what it shows changes (told by a description of the still
// state), when the device has emptied its targets in a reset, or when the
// back buffer changed size. Only the visible screen is kept: a scrolled
// board is drawn at fractional positions and culled against the screen, so
// no larger picture moved by the scroll would match it pixel for pixel.
class CLevel_BoardPicture {
 public:
  CLevel_BoardPicture() = default;
  ~CLevel_BoardPicture();
  CLevel_BoardPicture(const CLevel_BoardPicture&) = delete;
  CLevel_BoardPicture& operator=(const CLevel_BoardPicture&) = delete;

  // Whether the picture can be laid down as it is for the still state
  // `still`.
  bool shows(const std::vector<int32_t>& still) const;
  // Starts composing within the open frame (the picture is made on first
  // use); false, with nothing started, when the renderer gives no picture.
  bool begin();
  // Ends composing: the picture now shows `still`.
  void end(const std::vector<int32_t>& still);
  // Lays the picture over the whole back buffer.
  void draw() const;

  // Times the picture was composed.
  int compositions = 0;

 private:
  // The renderer the target belongs to; a target of another renderer is
  // forgotten.
  bool owned_by_current_renderer() const;

  KOR::KC_RENDER* render_ = nullptr;
  KOR::KS_RENDER_TARGET* target_ = nullptr;
  int device_resets_ = -1;
  std::vector<int32_t> still_;
};

}  // namespace game
