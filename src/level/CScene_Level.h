#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_VECTOR2.h"
#include "framework/CScene.h"
#include "puzzle/CLevel_FieldOwner.h"
#include "puzzle/CShop_Item.h"

namespace KOR_GF {
class G_WINDOW;
class G_WINDOW_MANAGER;
}  // namespace KOR_GF

namespace game {

class CEffect_BonusList;
class CEffect_ExplosionList;
class CLevel_Data;
class CLevel_Field;
class CLevel_Press;
class CLevel_Tape;
class CLevel_Tutorial;
class CPipe_Sprite;

// Pieces dropped on the board from the hand; the tutorial counts them.
extern int32_t placed_piece_count;

// Whether (x, y) lies in the width x height rectangle centred on
// (centre_x, centre_y), its edges included.
bool point_in_centered_rect(float x, float y, float centre_x, float centre_y, float width,
                            float height);

// The level's result as the finish window shows it.
struct CLevel_Result {
  int32_t money_total = 0;
  int32_t money_collected = 0;
  int32_t score = 0;
  int32_t record = 0;
  int32_t stars = 0;
  int32_t bonus_uses = 0;
  int32_t press_uses = 0;
};

// The level scene: the hub of one played level, from the intro scroll to the
// result. It owns the level, the board, tape, press, effects, the piece in
// the hand and three window managers of its own (HUD, bottom panel, pack
// close-up); it hears what happens on the board and tells the board, tape
// and press the current player's shop levels.
class CScene_Level : public KOR_GF::CScene, public CLevel_FieldOwner, public CShop_Levels {
 public:
  enum { STATE_PLAY = 0, STATE_INTRO = 1, STATE_WON = 2, STATE_PACK_CLOSEUP = 3 };
  enum { BONUS_NONE = 0, BONUS_COMPLETION = 1, BONUS_DESTRUCTION = 2 };

  CScene_Level();
  CScene_Level(const CScene_Level&) = delete;
  CScene_Level& operator=(const CScene_Level&) = delete;
  ~CScene_Level() override;

  // Loads level current_level_number. A level the reader refuses leaves
  // the scene unstarted: the caller asks start_failed() and drops it.
  void start() override;
  void restart() override;
  void update() override;
  void draw() override;
  void mouse_move() override;
  void key_down(int code) override;
  void key_up(int code) override;
  void load_resources() override;
  void release_resources() override;
  virtual void pause() { paused = 1; }
  virtual void resume() { paused = 0; }

  // Why the last start or restart could not read its level; empty when it
  // could.
  const std::string& start_failed() const { return load_error_; }

  // States.
  void level_won(bool won);
  void open_pause();
  void relayout(int old_screen_width);
  void end_tutorial();
  KOR::KS_VECTOR2 first_tape_piece_position() const;
  void set_press_lock(bool on) { press_lock = on; }
  void set_tape_lock(bool on) { tape_lock = on; }
  void set_destruction_lock(bool on) { destruction_lock = on; }
  void set_completion_lock(bool on);
  void on_shop_purchase(int item);
  // Sets current_level_number and starts that level through the
  // application, which may restart or drop the running scene: static, so
  // nothing of a scene is touched afterwards.
  static void start_level_number(int n);
  // Whether level n lies as a loose file "xml/Levels/level_<n>.xml" below
  // the current folder.
  static bool level_file_exists(int n);
  // The water starts at once and the board scrolls to its end.
  void start_water_with_end_scroll();
  // Moves the effects with the board.
  void spawn_effects(float dx, float dy);
  // Credits coins collected in this level.
  void add_money(int amount);

  // Input.
  void follow_pointer();

  // Bonuses.
  void set_bonus_mode(int mode);
  void bonus_command(int command);
  void apply_completion_bonus();
  void choose_destruction_target(int x, int y);
  void choose_completion_target(int x, int y);
  void change_bonus_count(bool spend);
  void reset_destruction_target();
  void hide_bonus_buttons();
  void refresh_hud_counts();
  int max_completion_bonuses() const;
  int max_destruction_bonuses() const;

  // Scoring and trophies.
  void score_level();
  void add_trophy_progress(int n, int amount);
  void set_trophy_progress(int n, int value);
  // Trophy n has climbed from `from_rank` to `rank` in one step: the money
  // of every rank climbed is paid, and one pop-up shows the new rank.
  void show_trophy_reward(int n, int from_rank, int rank);
  int trophy_progress(int n) const;
  void time_trophy_popup();

  // Windows.
  void open_shop();
  static void close_shop();
  // Ends the level once the water has filled the network: the finish
  // window with the result.
  void finish_level();
  // Shows the close-up picture of the pack after a fifth level.
  void open_pack_closeup();
  // The pack's close-up window closes and its textures are given back.
  void close_pack_closeup();
  void hide_interface();
  void close_hud_windows();
  void reset_hud_positions();

  void board_scrolled(float dx, float dy) override;
  bool tutorial_running() const override;
  void tutorial_scrolled(float dy, bool ended) override;
  void effect_at_cell(unsigned kind, float x, float y) override;
  // The current player gets the coins and, outside the tutorial's coin
  // step, a record of the cell; the level counts them.
  void money_taken(int x, int y, int amount) override;
  bool level_won() const override { return state == STATE_WON; }
  void level_finished() override { finish_level(); }
  void pack_closeup_due() override { open_pack_closeup(); }
  int shop_level(CShop_Item item) const override;

  KOR_GF::G_WINDOW_MANAGER& hud_windows() { return *hud_windows_; }
  KOR_GF::G_WINDOW_MANAGER& bottom_windows() { return *bottom_windows_; }
  KOR_GF::G_WINDOW_MANAGER& closeup_windows() { return *closeup_windows_; }

  uint8_t paused = 0;
  int32_t state = STATE_INTRO;
  std::unique_ptr<CLevel_Data> level;
  std::unique_ptr<CLevel_Field> field;
  std::unique_ptr<CLevel_Press> press;
  // The piece in the hand; in completion mode the grey preview piece.
  std::unique_ptr<CPipe_Sprite> held_piece;
  uint8_t holding = 0;
  int32_t bonus_mode = BONUS_NONE;
  int32_t level_clock = 0;
  int32_t completion_uses = 0;
  int32_t destruction_uses = 0;
  int32_t press_crushes = 0;
  uint8_t destruction_target_chosen = 0;
  uint8_t completion_target_chosen = 0;
  KOR::KS_IVECTOR2 destruction_target{-1, -1};
  KOR::KS_IVECTOR2 completion_target{-1, -1};
  int32_t water_timer = 0;
  CLevel_Result result;
  std::unique_ptr<CEffect_ExplosionList> explosions;
  std::unique_ptr<CEffect_BonusList> bonuses;
  std::unique_ptr<CLevel_Tutorial> tutorial;
  std::unique_ptr<CLevel_Tape> tape;
  uint8_t press_lock = 0;
  uint8_t tape_lock = 0;
  uint8_t completion_lock = 0;
  uint8_t destruction_lock = 0;

 private:
  // Reads level current_level_number into `level`; false (and the reason
  // kept) when the reader refuses it.
  bool load_level();
  void clear_play_state();
  void grant_tutorial_bonuses() const;
  void reset_result();
  void advance_level_clock();
  void count_down_water(float elapsed_ms);
  void guide_tutorial();
  void end_intro();
  // The click of the left button at (x, y).
  void click(float x, float y);
  void click_empty_handed(float x, float y);
  void click_holding(float x, float y);
  void choose_target(int x, int y);
  void place_held_piece(float x, float y);
  // The angle at which the piece would be laid on the cell under (x, y):
  // its own, else the first quarter turn that fits; -1 when none fits.
  int fitting_angle(CPipe_Sprite* piece, float x, float y);
  void reward_piece(const CPipe_Sprite& piece, float x, float y);
  // What a completion piece just dropped on the open connection whose
  // centre is (x, y) gives, by the place button or by a click in
  // completion mode; the preview may be gone afterwards.
  void fill_completion(float x, float y, bool by_button);
  void connect_equipment(bool every_join);
  void developer_key(int code);
  void pay_points(int points, float x, float y);
  bool in_tape_area(float x, float y) const;
  bool in_press_area(float x, float y) const;

  // A window of the HUD or the bottom panel by name; null when unknown.
  KOR_GF::G_WINDOW* hud_window(const char* name) const;
  KOR_GF::G_WINDOW* bottom_window(const char* name) const;
  void reset_inscription() const;
  // The close-up window of the pack that ends with this level.
  static std::string closeup_name();
  void set_star_times() const;

  std::string load_error_;
  std::unique_ptr<KOR_GF::G_WINDOW_MANAGER> hud_windows_;
  std::unique_ptr<KOR_GF::G_WINDOW_MANAGER> bottom_windows_;
  std::unique_ptr<KOR_GF::G_WINDOW_MANAGER> closeup_windows_;
};

}  // namespace game
