#include "shell/SG_WINDOW_HELP.h"

#include <pugixml.hpp>

#include "framework/menu_sound.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "shell/window_paging.h"

namespace game {

SG_WINDOW_HELP::SG_WINDOW_HELP(const pugi::xml_node& element) : G_WINDOW(element) {
  const pugi::xml_node pages = element.child("PAGES");
  if (!pages) return;
  book_.load(pages.attribute("FILE").as_string());
  book_.set_position(pages.attribute("X").as_float(), pages.attribute("Y").as_float());
  book_.strip().parent = gui()->root->transform;
}

void SG_WINDOW_HELP::draw() {
  G_WINDOW::draw();
  book_.draw();
}

int SG_WINDOW_HELP::update() {
  const int result = G_WINDOW::update();
  book_.update();
  return result;
}

// A book that turns with a slide goes back one page at a time.
void SG_WINDOW_HELP::on_open_begin() {
  while (book_.shown() > 0 && !book_.turning()) {
    const int before = book_.shown();
    book_.previous_page();
    if (book_.shown() == before) break;
  }
  show_page();
}

void SG_WINDOW_HELP::on_enable() { book_.load_resources(); }

void SG_WINDOW_HELP::on_disable() { book_.release_resources(); }

void SG_WINDOW_HELP::on_control(int widget_id) {
  if (widget_id == int(kPreviousPageButton) || widget_id == int(kNextPageButton)) {
    KOR_GF::play_once("sound_button_click");
    widget_id == int(kNextPageButton) ? book_.next_page() : book_.previous_page();
    show_page();
    return;
  }
  if (widget_id != kCloseButton) return;
  KOR_GF::play_once("sound_button_click");
  KOR_GF::play_once("sound_gui_window");
  close();
}

void SG_WINDOW_HELP::show_page() {
  const int page = book_.shown() + 1;
  templates_.take(*this, {kPageLabel});
  templates_.fill(*this, kPageLabel, {page, book_.pages()});
  refresh_page_buttons(*this, page, book_.pages());
}

}  // namespace game
