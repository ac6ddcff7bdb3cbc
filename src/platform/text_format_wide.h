#pragma once

#include <concepts>
#include <cstddef>
#include <span>
#include <string>

namespace KOR {

// One typed argument of the wide formatter. Holding the kind lets the
// formatter check each conversion against what it was actually given.
struct KS_FORMAT_ARG {
  enum class Kind { Int, Double, String };

  template <std::integral T>
  KS_FORMAT_ARG(T value) : kind(Kind::Int), i(static_cast<long long>(value)) {}
  template <std::floating_point T>
  KS_FORMAT_ARG(T value) : kind(Kind::Double), f(static_cast<double>(value)) {}
  KS_FORMAT_ARG(const wchar_t* value) : kind(Kind::String), s(value) {}
  KS_FORMAT_ARG(std::nullptr_t) : kind(Kind::String), s(nullptr) {}
  KS_FORMAT_ARG(const std::wstring& value) : kind(Kind::String), s(value.c_str()) {}

  Kind kind;
  long long i = 0;
  double f = 0.0;
  const wchar_t* s = nullptr;
};

// printf-like formatting of d, i, f and s conversions into `destination`,
// never past `capacity` units (terminator included). Returns the units
// written before the terminator. A conversion without an argument of its
// kind is copied as text; a null string for s stops with the result 0.
int text_format_wide(wchar_t* destination, int capacity, const wchar_t* format,
                     std::span<const KS_FORMAT_ARG> args);

template <class... Args>
int text_format_wide_args(wchar_t* destination, int capacity, const wchar_t* format,
                          const Args&... args) {
  // The extra element keeps the array non-empty when no argument is given.
  const KS_FORMAT_ARG list[] = {KS_FORMAT_ARG(args)..., KS_FORMAT_ARG(0)};
  return text_format_wide(destination, capacity, format,
                          std::span<const KS_FORMAT_ARG>(list, sizeof...(Args)));
}

}  // namespace KOR
