#include "shell/game_main.h"

#include <cstdio>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/text_utilities.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/resource_list.h"
#include "level/CScene_Level.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/G_LOADER_SCREEN.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"
#include "shell/game_repositories.h"
#include "sound/KC_SOUND_SYSTEM.h"

namespace game {

int32_t current_world_number = 0;
uint8_t game_ready = 0;
G_LOADER_SCREEN* loader_screen = nullptr;

namespace {

constexpr int kGameMainDone = 100500;
constexpr int kStartFailed = -112;
constexpr int kRateCap = 60;
constexpr uint32_t kClearColor = 0xFF000000;
constexpr const char* kGameInfo = "xml game.xml";
constexpr const char* kResourceList = "xml resource_list.xml";

struct HOOK_BINDING {
  KOR::KC_CALLBACK** slot;
  KOR::KC_CALLBACK_FN function;
};

// In the order the hooks are created.
const HOOK_BINDING kHooks[] = {
    {&KOR::hook_update, &game_on_update},
    {&KOR::hook_draw, &game_on_draw},
    {&KOR::hook_init, &game_on_init},
    {&KOR::hook_key_down, &game_on_key_down},
    {&KOR::hook_key_up, &game_on_key_up},
    {&KOR::hook_mouse_move, &game_on_mouse_move},
    {&KOR::hook_focus_lost, &game_on_focus_lost},
    {&KOR::hook_focus_gained, &game_on_focus_gained},
    {&KOR::hook_shutdown, &game_on_shutdown},
    {&KOR::hook_close, &game_on_close},
};

// The game's callbacks, one for each binding; the engine's slots point at them.
std::unique_ptr<KOR::KC_CALLBACK> installed_hooks[std::size(kHooks)];

void install_hooks() {
  for (std::size_t i = 0; i < std::size(kHooks); ++i) {
    installed_hooks[i] = KOR::callback_create(kHooks[i].function, nullptr, nullptr);
    *kHooks[i].slot = installed_hooks[i].get();
  }
}

// The slots are emptied before the callbacks go, so nothing can fire a freed
// one.
void remove_hooks() {
  for (const HOOK_BINDING& h : kHooks) *h.slot = nullptr;
  for (auto& callback : installed_hooks) callback.reset();
}

void stop_running() {
  if (KOR::engine_game != nullptr) KOR::engine_game->running = 0;
}

int key_code(void* code) { return static_cast<int>(KOR::callback_arg_value(code)); }

// A game without its start-up files would only show an empty window: it
// says which file is missing or broken and ends with a failure status.
int cannot_start(const std::string& file) {
  std::fprintf(stderr, "Aquavex: the game cannot start: \"%s\" is missing or broken.\n",
               file.c_str());
  return kStartFailed;
}

// Each copy saves the whole players file from what it holds: a second copy
// on the same folder would throw away the first one's progress.
int another_copy_runs() {
  KOR::host_message_box("Aquavex",
                        "Another copy of Aquavex is already running with the same players. Play "
                        "on in that copy; this one closes so that neither overwrites the other's "
                        "progress.");
  return kStartFailed;
}

void tell_players_file_damaged(const std::string& kept_as) {
  KOR::host_message_box("Aquavex", "The players file could not be read; it is kept as \"" +
                                       kept_as + "\" and the game starts without players.");
}

// A player who finds a name changed learns why, and under which names the
// progress now is; a long list names the first few.
void tell_players_renamed(const std::vector<std::wstring>& names) {
  constexpr std::size_t kNamed = 5;
  std::string list;
  for (std::size_t i = 0; i < names.size() && i < kNamed; ++i) {
    list += (i == 0 ? "\"" : ", \"") + KOR::text_from_wtext(names[i]) + "\"";
  }
  if (names.size() > kNamed) list += " and " + std::to_string(names.size() - kNamed) + " more";
  KOR::host_message_box("Aquavex",
                        "Some player names in the players file held characters that cannot be "
                        "stored. They were left out, and a name that then equalled another took "
                        "a number: these players are now called " +
                            list + ".");
}

const bool registered = (KOR::service_register_main(&game_main), true);

}  // namespace

int game_main(void*) {
  KOR::KC_GAME_SERVICE* service = KOR::KC_GAME::fGetGame();
  KOR::engine_game = service;
  install_hooks();
  game_instance().startup_failure.clear();
  if (!lock_user_folder(kGameInfo)) {
    remove_hooks();
    return another_copy_runs();
  }
  // The first card decodes while the window and the drawing device open,
  // on a thread started once the window system is connected.
  KOR::host_video_start();
  {
    KOR::KC_RESOURCE_MANAGER startup_files;
    mount_repositories(&startup_files);
    prefetch_first_splash(startup_files);
  }
  // The loading step opens the sound device, behind the first card.
  service->open_sound_at_start = false;
  // A start that failed has said why; running on would only leave a window
  // that never shows anything.
  if (service->start("Aquavex") != 1) {
    remove_hooks();
    return kStartFailed;
  }
  service->run();
  remove_hooks();
  return game_instance().startup_failure.empty() ? kGameMainDone : kStartFailed;
}

// Runs behind the first splash card. A file missing here ends the game
// before any menu shows.
int game_load_step(KOR::KC_LOADER*) {
  // Not before the first card: the GL driver's first shader compiles churn
  // through large blocks, each a mapping of its own, and delay it.
  KOR::host_keep_large_blocks_apart();
  if (KOR::engine_sound_system != nullptr) KOR::engine_sound_system->open();
  CGame_App& app = game_instance();
  const bool listed = KOR_GF::resource_list_register(kResourceList);
  if (!listed) app.startup_failure = kResourceList;
  if (!listed || !app.load_startup_resources() || !app.load_menu_windows()) {
    stop_running();
    return cannot_start(app.startup_failure);
  }
  app.windows->refresh_all();
  game_ready = 1;
  return 1;
}

int game_on_update(void*) {
  follow_window_size();
  if (loading_screen_active) {
    if (loader_screen != nullptr) loader_screen->update();
  } else if (game_ready) {
    game_instance().update();
  }
  return 1;
}

int game_on_draw(void*) {
  if (loading_screen_active) {
    if (loader_screen != nullptr) loader_screen->draw();
  } else if (game_ready) {
    game_instance().draw();
  }
  return 1;
}

int game_on_init(void*) {
  current_level_number = 1;
  current_world_number = 1;
  KOR::engine_game->update_cap = kRateCap;
  KOR::engine_game->render_cap = kRateCap;
  if (KOR::KC_RENDER::instance != nullptr) {
    KOR::KC_RENDER::instance->clear_color = KOR::KS_COLOR(kClearColor);
  }
  mount_repositories(KOR::engine_resource_manager);
  if (!game_info_load(kGameInfo)) return cannot_start(kGameInfo);
  open_user_folder();
  KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
  players.factory = &new_player_profile;
  const std::string user_folder = user_data_dir();
  if (!user_folder.empty()) players.load(user_folder);
  if (!players.set_aside.empty()) tell_players_file_damaged(players.set_aside);
  if (!players.renamed.empty()) tell_players_renamed(players.renamed);
  apply_player_settings(players.current);
  // The loader screen runs the loading step once its first card shows.
  loader_screen = new G_LOADER_SCREEN(&game_load_step);
  loader_screen->init();
  return 1;
}

int game_on_key_down(void* code) {
  if (loading_screen_active && loader_screen != nullptr) loader_screen->next_splash();
  if (game_ready) game_instance().on_key_down(key_code(code));
  return 1;
}

int game_on_key_up(void* code) {
  if (game_ready) game_instance().on_key_up(key_code(code));
  return 1;
}

int game_on_mouse_move(void*) {
  if (game_ready) game_instance().on_mouse_move();
  return 1;
}

// A level left behind by another window waits under its pause window.
int game_on_focus_lost(void*) {
  KOR_GF::sound_manager_instance().set_mute(true);
  if (!game_ready) return 0;
  CScene_Level* level = game_instance().current_level_scene();
  if (level != nullptr && !level->paused) level->open_pause();
  return 0;
}

int game_on_focus_gained(void*) {
  KOR_GF::sound_manager_instance().set_mute(false);
  return 0;
}

int game_on_shutdown(void*) {
  game_instance().shutdown();
  KOR_GF::resource_list_unregister();
  if (KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager) {
    manager->remove_repository("xml");
    manager->remove_repository("");
    manager->unload_unused();
  }
  stop_running();
  return 1;
}

int game_on_close(void*) {
  stop_running();
  return 1;
}

}  // namespace game
