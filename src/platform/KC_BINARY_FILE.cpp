#include "platform/KC_BINARY_FILE.h"

namespace KOR {

KC_BINARY_FILE::~KC_BINARY_FILE() { close(); }

bool KC_BINARY_FILE::open(const std::string& path) {
  close();
  const auto mode = std::ios::in | std::ios::out | std::ios::binary;
  stream.open(path, mode);
  if (!stream.is_open()) {
    stream.clear();
    stream.open(path, mode | std::ios::trunc);
  }
  is_open = stream.is_open() ? 1 : 0;
  return is_open != 0;
}

void KC_BINARY_FILE::close() {
  if (stream.is_open()) stream.close();
  is_open = 0;
}

void KC_BINARY_FILE::read(void* buffer, size_t count) {
  if (is_open == 0) return;
  stream.read(static_cast<char*>(buffer), static_cast<std::streamsize>(count));
}

void KC_BINARY_FILE::read_string(std::string& text) {
  if (is_open == 0) return;
  uint32_t count = 0;
  read_value(count);
  // The stored count is trusted only as far as the file reaches: a damaged
  // count must not ask for gigabytes.
  const std::streampos at = stream.tellg();
  stream.seekg(0, std::ios::end);
  const std::streamoff left = stream.tellg() - at;
  stream.seekg(at);
  if (!stream || static_cast<std::streamoff>(count) > left) {
    stream.setstate(std::ios::failbit);
    return;
  }
  text.assign(count, '\0');
  read(text.data(), count);
}

void KC_BINARY_FILE::write(const void* buffer, size_t count) {
  if (is_open == 0) return;
  stream.write(static_cast<const char*>(buffer), static_cast<std::streamsize>(count));
}

void KC_BINARY_FILE::write_string(const std::string& text) {
  if (is_open == 0) return;
  write_value(static_cast<uint32_t>(text.size()));
  write(text.data(), text.size());
}

void KC_BINARY_FILE::end_line() {
  if (is_open == 0) return;
  stream.put('\n');
  stream.flush();
}

}  // namespace KOR
