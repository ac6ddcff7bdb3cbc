#include "foundation/text_utilities.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <sstream>

namespace KOR {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_code_point(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

void append_utf8(std::string& out, char32_t c) {
  if (!is_code_point(c)) c = kReplacement;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one character at `i` and moves past it; a malformed sequence gives
// U+FFFD and moves past its first byte only, so no byte is read twice or skipped.
char32_t next_utf8(const std::string& s, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char lead = byte(i);
  size_t extra;
  char32_t c;
  if (lead < 0x80) {
    ++i;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    c = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    c = lead & 0x07;
  } else {
    ++i;
    return kReplacement;
  }
  if (i + extra >= s.size()) {
    ++i;
    return kReplacement;
  }
  for (size_t k = 1; k <= extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return kReplacement;
    }
    c = (c << 6) | (byte(i + k) & 0x3F);
  }
  static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[extra] || !is_code_point(c)) {
    ++i;
    return kReplacement;
  }
  i += extra + 1;
  return c;
}

}  // namespace

int text_count_spaces(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), ' '));
}

void text_forward_slashes(std::string& text) { std::replace(text.begin(), text.end(), '\\', '/'); }

std::vector<std::string> text_split(std::string& text, char separator, bool drop_separator) {
  std::vector<std::string> parts;
  text_split_into(text, separator, parts, drop_separator);
  return parts;
}

void text_split_into(std::string& text, char separator, std::vector<std::string>& parts,
                     bool drop_separator) {
  while (!text.empty()) {
    const size_t at = text.find(separator);
    if (at == std::string::npos) {
      parts.push_back(text);
      return;
    }
    parts.push_back(text.substr(0, drop_separator ? at : at + 1));
    text.erase(0, at + 1);
  }
}

std::string text_from_int(int value) { return std::to_string(value); }

std::wstring wtext_from_int(int value) { return std::to_wstring(value); }

std::wstring wtext_hex_from_int(int value) {
  std::wostringstream out;
  out << std::hex << static_cast<uint32_t>(value);
  return out.str();
}

std::wstring wtext_from_float(float value) {
  std::wostringstream out;
  out << value;
  return out.str();
}

int int_from_text(const std::string& text) {
  std::istringstream in(text);
  int value = 0;
  in >> value;
  return in.fail() ? 0 : value;
}

unsigned int uint_from_hex_text(const std::string& text) {
  std::istringstream in(text);
  unsigned int value = 0;
  in >> std::hex >> value;
  return in.fail() ? 0 : value;
}

float float_from_wtext(std::wstring text) {
  std::wistringstream in(std::move(text));
  float value = 0.0f;
  in >> value;
  return in.fail() ? 0.0f : value;
}

std::string text_from_wtext(const std::wstring& text) {
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) append_utf8(out, static_cast<char32_t>(c));
  return out;
}

std::wstring wtext_from_text(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) out += static_cast<wchar_t>(next_utf8(text, i));
  return out;
}

std::wstring wtext_from_valid_text(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t at = i;
    const char32_t c = next_utf8(text, i);
    // A malformed sequence is passed one byte at a time; a real U+FFFD
    // takes three.
    if (c != kReplacement || i - at > 1) out += static_cast<wchar_t>(c);
  }
  return out;
}

std::wstring wtext_xml_chars(const std::wstring& text) {
  const auto is_xml_char = [](wchar_t unit) {
    const auto c = static_cast<char32_t>(unit);
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
  };
  std::wstring kept;
  kept.reserve(text.size());
  std::copy_if(text.begin(), text.end(), std::back_inserter(kept), is_xml_char);
  return kept;
}

std::wstring wtext_format(const std::wstring& pattern, std::initializer_list<int> args) {
  std::wstring result = pattern;
  auto next = args.begin();
  // Inserted digits hold no '%', so going on behind them finds the same
  // markers as rescanning from the start would.
  for (size_t i = 0; i + 1 < result.size() && next != args.end();) {
    if (result[i] == L'%' && (result[i + 1] == L'i' || result[i + 1] == L'd')) {
      const std::wstring digits = wtext_from_int(*next++);
      result = wtext_replace_marker(std::move(result), static_cast<int>(i), digits);
      i += digits.size();
    } else {
      ++i;
    }
  }
  return result;
}

std::wstring wtext_replace_marker(std::wstring text, int index, const std::wstring& insert) {
  if (index < 0 || static_cast<size_t>(index) >= text.size()) return text;
  return text.replace(static_cast<size_t>(index), 2, insert);
}

std::wstring wtext_without_bars(std::wstring text) {
  std::erase(text, L'|');
  return text;
}

std::wstring wtext_bars_to_newlines(std::wstring text) {
  std::replace(text.begin(), text.end(), L'|', L'\n');
  return text;
}

}  // namespace KOR
