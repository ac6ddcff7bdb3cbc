#pragma once

#include <string>

namespace KOR_GF {
class gPlayer;
}

namespace game {

// Loads the configuration store, asks for the stretched full screen and
// reads the game description ("company", "product", "version" and
// "copyright", each in a "value" attribute), which names the per-user
// folder. False only when the description cannot be had.
bool game_info_load(const std::string& resource_name);
// Reads the game description with resources of its own and takes the
// per-user folder it names, so that no second copy of the game saves over
// this one's progress. Asked before the engine opens its window and sound
// device, which a second copy never needs. False only when another copy
// holds the folder.
bool lock_user_folder(const std::string& resource_name);
// Reads the per-user folder's "Settings.xml", copying the default one in
// first when it has none.
void open_user_folder();

std::wstring game_info_company();
std::wstring game_info_product();
std::wstring game_info_version();
std::wstring game_info_copyright();

// The per-user folder: the application-data folder + company + product,
// ending in "/"; empty when there is no application-data folder.
std::string user_data_dir();

// Display mode, system pointer, custom cursor and logical screen size from
// the player's settings, or from the screen settings without a player; the
// player becomes the registry's current player when registered.
// The layout follows the size the window really got, read back after the
// mode is applied.
void apply_player_settings(KOR_GF::gPlayer* player);
// Lays the screens out anew when the window's granted size now holds the
// other layout (a window manager granting or changing it late); called every
// update.
void follow_window_size();

}  // namespace game
