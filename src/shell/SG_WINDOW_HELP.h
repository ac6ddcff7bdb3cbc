#pragma once

#include "framework/G_WINDOW.h"
#include "framework/window_widgets.h"
#include "shell/gPages_Help.h"

namespace game {

// The help window ("Help"), opened over the pause window: a help book whose
// file and place its description's "PAGES" element gives ("FILE", "X", "Y",
// the place from the window's centre), turned by the paging buttons, with a
// page label. Control 1 closes it and leaves the window behind as it was.
// Every opening starts at the first page.
class SG_WINDOW_HELP : public KOR_GF::G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : unsigned int { kCloseButton = 1, kPageLabel = 10000 };

  explicit SG_WINDOW_HELP(const pugi::xml_node& element);

  void draw() override;
  int update() override;
  void on_open_begin() override;
  void on_enable() override;
  void on_disable() override;
  void on_control(int widget_id) override;

  gPages_Help& book() { return book_; }

 private:
  // The page label and the paging buttons for the page on show.
  void show_page();

  gPages_Help book_;
  KOR_GF::LABEL_TEMPLATES templates_;
};

}  // namespace game
