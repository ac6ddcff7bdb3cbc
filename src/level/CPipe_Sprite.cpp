#include "level/CPipe_Sprite.h"

#include <filesystem>
#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_TRANSFORM3.h"

namespace game {

namespace {

constexpr const char* kAtlasFile = "xml/atlas/game_elements_atlas.xml";
constexpr const char* kAtlasImage = "graphics/main game_elements_atlas.png";

// The atlas as last read, kept while its file stays the same: the
// completion previews remake their pictures every frame.
struct PIPE_ATLAS {
  std::string key;
  pugi::xml_document document;
  pugi::xml_node images;
};

// Where the file is, when it was written and how long it is; empty when
// it cannot be had.
std::string atlas_key() {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(kAtlasFile, error);
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::string();
  const auto size = std::filesystem::file_size(path, error);
  if (error) return std::string();
  return path.string() + '|' + std::to_string(written.time_since_epoch().count()) + '|' +
         std::to_string(size);
}

const pugi::xml_node& pipe_atlas() {
  static PIPE_ATLAS atlas;
  const std::string key = atlas_key();
  if (key.empty() || key != atlas.key) {
    atlas.images = load_atlas(atlas.document, kAtlasFile);
    atlas.key = key;
  }
  return atlas.images;
}

}  // namespace

// A missing atlas file or item gives an empty 0 x 0 picture. Without a resource manager the picture
// is a bare quad, so the piece can still be placed and turned.
void CPipe_Sprite::make_quad() {
  const pugi::xml_node& images = pipe_atlas();
  std::string id = "main_elements_pipes_pipe" + std::to_string(pipe_type_);
  if (bonus_) id += "_bonus";
  quad_.reset(atlas_sprite(images, id, kAtlasImage, KOR::HS_MID, kAtlasInset, kAtlasInset));
  if (quad_ == nullptr) {
    quad_.reset(new KOR::KC_QUAD());
    quad_->copy_transform(KOR::KS_TRANSFORM3());
    quad_->set_color(kWhite);
  }
  quad_->set_position(0.0f, 0.0f, 0.0f);
}

void CPipe_Sprite::load_sprite(int type) {
  destroy();
  pipe_type_ = type == 0 ? 1 : type;
  bonus_ = 0;
  make_quad();
}

void CPipe_Sprite::set_type(int type) { load_sprite(type); }

void CPipe_Sprite::set_bonus(uint8_t flag) {
  if (flag != bonus_) load_sprite_bonus(pipe_type_, flag);
}

void CPipe_Sprite::load_sprite_bonus(int type, uint8_t flag) {
  const KOR::KS_VECTOR2 at = position();
  const float rotation = quad_ ? quad_->transform()->rotation.z : 0.0f;
  const float kept_scale = scale();
  destroy();
  if (type != 0) pipe_type_ = type;
  bonus_ = flag;
  make_quad();
  quad_->set_position(at.x, at.y, 0.0f);
  quad_->set_rotation(rotation);
  set_scale(kept_scale);
}

void CPipe_Sprite::destroy() { quad_.reset(); }

// Single-precision constants and arithmetic, so the quarter angles read back
// exactly.
int CPipe_Sprite::angle_degrees() const {
  if (quad_ == nullptr) return 0;
  const float degrees = quad_->transform()->rotation.z * 57.295776f;
  return int(degrees);
}

void CPipe_Sprite::set_angle_degrees(float degrees) {
  if (quad_) quad_->set_rotation(degrees * 0.017453292f);
}

void CPipe_Sprite::rotate_90() {
  if (quad_ == nullptr) return;
  const float degrees = quad_->transform()->rotation.z * 57.295776f + 90.0f;
  set_angle_degrees(float(int(degrees) % 360));
}

KOR::KS_VECTOR2 CPipe_Sprite::position() const {
  return quad_ ? quad_->transform()->position_xy() : KOR::KS_VECTOR2{};
}

void CPipe_Sprite::set_position(float x, float y) {
  if (quad_) quad_->set_position(x, y, 0.0f);
}

void CPipe_Sprite::move_by(float dx, float dy) {
  const KOR::KS_VECTOR2 at = position();
  set_position(at.x + dx, at.y + dy);
}

float CPipe_Sprite::scale() const { return quad_ ? quad_->scale_x() : 1.0f; }

void CPipe_Sprite::set_scale(float scale) {
  if (quad_) quad_->set_scale(scale, scale, 1.0f);
}

void CPipe_Sprite::tint(uint32_t argb) {
  stored_color_ = argb;
  apply_color();
}

void CPipe_Sprite::hide() {
  if (quad_) quad_->set_color(stored_color_ & 0x00FFFFFFu);
}

void CPipe_Sprite::apply_color() {
  if (quad_) quad_->set_color(stored_color_);
}

uint32_t CPipe_Sprite::color() const { return quad_ ? quad_->vertex_color(0) : 0u; }

bool CPipe_Sprite::fly(float dt, KOR::KS_VECTOR2 end) {
  flight_time_ += dt;
  const float f = flight_time_ / flight_duration_;
  // A flight of no length (0 / 0) is over at once.
  if (!(f < 1.0f)) return true;
  set_position(flight_start_.x + f * (end.x - flight_start_.x),
               flight_start_.y + f * (end.y - flight_start_.y));
  return false;
}

void CPipe_Sprite::draw() const {
  if (quad_) quad_->draw();
}

}  // namespace game
