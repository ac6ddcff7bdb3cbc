#include <fstream>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_picture.h"
#include "render/picture_prefetch.h"

namespace KOR {

KC_TEXTURE* KC_RENDER::create_texture(int width, int height) {
  if (device == nullptr || !device_ready) return nullptr;
  GPU_TEXTURE* handle = device->create_texture(width, height, GPU_PIXELS::BGRA);
  if (handle == nullptr) return nullptr;
  return keep_texture(handle, width, height);
}

KC_TEXTURE* KC_RENDER::load_texture_file(const std::string& path) {
  GPU_PICTURE picture;
  if (picture_take_prefetched(path, &picture)) return texture_from_picture(picture);
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  return load_texture_memory(bytes.data(), bytes.size());
}

KC_TEXTURE* KC_RENDER::load_texture_memory(const void* bytes, size_t count) {
  GPU_PICTURE picture;
  if (device != nullptr && device_ready) decode_picture(bytes, count, &picture);
  return texture_from_picture(picture);
}

KC_TEXTURE* KC_RENDER::texture_from_picture(const GPU_PICTURE& picture) {
  GPU_TEXTURE* handle =
      device != nullptr && device_ready ? device->texture_from_picture(picture) : nullptr;
  if (handle == nullptr) {
    if (default_texture == nullptr) host_message_box("error", "defaultTexture not exist!!!");
    return default_texture;
  }
  return keep_texture(handle, picture.width, picture.height);
}

KC_TEXTURE* KC_RENDER::keep_texture(GPU_TEXTURE* handle, int width, int height) {
  auto texture = std::make_unique<KC_TEXTURE>();
  texture->texture = handle;
  texture->image_size = KS_IVECTOR2(width, height);
  KC_TEXTURE* kept = texture.get();
  textures[handle] = std::move(texture);
  return kept;
}

void KC_RENDER::delete_texture_record(KC_TEXTURE* texture) {
  GPU_TEXTURE* handle = texture->texture;
  if (device != nullptr) device->release_texture(handle);
  textures.erase(handle);
}

void KC_RENDER::release_texture(KC_TEXTURE* texture) {
  if (texture == nullptr || texture == default_texture) return;
  if (default_texture != nullptr && texture->texture == default_texture->texture) return;
  if (current_texture == texture) {
    flush();
    current_texture = nullptr;
  }
  delete_texture_record(texture);
}

bool KC_RENDER::upload_pixels(KC_TEXTURE* texture, const void* pixels) {
  if (texture == nullptr || pixels == nullptr || device == nullptr) return false;
  return device->upload(texture->texture, pixels);
}

void* KC_RENDER::lock_texture(KC_TEXTURE* texture) {
  if (texture == nullptr || device == nullptr) return nullptr;
  return device->lock(texture->texture);
}

bool KC_RENDER::unlock_texture(KC_TEXTURE* texture) {
  if (texture == nullptr || device == nullptr) return false;
  return device->unlock(texture->texture);
}

}  // namespace KOR
