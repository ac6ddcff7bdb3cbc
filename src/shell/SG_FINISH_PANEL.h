#pragma once

#include <cstdint>
#include <memory>

#include "framework/G_WINDOW.h"
#include "framework/window_widgets.h"
#include "level/CScene_Level.h"

namespace game {

class CEffect_ExplosionList;

// The result of a finished level: money taken of the money there was, the
// score, the best score before, and one to three stars, each arriving with
// a burst. "Menu" and "next" lead on; at the end of a world the way leads
// to the menu with the world's comic due, after the last level to the final
// comic or the title.
class SG_FINISH_PANEL : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kMenuButton = 1,
    kNextButton = 2,
    kMoneyLabel = 5,
    kScoreLabel = 6,
    kBestLabel = 7,
  };
  // The picture of star 1, 2 or 3.
  static constexpr unsigned int star_picture(int star) {
    return static_cast<unsigned int>(110 + 2 * star);
  }

  explicit SG_FINISH_PANEL(const pugi::xml_node& element);
  ~SG_FINISH_PANEL() override;

  // A copy: the scene that made the result may be gone when the panel is
  // still showing it.
  void set_result(const CLevel_Result& value) { result = value; }

  void draw() override;
  int update() override;
  void on_enable() override;
  void on_open_begin() override;
  void on_opened() override;
  void on_closed() override;
  void on_control(int widget_id) override;

  int32_t last_id = 0;
  CLevel_Result result;
  std::unique_ptr<CEffect_ExplosionList> effects;

 private:
  KOR_GF::LABEL_TEMPLATES templates_;
};

}  // namespace game
