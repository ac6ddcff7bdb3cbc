#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace test_support {

// Sends this process's sound to OpenAL Soft's wave-file device: 44100 Hz,
// stereo, 16-bit, written into `wave`, in real time, from the device's
// opening to its closing. OpenAL reads its configuration once, at its first
// use in a process, so this must come before it; the configuration file is
// written beside the wave file.
void use_wave_device(const std::filesystem::path& wave);

// A wave file as the device writes it; a file still being written reads
// up to where it stands.
struct WAVE_FILE {
  // Where the samples start in the file; 0 when it has no data chunk.
  std::size_t data_offset = 0;
  // Interleaved left and right samples.
  std::vector<std::int16_t> samples;
};

WAVE_FILE read_wave(const std::filesystem::path& path);

}  // namespace test_support
