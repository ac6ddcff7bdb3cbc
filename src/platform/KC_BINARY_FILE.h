#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

namespace KOR {

// A file of raw 4-byte values and length-prefixed texts, read and written
// through one stream. Every operation but open and close does nothing while
// the file is not open.
class KC_BINARY_FILE {
 public:
  KC_BINARY_FILE() = default;
  ~KC_BINARY_FILE();

  // Opens an existing file keeping its contents, else creates it.
  bool open(const std::string& path);
  void close();

  void read(void* buffer, size_t count);
  void read_value(int32_t& value) { read(&value, sizeof value); }
  void read_value(uint32_t& value) { read(&value, sizeof value); }
  void read_value(float& value) { read(&value, sizeof value); }
  void read_string(std::string& text);

  void write(const void* buffer, size_t count);
  void write_value(int32_t value) { write(&value, sizeof value); }
  void write_value(uint32_t value) { write(&value, sizeof value); }
  void write_value(float value) { write(&value, sizeof value); }
  void write_string(const std::string& text);
  void end_line();

  uint8_t is_open = 0;

 private:
  std::fstream stream;
};

}  // namespace KOR
