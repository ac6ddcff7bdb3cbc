#include "support/wave_device.h"

#include <stdlib.h>

#include <cstring>
#include <fstream>
#include <iterator>

namespace test_support {

void use_wave_device(const std::filesystem::path& wave) {
  const std::filesystem::path config = wave.parent_path() / "alsoft.conf";
  std::ofstream(config) << "[general]\ndrivers = wave\nfrequency = 44100\nchannels = stereo\n"
                           "sample-type = int16\n[wave]\nfile = "
                        << wave.string() << "\n";
  setenv("ALSOFT_CONF", config.c_str(), 1);
  setenv("ALSOFT_DRIVERS", "wave", 1);
}

WAVE_FILE read_wave(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
  WAVE_FILE wave;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    std::uint32_t size = 0;
    std::memcpy(&size, &bytes[at + 4], 4);
    if (std::memcmp(&bytes[at], "data", 4) == 0) {
      wave.data_offset = at + 8;
      wave.samples.resize((bytes.size() - wave.data_offset) / 2);
      std::memcpy(wave.samples.data(), &bytes[wave.data_offset], wave.samples.size() * 2);
      return wave;
    }
    at += 8 + size;
  }
  return wave;
}

}  // namespace test_support
