#include "foundation/value_text.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "foundation/text_utilities.h"

namespace KOR {

namespace {

float read_part(const std::string& part, float*) { return value_text_float(part); }
int read_part(const std::string& part, int*) { return value_text_int(part); }

template <class T>
bool read_values(const std::string& text, std::initializer_list<T*> values) {
  const std::vector<std::string> parts = value_text_parts(text);
  if (parts.size() < values.size()) return false;
  size_t i = 0;
  for (T* value : values) *value = read_part(parts[i++], value);
  return true;
}

// The format prints one value; the buffer gets what fits of the whole text.
template <class T>
const char* write_values(char* buffer, size_t size, std::initializer_list<T> values,
                         const char* format) {
  std::string text;
  char part[64];
  for (T value : values) {
    if (!text.empty()) text += ' ';
    std::snprintf(part, sizeof part, format, value);
    text += part;
  }
  const size_t length = std::min(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return buffer;
}

}  // namespace

std::vector<std::string> value_text_parts(const std::string& text) {
  std::string scratch = text;
  return text_split(scratch, ' ', true);
}

float value_text_float(const std::string& part) {
  return static_cast<float>(std::strtod(part.c_str(), nullptr));
}

int value_text_int(const std::string& part) {
  const long long v = std::strtoll(part.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

bool value_text_read(const std::string& text, std::initializer_list<float*> values) {
  return read_values(text, values);
}

bool value_text_read(const std::string& text, std::initializer_list<int*> values) {
  return read_values(text, values);
}

const char* value_text_write(char* buffer, size_t size, std::initializer_list<float> values) {
  return write_values(buffer, size, values, "%.3f");
}

const char* value_text_write(char* buffer, size_t size, std::initializer_list<int> values) {
  return write_values(buffer, size, values, "%.3i");
}

}  // namespace KOR
