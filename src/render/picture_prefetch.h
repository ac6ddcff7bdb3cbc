#pragma once

#include <string>

namespace KOR {

struct GPU_PICTURE;

// Reads and decodes a picture file on a thread of its own, so that its
// decoding overlaps what the program does meanwhile: at start, opening the
// window and the drawing device. One picture is held at a time; a later call
// replaces it. The path is taken as load_texture_file will be given it.
void picture_prefetch(const std::string& path);

// The picture prefetched for that path, once its decoding is done; false
// (and `out` untouched) when none was asked for it or it did not decode.
// Each prefetch is taken once.
bool picture_take_prefetched(const std::string& path, GPU_PICTURE* out);

}  // namespace KOR
