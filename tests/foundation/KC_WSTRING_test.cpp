#include "foundation/KC_WSTRING.h"

#include <gtest/gtest.h>

#include <cstring>

using KOR::KC_WSTRING;

namespace {

// Length counts the terminator, so it is the characters plus one; the
// invariant every operation must keep.
void expect_consistent(const KC_WSTRING& s) {
  EXPECT_EQ(s.length(), s.text_length());
  EXPECT_LE(s.length() + 1, std::max(s.capacity(), 1));
}

}  // namespace

TEST(KC_WSTRING, Construction) {
  const KC_WSTRING none;
  EXPECT_EQ(none.length(), 0);
  EXPECT_EQ(none.capacity(), 0);
  EXPECT_TRUE(none.empty());
  EXPECT_STREQ(none.c_str(), L"");
  EXPECT_TRUE(none == L"");

  const KC_WSTRING blank(L"");
  EXPECT_EQ(blank.length(), 0);
  EXPECT_EQ(blank.capacity(), 1);
  EXPECT_TRUE(blank.empty());

  const KC_WSTRING wide(L"abc");
  EXPECT_EQ(wide.capacity(), 4);
  EXPECT_FALSE(wide.empty());

  const KC_WSTRING narrow("\xC3\xBC");
  EXPECT_EQ(narrow.length(), 1);
  EXPECT_EQ(narrow.capacity(), 3);
  EXPECT_EQ(narrow.at(0), L'\u00FC');
  EXPECT_EQ(narrow.utf8(), "\xC3\xBC");

  const KC_WSTRING copied(wide);
  EXPECT_TRUE(copied == wide);
  EXPECT_EQ(copied.capacity(), 4);
  const KC_WSTRING copied_none(none);
  EXPECT_EQ(copied_none.capacity(), 0);
}

TEST(KC_WSTRING, GrowsFromTheSmallestCapacities) {
  for (const wchar_t* start : {L"", L"a"}) {
    KC_WSTRING s(start);
    for (int k = 0; k < 40; ++k) s.append(L"xy");
    EXPECT_EQ(s.length(), static_cast<int>(std::wcslen(start)) + 80);
    expect_consistent(s);
  }
  KC_WSTRING s(L"a");
  s.set_capacity(1);
  EXPECT_EQ(s.capacity(), 2);
  s.append(L"b");
  EXPECT_TRUE(s == L"ab");
  EXPECT_GE(s.capacity(), 3);
}

TEST(KC_WSTRING, Editing) {
  KC_WSTRING s(L"ab");
  s.push_back('x');
  EXPECT_TRUE(s == L"abx");
  EXPECT_EQ(s.length(), 3);
  s.push_back(L'\u20AC');
  EXPECT_TRUE(s == L"abx\u20AC");
  s.push_back(static_cast<char>(0xC3));  // half a character is not one
  EXPECT_TRUE(s == L"abx\u20AC\uFFFD");

  KC_WSTRING r(L"abcd");
  r.replace(1, 2, L"XYZ");
  EXPECT_TRUE(r == L"aXYZd");
  r.insert(0, "\xC3\xBC");
  EXPECT_TRUE(r == L"\u00FCaXYZd");
  r.erase(1, 4);
  EXPECT_TRUE(r == L"\u00FCd");
  expect_consistent(r);

  KC_WSTRING grown(L"ab");
  grown.resize(3, '.');
  EXPECT_TRUE(grown == L"ab.");
  KC_WSTRING cut(L"abcd");
  cut.resize(3, '.');
  EXPECT_TRUE(cut == L"abc");
  cut.clear();
  EXPECT_TRUE(cut.empty());
  EXPECT_EQ(cut.length(), 0);
}

TEST(KC_WSTRING, AssignAppendAndConcatenate) {
  KC_WSTRING s;
  s = L"one";
  s += " two";
  s += KC_WSTRING(L"!");
  EXPECT_TRUE(s == "one two!");
  const KC_WSTRING sum = s + L" 3" + "\xE2\x82\xAC";
  EXPECT_TRUE(sum == L"one two! 3\u20AC");
  EXPECT_TRUE(s == L"one two!");
  KC_WSTRING part;
  part.assign(s, 4, 3);
  EXPECT_TRUE(part == L"two");
  part.append(s, 0, 3);
  EXPECT_TRUE(part == L"twoone");
  s = s;
  EXPECT_TRUE(s == L"one two!");
  s.append(s.c_str() + 4);  // the source lies in the string's own buffer
  EXPECT_TRUE(s == L"one two!two!");
  EXPECT_TRUE(s.substr(4, 3) == L"two");
}

TEST(KC_WSTRING, SwapKeepsLengthsTrue) {
  KC_WSTRING a(L"short");
  KC_WSTRING b(L"a much longer text");
  a.swap(b);
  EXPECT_TRUE(a == L"a much longer text");
  EXPECT_TRUE(b == L"short");
  EXPECT_EQ(a.length(), 18);
  EXPECT_EQ(b.length(), 5);
  EXPECT_EQ(b.capacity(), 19);  // the longer buffer is kept
  expect_consistent(a);
  expect_consistent(b);
}

TEST(KC_WSTRING, Searching) {
  const KC_WSTRING s(L"abxab");
  EXPECT_EQ(s.rfind(L"ab"), 3);
  EXPECT_EQ(KC_WSTRING(L"abxx").rfind(L"ab"), 0);
  EXPECT_EQ(s.find(L"xa"), 2);
  EXPECT_EQ(s.find("b"), 1);
  EXPECT_EQ(s.rfind('b'), 4);
  EXPECT_EQ(s.find(L'x'), 2);
  EXPECT_EQ(s.find(L"zz"), -1);
  EXPECT_EQ(s.rfind('z'), -1);
  EXPECT_EQ(KC_WSTRING().find(L"a"), -1);
  EXPECT_LT(s.compare(L"abxac"), 0);
  EXPECT_GT(s.compare("abx"), 0);
  EXPECT_EQ(s.compare("abxab"), 0);
  EXPECT_TRUE(s != L"abx");
}

TEST(KC_WSTRING, CopyOut) {
  const KC_WSTRING s(L"h\u00E9llo");
  wchar_t wide[8];
  std::wmemset(wide, L'#', 8);
  EXPECT_EQ(s.copy(wide, 7, 1), 7);
  EXPECT_EQ(std::wstring(wide, 7), std::wstring(L"\u00E9llo\0\0\0", 7));
  EXPECT_EQ(wide[7], L'#');
  char narrow[8];
  std::memset(narrow, '#', sizeof narrow);
  EXPECT_EQ(s.copy_utf8(narrow, 3, 0), 3);
  EXPECT_EQ(std::string(narrow, 4), "h\xC3\xA9#");  // unterminated, like strncpy
}

TEST(KC_WSTRING, PositionsOutsideTheTextAreClamped) {
  KC_WSTRING s(L"abc");
  EXPECT_EQ(s.at(3), L'\0');
  EXPECT_EQ(s.at(-1), L'\0');
  EXPECT_EQ(s.at(1000000), L'\0');
  s.replace(2, 100, L"Z");
  EXPECT_TRUE(s == L"abZ");
  s.replace(50, 1, L"!");
  EXPECT_TRUE(s == L"abZ!");
  s.erase(-5, 2);
  EXPECT_TRUE(s == L"Z!");
  s.insert(-1, L"<");
  EXPECT_TRUE(s == L"<Z!");
  s.erase(1, -3);
  EXPECT_TRUE(s == L"<Z!");
  EXPECT_TRUE(s.substr(2, 99) == L"!");
  EXPECT_TRUE(s.substr(9, 1).empty());
  s.resize(-4, L'x');
  EXPECT_TRUE(s.empty());
  KC_WSTRING part;
  part.assign(KC_WSTRING(L"xy"), -3, 10);
  EXPECT_TRUE(part == L"xy");
  wchar_t out[4];
  std::wmemset(out, L'#', 4);
  EXPECT_EQ(part.copy(out, 3, 99), 3);
  EXPECT_EQ(out[0], L'\0');
  expect_consistent(s);
}
