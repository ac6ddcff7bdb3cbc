#include "platform/text_format_wide.h"

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

namespace KOR {

namespace {

bool is_digit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Reads decimal digits, never beyond `cap`: no field can be wider than the
// destination, and a huge number must not overflow.
int read_number(const wchar_t*& p, int cap) {
  int n = 0;
  for (; is_digit(*p); ++p) n = std::min(n * 10 + static_cast<int>(*p - L'0'), cap);
  return n;
}

class Output {
 public:
  Output(wchar_t* destination, int capacity) : dest_(destination), limit_(capacity - 1) {
    dest_[0] = 0;
  }

  // False once the destination is full, which ends the formatting.
  bool put(wchar_t c) {
    if (pos_ >= limit_) return false;
    dest_[pos_++] = c;
    return true;
  }
  bool put_repeated(wchar_t c, int count) {
    for (int k = 0; k < count; ++k)
      if (!put(c)) return false;
    return true;
  }
  template <class It>
  bool put_range(It first, It last) {
    for (; first != last; ++first)
      if (!put(static_cast<wchar_t>(*first))) return false;
    return true;
  }

  int pos() const { return pos_; }
  void terminate_at(int pos) { dest_[pos] = 0; }
  int finish() {
    dest_[pos_] = 0;
    return pos_;
  }

 private:
  wchar_t* dest_;
  int limit_;
  int pos_ = 0;
};

struct Conversion {
  bool zero_fill = false;
  int width = 0;
  int precision = -1;
};

bool put_integer(Output& out, const Conversion& c, long long value) {
  unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value)
                                           : static_cast<unsigned long long>(value);
  wchar_t digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  const int sign = value < 0 ? 1 : 0;
  const int fill = std::max(0, c.width - n - sign);
  if (!c.zero_fill && !out.put_repeated(L' ', fill)) return false;
  if (sign && !out.put(L'-')) return false;
  if (c.zero_fill && !out.put_repeated(L'0', fill)) return false;
  while (n > 0)
    if (!out.put(digits[--n])) return false;
  return true;
}

bool put_double(Output& out, const Conversion& c, double value) {
  const char* format = c.zero_fill ? "%0*.*f" : "%*.*f";
  const int precision = c.precision < 0 ? 6 : c.precision;
  const int length = std::snprintf(nullptr, 0, format, c.width, precision, value);
  if (length < 0) return true;
  std::string text(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, c.width, precision, value);
  return out.put_range(text.begin(), text.begin() + length);
}

bool put_string(Output& out, const Conversion& c, const wchar_t* s) {
  const int length = static_cast<int>(std::wcslen(s));
  return out.put_repeated(L' ', std::max(0, c.width - length)) && out.put_range(s, s + length);
}

}  // namespace

int text_format_wide(wchar_t* destination, int capacity, const wchar_t* format,
                     std::span<const KS_FORMAT_ARG> args) {
  if (capacity <= 0 || !format || !destination) return 0;
  Output out(destination, capacity);
  size_t next = 0;
  const wchar_t* p = format;
  while (*p) {
    if (*p != L'%') {
      if (!out.put(*p++)) break;
      continue;
    }
    if (p[1] == L'%') {
      if (!out.put(L'%')) break;
      p += 2;
      continue;
    }
    const wchar_t* start = p++;
    const int begun = out.pos();
    out.terminate_at(begun);
    Conversion c;
    if (*p == L'0') {
      c.zero_fill = true;
      ++p;
    }
    c.width = read_number(p, capacity);
    if (*p == L'.') {
      ++p;
      c.precision = read_number(p, capacity);
    }
    if (*p == L'l') ++p;
    if (!*p) break;
    const wchar_t letter = *p++;
    KS_FORMAT_ARG::Kind wanted;
    switch (letter) {
      case L'd':
      case L'i':
        wanted = KS_FORMAT_ARG::Kind::Int;
        break;
      case L'f':
        wanted = KS_FORMAT_ARG::Kind::Double;
        break;
      case L's':
        wanted = KS_FORMAT_ARG::Kind::String;
        break;
      default:
        if (!out.put(letter)) return out.finish();
        continue;
    }
    // A missing or mismatched argument is never reinterpreted: the
    // conversion is shown as written, and a mismatched argument used up.
    if (next >= args.size() || args[next].kind != wanted) {
      if (next < args.size()) ++next;
      if (!out.put_range(start, p)) break;
      continue;
    }
    const KS_FORMAT_ARG& arg = args[next++];
    bool room = true;
    if (wanted == KS_FORMAT_ARG::Kind::Int) {
      room = put_integer(out, c, arg.i);
    } else if (wanted == KS_FORMAT_ARG::Kind::Double) {
      room = put_double(out, c, arg.f);
    } else if (!arg.s) {
      out.terminate_at(begun);
      return 0;
    } else {
      room = put_string(out, c, arg.s);
    }
    if (!room) break;
  }
  return out.finish();
}

}  // namespace KOR
