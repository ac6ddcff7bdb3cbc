#include "resources/KC_RESOURCE.h"

#include <pugixml.hpp>

#include "platform/KC_FILE_SYSTEM.h"
#include "render/KC_RENDER.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"

namespace KOR {

KC_RESOURCE::KC_RESOURCE(const std::string& path) {
  const size_t slash = path.rfind('/');
  const size_t k = slash == std::string::npos ? 0 : slash + 1;
  if (k == path.size()) {
    name = path;
  } else {
    name = path.substr(k);
    folder = path.substr(0, k);
  }
}

bool KC_RESOURCE::release() {
  if (ref_count > 0 || loaded == 0) return false;
  switch (kind) {
    case RESOURCE_TEXTURE:
      // The renderer keeps its default texture, which failed loads hand out.
      if (KC_RENDER::instance != nullptr) {
        KC_RENDER::instance->release_texture(static_cast<KC_TEXTURE*>(data));
      }
      break;
    case RESOURCE_SOUND:
      release_sound();
      break;
    case RESOURCE_XML:
      delete static_cast<pugi::xml_document*>(data);
      break;
    case RESOURCE_FILE:
      KC_FILE_SYSTEM::close_file(this);
      break;
    default:
      KC_FILE_SYSTEM::free_bytes(this);
      break;
  }
  kind = RESOURCE_NONE;
  size = 0;
  ref_count = 0;
  data = nullptr;
  loaded = 0;
  return true;
}

void KC_RESOURCE::release_sound() {
  // The bytes are freed only once the sound system has destroyed the stream
  // decoding from them; a stream it does not know may still be reading.
  KC_SOUND_SYSTEM* sound = KC_SOUND_SYSTEM::instance;
  if (sound == nullptr) return;
  auto* stream = static_cast<KC_SOUND_STREAM*>(data);
  const unsigned char* bytes = stream->memory.bytes;
  if (sound->release_sound(stream) == 1) delete[] bytes;
}

bool KC_RESOURCE::mark_unload() {
  unload_mark = 1;
  return loaded == 0;
}

bool KC_RESOURCE::drop_ref() {
  if (ref_count > 0) --ref_count;
  return ref_count <= 0;
}

}  // namespace KOR
