#pragma once

namespace KOR_GF {
class G_WINDOW;
}

namespace game {

// The paged lists of the shop and the trophies: a previous and a next
// button, pages 1..count.
enum : unsigned int { kPreviousPageButton = 20000, kNextPageButton = 30000 };

// The page after a press of one of the two buttons, kept within 1..count.
int turned_page(int page, int control, int count);
// The previous button enabled past the first page, the next one before the
// last.
void refresh_page_buttons(const KOR_GF::G_WINDOW& window, int page, int count);

}  // namespace game
