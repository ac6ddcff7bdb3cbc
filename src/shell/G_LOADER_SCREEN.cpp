#include "shell/G_LOADER_SCREEN.h"

#include <cstddef>
#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "bots/KC_BOT_COLOR.h"
#include "bots/bot_creators.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_COLOR.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/picture_prefetch.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/window_factory.h"

namespace game {

uint8_t loading_screen_active = 1;

namespace {

constexpr const char* kScreenFile = "xml screen_loading.xml";
constexpr uint32_t kFadedWhite = 0x00FFFFFF;
constexpr int kHotSpotCentre = 0;

// An opaque picture over the whole logical screen hides what lies below.
bool covers_screen(const KOR::KC_QUAD& splash) {
  const KOR::KC_TEXTURE* texture = splash.texture();
  if (texture == nullptr || !texture->opaque()) return false;
  const KOR::KS_TRANSFORM3& placed = *splash.transform();
  const float left = placed.position.x - placed.pivot.x;
  const float top = placed.position.y - placed.pivot.y;
  return left <= 0.0f && top <= 0.0f &&
         left + splash.width() >= float(KOR::auto_position_screen_width) &&
         top + splash.height() >= float(KOR::auto_position_screen_height);
}

// Each splash of the screen file whose picture exists, in file order, as
// (file, centred).
template <typename VISIT>
void visit_existing_splashes(const pugi::xml_node& list, VISIT visit) {
  for (const pugi::xml_node& splash : list.children()) {
    const std::string file = splash.child("FILE").text().as_string();
    if (KOR::KC_FILE_SYSTEM::path_type(file) != KOR::PATH_FILE) continue;
    visit(file, bool(splash.child("HOT_SPOT")));
  }
}

pugi::xml_node splash_list(const pugi::xml_document& document) {
  return document.first_child().child("splashes");
}

}  // namespace

void prefetch_first_splash(KOR::KC_RESOURCE_MANAGER& manager) {
  pugi::xml_document* document = manager.get_xml(kScreenFile);
  if (document == nullptr) return;
  bool asked = false;
  visit_existing_splashes(splash_list(*document), [&asked](const std::string& file, bool) {
    if (!asked) KOR::picture_prefetch(file);
    asked = true;
  });
  manager.release_xml(document);
}

G_LOADER_SCREEN::G_LOADER_SCREEN(JOB job) : KOR::KC_LOADER(job) {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  pugi::xml_document* document = manager ? manager->get_xml(kScreenFile) : nullptr;
  if (document == nullptr) return;
  const pugi::xml_node list = splash_list(*document);
  time_per_splash = list.attribute("time_per_splash").as_float(time_per_splash);
  time_fade = list.attribute("time_fade").as_float(time_fade);
  if (const pugi::xml_attribute back = list.attribute("back_color")) {
    KOR::KS_COLOR color;
    color.parse(back.as_string());
    make_background(color.argb());
  }
  if (KOR::KC_RENDER::instance != nullptr) {
    visit_existing_splashes(list, [this](const std::string& file, bool centred) {
      waiting_.push_back({file, centred});
    });
  }
  manager->release_xml(document);
  // The first frame shows the cards down to the first that hides the rest.
  std::size_t shown = 0;
  while (shown < waiting_.size()) {
    add_splash(waiting_[shown++]);
    if (hides_below(int(splashes.size()) - 1)) break;
  }
  waiting_.erase(waiting_.begin(), waiting_.begin() + std::ptrdiff_t(shown));
}

void G_LOADER_SCREEN::add_splash(const SPLASH_FILE& splash) {
  KOR::KC_TEXTURE* texture = KOR::KC_RENDER::instance->load_texture_file(splash.file);
  splash_textures_.push_back(texture);
  auto quad = std::make_unique<KOR::KC_QUAD>(texture, nullptr);
  if (splash.centred) quad->set_hot_spot(kHotSpotCentre);
  quad->set_position(float(KOR::auto_position_screen_width / 2),
                     float(KOR::auto_position_screen_height / 2), 0.0f);
  splashes.push_back(std::move(quad));
}

bool G_LOADER_SCREEN::hides_below(int i) const {
  return background_opaque_ || covers_screen(*splashes[i]);
}

void G_LOADER_SCREEN::load_waiting_splashes() {
  for (const SPLASH_FILE& splash : waiting_) add_splash(splash);
  waiting_.clear();
}

G_LOADER_SCREEN::~G_LOADER_SCREEN() { release_pictures(); }

// The fades point into the quads, so they go first, and the quads before
// their textures.
void G_LOADER_SCREEN::release_pictures() {
  fades.delete_all();
  splashes.clear();
  waiting_.clear();
  KOR::KC_RENDER* render = KOR::KC_RENDER::instance;
  if (render != nullptr) {
    for (KOR::KC_TEXTURE* texture : splash_textures_) render->release_texture(texture);
  }
  splash_textures_.clear();
  if (background_texture_ != nullptr) {
    background.set_texture(KOR_GF::default_texture());
    if (render != nullptr) render->release_texture(background_texture_);
    background_texture_ = nullptr;
  }
}

// A 2 × 2 texture of the colour, stretched over the whole screen.
void G_LOADER_SCREEN::make_background(uint32_t argb) {
  KOR::KC_RENDER* render = KOR::KC_RENDER::instance;
  if (render == nullptr) return;
  background_texture_ = render->create_texture(2, 2);
  background_opaque_ = background_texture_ != nullptr && argb >> 24 == 0xFF;
  const uint32_t pixels[4] = {argb, argb, argb, argb};
  render->upload_pixels(background_texture_, pixels);
  background.set_texture(background_texture_);
  const float width = float(KOR::auto_position_screen_width);
  const float height = float(KOR::auto_position_screen_height);
  background.set_size(width, height);
  background.set_position(float(KOR::auto_position_screen_width / 2),
                          float(KOR::auto_position_screen_height / 2), 0.0f);
}

// What the skipped card hid must be there to show.
void G_LOADER_SCREEN::next_splash() {
  load_waiting_splashes();
  clock = 0.0f;
  if (current >= 0 && current < int32_t(splashes.size())) {
    fades.add(KOR::bot_create_color(splashes[current].get(), time_fade, kFadedWhite, 0.0f));
  }
  ++current;
}

// The loading step waits until the first card has been drawn, so the game
// shows itself at once and the step's time passes under that card; without
// a card to show it runs at once. A failed step opens nothing: the game is
// ending.
int32_t G_LOADER_SCREEN::update() {
  if (drawn_) load_waiting_splashes();
  const int32_t count = int32_t(splashes.size());
  if (!loading_done_ && (drawn_ || current >= count)) {
    loading_done_ = true;
    loaded_ = job == nullptr || job(this) == 1;
  }
  fades.update();
  if (current < count) {
    clock += KOR::frame_dt;
    if (clock >= time_per_splash) next_splash();
    return 0;
  }
  if (!loaded_) return 0;
  // The screen is never drawn again: its pictures go.
  loading_screen_active = 0;
  release_pictures();
  show_title_screen();
  window_manager_instance().update();
  return 0;
}

// Once every splash is done, the windows lie below the last fading one.
// Then the last splash first, each opaque one over the background. What an
// opaque splash hides is never seen: drawing starts at the topmost one that
// hides all below it, no background goes under a splash whose own picture
// covers the screen, and splashes faded out are skipped.
int32_t G_LOADER_SCREEN::draw() {
  drawn_ = true;
  const auto alpha = [this](int i) { return splashes[i]->vertex_color(0) >> 24; };
  const auto covers = [this](int i) { return covers_screen(*splashes[i]); };
  const int count = int(splashes.size());
  if (current >= count) window_manager_instance().draw();
  int first = count - 1;
  for (int i = 0; i < count; ++i) {
    if (alpha(i) == 0xFF && hides_below(i)) {
      first = i;
      break;
    }
  }
  for (int i = first; i >= 0; --i) {
    if (alpha(i) == 0xFF && !covers(i)) background.draw();
    if (alpha(i) != 0) splashes[i]->draw();
  }
  return 0;
}

void show_title_screen() {
  game_instance().show_title();
  KOR_GF::sound_manager_instance().play("music_title", true, 0.0f, 0.0f);
}

}  // namespace game
