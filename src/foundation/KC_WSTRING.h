#pragma once

#include <memory>
#include <string>

namespace KOR {

// Growable wide string in a buffer of its own, terminated by a 0 unit.
// Narrow operands are UTF-8. Positions and counts outside the text are
// clamped to it; a default-constructed string behaves as the empty text.
class KC_WSTRING {
 public:
  KC_WSTRING() = default;
  KC_WSTRING(const wchar_t* text);
  KC_WSTRING(const char* utf8);
  KC_WSTRING(const KC_WSTRING& other);
  KC_WSTRING& operator=(const KC_WSTRING& other);
  KC_WSTRING& operator=(const wchar_t* text);
  KC_WSTRING& operator=(const char* utf8);
  ~KC_WSTRING() = default;

  int length() const;
  int text_length() const;
  int capacity() const { return capacity_; }
  const wchar_t* c_str() const;
  // 0 for an index outside the text.
  wchar_t at(int index) const;
  bool empty() const { return length_ < 2; }
  void clear();
  void set_capacity(int n);

  KC_WSTRING& assign(const wchar_t* text);
  KC_WSTRING& assign(const KC_WSTRING& other);
  KC_WSTRING& assign(const char* utf8);
  KC_WSTRING& assign(const KC_WSTRING& source, int index, int count);

  KC_WSTRING& append(const wchar_t* text);
  KC_WSTRING& append(const KC_WSTRING& other);
  KC_WSTRING& append(const char* utf8);
  KC_WSTRING& append(const KC_WSTRING& source, int index, int count);
  KC_WSTRING& operator+=(const wchar_t* text) { return append(text); }
  KC_WSTRING& operator+=(const KC_WSTRING& other) { return append(other); }
  KC_WSTRING& operator+=(const char* utf8) { return append(utf8); }

  void push_back(wchar_t c);
  // A narrow character is one UTF-8 unit: anything but ASCII becomes U+FFFD.
  void push_back(char c);

  KC_WSTRING& replace(int pos, int count, const wchar_t* text);
  KC_WSTRING& replace(int pos, int count, const char* utf8);
  KC_WSTRING& insert(int pos, const wchar_t* text);
  KC_WSTRING& insert(int pos, const char* utf8);
  KC_WSTRING& erase(int pos, int count);
  void resize(int n, wchar_t fill);
  void resize(int n, char fill);
  void swap(KC_WSTRING& other);

  KC_WSTRING substr(int index, int count) const;
  // As wcsncpy: count units from index, zero-padded, unterminated when the
  // text is longer. Returns count.
  int copy(wchar_t* destination, int count, int index) const;
  // As strncpy of the UTF-8 form of the text from index. Returns count.
  int copy_utf8(char* destination, int count, int index) const;
  std::string utf8() const;

  // Index of the first or last occurrence; -1 when there is none.
  int find(const wchar_t* text) const;
  int find(const char* utf8) const;
  int find(wchar_t c) const;
  int find(char c) const;
  int rfind(const wchar_t* text) const;
  int rfind(const char* utf8) const;
  int rfind(wchar_t c) const;
  int rfind(char c) const;

  int compare(const wchar_t* text) const;
  int compare(const char* utf8) const;

  bool operator==(const KC_WSTRING& other) const { return compare(other.c_str()) == 0; }
  bool operator==(const wchar_t* text) const { return compare(text) == 0; }
  bool operator==(const char* utf8) const { return compare(utf8) == 0; }

 private:
  void grow(int needed);
  // Replaces `count` characters at `pos` by `text`; every change of the text
  // goes through here. `text` is a copy, so it may come from this string.
  KC_WSTRING& splice(int pos, int count, std::wstring text);
  void clamp(int& pos, int& count) const;

  std::unique_ptr<wchar_t[]> buffer_;
  int length_ = 0;
  int capacity_ = 0;
};

KC_WSTRING operator+(const KC_WSTRING& left, const wchar_t* text);
KC_WSTRING operator+(const KC_WSTRING& left, const char* utf8);

}  // namespace KOR
