#pragma once

#include <memory>

namespace pugi {
class xml_document;
}

namespace KOR {
class KC_GUI_OBJECT;
}

namespace KOR_GF {
class G_WINDOW;
class G_WINDOW_MANAGER;
}  // namespace KOR_GF

namespace game {

// Builds the window a description's "_type" names, with the instance name
// of its "_name", and puts its labels into the player's language; null (and
// a line on stderr naming the window) for a description without type or
// name, or whose type no window class answers.
std::unique_ptr<KOR_GF::G_WINDOW> window_factory(const pugi::xml_document& description);

// The level scene's three window managers build theirs the same way, each
// from its own classes: the HUD ("HUD_PANEL_TUTORIAL" only while the
// tutorial runs), the bottom panel with tape and press, and the close-ups.
std::unique_ptr<KOR_GF::G_WINDOW> level_hud_window_factory(const pugi::xml_document& description);
std::unique_ptr<KOR_GF::G_WINDOW> level_bottom_window_factory(
    const pugi::xml_document& description);
std::unique_ptr<KOR_GF::G_WINDOW> level_closeup_window_factory(
    const pugi::xml_document& description);

// Every wide label of the tree, the widget's own first, takes the string
// table's text for the key its text holds.
void localise_labels(KOR::KC_GUI_OBJECT* widget);

// The application's windows, built by window_factory.
KOR_GF::G_WINDOW_MANAGER& window_manager_instance();

}  // namespace game
