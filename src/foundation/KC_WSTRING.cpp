#include "foundation/KC_WSTRING.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string_view>

#include "foundation/text_utilities.h"

namespace KOR {

namespace {

const wchar_t* or_empty(const wchar_t* text) { return text ? text : L""; }

std::wstring widen(const char* utf8) { return wtext_from_text(utf8 ? utf8 : ""); }

wchar_t widen(char c) { return wtext_from_text(std::string(1, c))[0]; }

int index_or_none(size_t at) { return at == std::wstring_view::npos ? -1 : static_cast<int>(at); }

}  // namespace

KC_WSTRING::KC_WSTRING(const wchar_t* text) {
  const int n = static_cast<int>(std::wcslen(or_empty(text)));
  grow(n + 1);
  splice(0, 0, or_empty(text));
}

KC_WSTRING::KC_WSTRING(const char* utf8) {
  grow(static_cast<int>(std::strlen(utf8 ? utf8 : "")) + 1);
  splice(0, 0, widen(utf8));
}

KC_WSTRING::KC_WSTRING(const KC_WSTRING& other) {
  if (other.length_ == 0) return;
  grow(other.length_);
  splice(0, 0, other.c_str());
}

KC_WSTRING& KC_WSTRING::operator=(const KC_WSTRING& other) { return assign(other); }
KC_WSTRING& KC_WSTRING::operator=(const wchar_t* text) { return assign(text); }
KC_WSTRING& KC_WSTRING::operator=(const char* utf8) { return assign(utf8); }

int KC_WSTRING::length() const { return std::max(0, length_ - 1); }

int KC_WSTRING::text_length() const { return static_cast<int>(std::wcslen(c_str())); }

const wchar_t* KC_WSTRING::c_str() const { return buffer_ ? buffer_.get() : L""; }

wchar_t KC_WSTRING::at(int index) const {
  return index >= 0 && index < length() ? buffer_[index] : L'\0';
}

void KC_WSTRING::clear() {
  if (!buffer_) return;
  buffer_[0] = 0;
  length_ = 1;
}

void KC_WSTRING::set_capacity(int n) {
  const int size = std::max({n + 1, length_, 1});
  auto fresh = std::make_unique<wchar_t[]>(static_cast<size_t>(size));
  std::wmemcpy(fresh.get(), c_str(), static_cast<size_t>(length()) + 1);
  buffer_ = std::move(fresh);
  capacity_ = size;
  length_ = length() + 1;
}

KC_WSTRING& KC_WSTRING::assign(const wchar_t* text) { return splice(0, length(), or_empty(text)); }
KC_WSTRING& KC_WSTRING::assign(const KC_WSTRING& other) { return assign(other.c_str()); }
KC_WSTRING& KC_WSTRING::assign(const char* utf8) { return splice(0, length(), widen(utf8)); }

KC_WSTRING& KC_WSTRING::assign(const KC_WSTRING& source, int index, int count) {
  source.clamp(index, count);
  return splice(0, length(), std::wstring(source.c_str() + index, static_cast<size_t>(count)));
}

KC_WSTRING& KC_WSTRING::append(const wchar_t* text) { return splice(length(), 0, or_empty(text)); }
KC_WSTRING& KC_WSTRING::append(const KC_WSTRING& other) { return append(other.c_str()); }
KC_WSTRING& KC_WSTRING::append(const char* utf8) { return splice(length(), 0, widen(utf8)); }

KC_WSTRING& KC_WSTRING::append(const KC_WSTRING& source, int index, int count) {
  source.clamp(index, count);
  return splice(length(), 0, std::wstring(source.c_str() + index, static_cast<size_t>(count)));
}

void KC_WSTRING::push_back(wchar_t c) {
  if (c == L'\0') return;
  if (length_ == capacity_) grow(length_ + 10);
  splice(length(), 0, std::wstring(1, c));
}

void KC_WSTRING::push_back(char c) { push_back(widen(c)); }

KC_WSTRING& KC_WSTRING::replace(int pos, int count, const wchar_t* text) {
  return splice(pos, count, or_empty(text));
}
KC_WSTRING& KC_WSTRING::replace(int pos, int count, const char* utf8) {
  return splice(pos, count, widen(utf8));
}
KC_WSTRING& KC_WSTRING::insert(int pos, const wchar_t* text) { return replace(pos, 0, text); }
KC_WSTRING& KC_WSTRING::insert(int pos, const char* utf8) { return replace(pos, 0, utf8); }
KC_WSTRING& KC_WSTRING::erase(int pos, int count) { return splice(pos, count, std::wstring()); }

void KC_WSTRING::resize(int n, wchar_t fill) {
  n = std::max(0, n);
  if (n + 1 > capacity_) grow(n + 1);
  const int chars = length();
  if (n < chars)
    splice(n, chars - n, std::wstring());
  else if (fill != L'\0')
    splice(chars, 0, std::wstring(static_cast<size_t>(n - chars), fill));
}

void KC_WSTRING::resize(int n, char fill) { resize(n, widen(fill)); }

void KC_WSTRING::swap(KC_WSTRING& other) {
  const KC_WSTRING mine(*this);
  assign(other);
  other.assign(mine);
}

KC_WSTRING KC_WSTRING::substr(int index, int count) const {
  KC_WSTRING part;
  part.assign(*this, index, count);
  return part;
}

int KC_WSTRING::copy(wchar_t* destination, int count, int index) const {
  count = std::max(0, count);
  index = std::clamp(index, 0, length());
  std::wcsncpy(destination, c_str() + index, static_cast<size_t>(count));
  return count;
}

int KC_WSTRING::copy_utf8(char* destination, int count, int index) const {
  count = std::max(0, count);
  index = std::clamp(index, 0, length());
  const std::string text = text_from_wtext(c_str() + index);
  std::strncpy(destination, text.c_str(), static_cast<size_t>(count));
  return count;
}

std::string KC_WSTRING::utf8() const { return text_from_wtext(c_str()); }

int KC_WSTRING::find(const wchar_t* text) const {
  return index_or_none(std::wstring_view(c_str()).find(or_empty(text)));
}
int KC_WSTRING::find(const char* utf8) const { return find(widen(utf8).c_str()); }
int KC_WSTRING::find(wchar_t c) const { return index_or_none(std::wstring_view(c_str()).find(c)); }
int KC_WSTRING::find(char c) const { return find(widen(c)); }

int KC_WSTRING::rfind(const wchar_t* text) const {
  return index_or_none(std::wstring_view(c_str()).rfind(or_empty(text)));
}
int KC_WSTRING::rfind(const char* utf8) const { return rfind(widen(utf8).c_str()); }
int KC_WSTRING::rfind(wchar_t c) const {
  return index_or_none(std::wstring_view(c_str()).rfind(c));
}
int KC_WSTRING::rfind(char c) const { return rfind(widen(c)); }

int KC_WSTRING::compare(const wchar_t* text) const { return std::wcscmp(c_str(), or_empty(text)); }
int KC_WSTRING::compare(const char* utf8) const { return compare(widen(utf8).c_str()); }

void KC_WSTRING::grow(int needed) {
  needed = std::max(needed, 1);
  if (capacity_ == 0) {
    buffer_ = std::make_unique<wchar_t[]>(static_cast<size_t>(needed));
    buffer_[0] = 0;
    capacity_ = needed;
    length_ = 1;
    return;
  }
  if (needed <= capacity_) return;
  int c = capacity_;
  // Half as much again; at least one more, since half of a capacity of 1
  // or 2 rounds away to nothing.
  while (c < needed) c = std::max(c + 1, static_cast<int>((c - 1) * 1.5) + 1);
  auto fresh = std::make_unique<wchar_t[]>(static_cast<size_t>(c));
  std::wmemcpy(fresh.get(), buffer_.get(), static_cast<size_t>(length_));
  buffer_ = std::move(fresh);
  capacity_ = c;
}

KC_WSTRING& KC_WSTRING::splice(int pos, int count, std::wstring text) {
  clamp(pos, count);
  const int needed = std::max(length_, 1) + static_cast<int>(text.size()) - count;
  if (needed > capacity_) grow(needed);
  wchar_t* const buffer = buffer_.get();
  const std::wstring tail(buffer + pos + count);
  std::wmemcpy(buffer + pos, text.data(), text.size());
  std::wmemcpy(buffer + pos + text.size(), tail.c_str(), tail.size() + 1);
  length_ = static_cast<int>(std::wcslen(buffer)) + 1;
  return *this;
}

void KC_WSTRING::clamp(int& pos, int& count) const {
  pos = std::clamp(pos, 0, length());
  count = std::clamp(count, 0, length() - pos);
}

KC_WSTRING operator+(const KC_WSTRING& left, const wchar_t* text) {
  KC_WSTRING sum(left);
  sum.append(text);
  return sum;
}

KC_WSTRING operator+(const KC_WSTRING& left, const char* utf8) {
  KC_WSTRING sum(left);
  sum.append(utf8);
  return sum;
}

}  // namespace KOR
