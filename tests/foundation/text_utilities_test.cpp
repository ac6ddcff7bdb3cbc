#include "foundation/text_utilities.h"

#include <gtest/gtest.h>

#include <climits>

using namespace KOR;

TEST(text_utilities, SplitKeepsInnerEmptyPartsAndUsesUpTheInput) {
  struct Case {
    std::string input;
    char separator;
    bool drop;
    std::vector<std::string> parts;
    std::string left;
  };
  const Case cases[] = {
      {"a  b", ' ', true, {"a", "", "b"}, "b"},
      {"a b ", ' ', true, {"a", "b"}, ""},
      {" a", ' ', true, {"", "a"}, "a"},
      {"", ' ', true, {}, ""},
      {"data/xml/levels", '/', false, {"data/", "xml/", "levels"}, "levels"},
      {"1 2 3", ' ', true, {"1", "2", "3"}, "3"},
  };
  for (const Case& c : cases) {
    std::string scratch = c.input;
    EXPECT_EQ(text_split(scratch, c.separator, c.drop), c.parts) << c.input;
    EXPECT_EQ(scratch, c.left) << c.input;
  }
}

TEST(text_utilities, SplitIntoAppends) {
  std::vector<std::string> parts{"x"};
  std::string scratch = "1 2";
  text_split_into(scratch, ' ', parts, true);
  EXPECT_EQ(parts, (std::vector<std::string>{"x", "1", "2"}));
}

TEST(text_utilities, SpacesAndSlashes) {
  EXPECT_EQ(text_count_spaces("xml/Levels Levels/level_1.xml"), 1);
  EXPECT_EQ(text_count_spaces(""), 0);
  std::string path = "a\\b\\c/d";
  text_forward_slashes(path);
  EXPECT_EQ(path, "a/b/c/d");
}

TEST(text_utilities, NumbersToText) {
  EXPECT_EQ(text_from_int(-12), "-12");
  EXPECT_EQ(text_from_int(0), "0");
  EXPECT_EQ(wtext_from_int(INT_MIN), L"-2147483648");
  EXPECT_EQ(wtext_hex_from_int(-1), L"ffffffff");
  EXPECT_EQ(wtext_hex_from_int(255), L"ff");
  EXPECT_EQ(wtext_hex_from_int(0), L"0");
  EXPECT_EQ(wtext_from_float(1.5f), L"1.5");
  EXPECT_EQ(wtext_from_float(1e7f), L"1e+07");
  EXPECT_EQ(wtext_from_float(123456.0f), L"123456");
  EXPECT_EQ(wtext_from_float(0.0001f), L"0.0001");
  EXPECT_EQ(wtext_from_float(0.00001f), L"1e-05");
}

TEST(text_utilities, TextToNumbers) {
  const std::pair<std::string, int> ints[] = {
      {"  42px", 42},          {"px", 0},  {"99999999999", 0}, {"-7", -7}, {"+3", 3}, {"", 0},
      {"2147483647", INT_MAX}, {"- 5", 0}, {"\t\n9", 9},
  };
  for (const auto& [text, value] : ints) EXPECT_EQ(int_from_text(text), value) << text;

  const std::pair<std::string, unsigned> hex[] = {
      {"FF000000", 0xFF000000u}, {"0xff", 0xFFu}, {"aBc", 0xABCu}, {"zz", 0u}, {"", 0u},
      {"123456789", 0u},
  };
  for (const auto& [text, value] : hex) EXPECT_EQ(uint_from_hex_text(text), value) << text;

  const std::pair<std::wstring, float> floats[] = {
      {L"1.5", 1.5f}, {L"2.5abc", 2.5f}, {L"abc", 0.0f}, {L"", 0.0f}, {L" -0.25", -0.25f},
  };
  for (const auto& [text, value] : floats) EXPECT_EQ(float_from_wtext(text), value);
}

TEST(text_utilities, NarrowWideConversionIsUtf8) {
  const std::pair<std::string, std::wstring> both[] = {
      {"plain", L"plain"},
      {"Gr\xC3\xBC\xC3\x9F"
       "e",
       L"Gr\u00FC\u00DFe"},
      {"\xE2\x82\xAC", L"\u20AC"},
      {"\xF0\x9F\x99\x82", L"\U0001F642"},
      {"", L""},
  };
  for (const auto& [narrow, wide] : both) {
    EXPECT_EQ(wtext_from_text(narrow), wide) << narrow;
    EXPECT_EQ(text_from_wtext(wide), narrow) << narrow;
  }
}

TEST(text_utilities, MalformedUtf8BecomesReplacementCharacters) {
  const std::pair<std::string, std::wstring> cases[] = {
      {"a\xC3", L"a\uFFFD"},                    // cut short at the end
      {"\xE2\x82", L"\uFFFD\uFFFD"},            // cut short, continuation left alone
      {"\x80x", L"\uFFFDx"},                    // stray continuation byte
      {"\xC0\xAF", L"\uFFFD\uFFFD"},            // overlong form
      {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},  // encoded surrogate
      {"\xFF", L"\uFFFD"},
  };
  for (const auto& [narrow, wide] : cases) EXPECT_EQ(wtext_from_text(narrow), wide);
  const std::wstring invalid = {L'a', static_cast<wchar_t>(0xD800), static_cast<wchar_t>(0x110000),
                                static_cast<wchar_t>(-1)};
  EXPECT_EQ(text_from_wtext(invalid), "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(text_utilities, ValidTextDecodingLeavesMalformedSequencesOut) {
  const std::pair<std::string, std::wstring> cases[] = {
      {"a\xC3", L"a"},
      {"\xE2\x82x", L"x"},
      {"\x80x\xFF", L"x"},
      {"\xC0\xAF", L""},
      {"S\xED\xA0\x80", L"S"},      // encoded surrogate
      {"\xEF\xBF\xBD", L"\uFFFD"},  // a real replacement character stays
      {"Gr\xC3\xBC\xC3\x9F", L"Gr\u00FC\u00DF"},
  };
  for (const auto& [narrow, wide] : cases) EXPECT_EQ(wtext_from_valid_text(narrow), wide) << narrow;
}

TEST(text_utilities, XmlCharsLeaveOutWhatXmlCannotHold) {
  const auto unit = [](long c) { return static_cast<wchar_t>(c); };
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"An\x01n\x07\x1F", L"Ann"},
      {{L'\0', L'x', unit(0x7F)}, {L'x', unit(0x7F)}},
      {L"tab\tline\ncarriage\r", L"tab\tline\ncarriage\r"},
      {{L'a', unit(0xD800), unit(0xDFFF), L'b'}, L"ab"},
      {{unit(0xFFFE), unit(0xFFFF), unit(0xFFFD)}, {unit(0xFFFD)}},
      {{unit(0x10FFFF), unit(0x110000), unit(-1)}, {unit(0x10FFFF)}},
      {L"\u200F\u202E<&\"'> ", L"\u200F\u202E<&\"'> "},
      {L"", L""},
  };
  for (const auto& [text, kept] : cases) EXPECT_EQ(wtext_xml_chars(text), kept);
}

TEST(text_utilities, FormatReplacesMarkersLeftToRight) {
  struct Case {
    std::wstring pattern;
    std::initializer_list<int> args;
    std::wstring result;
  };
  const Case cases[] = {
      {L"Money: %i", {250}, L"Money: 250"},
      {L"%d of %d", {3, 5}, L"3 of 5"},
      {L"100% sure", {1}, L"100% sure"},
      {L"ends with %", {1}, L"ends with %"},
      {L"no markers", {}, L"no markers"},
      {L"", {4}, L""},
      {L"%%i", {7}, L"%7"},
      {L"%i%i", {-1, 22}, L"-122"},
      // More markers than arguments: the surplus stays as text.
      {L"%d of %d", {3}, L"3 of %d"},
      {L"%i and %d", {}, L"%i and %d"},
      // Surplus arguments are ignored.
      {L"%i", {1, 2, 3}, L"1"},
  };
  for (const Case& c : cases) EXPECT_EQ(wtext_format(c.pattern, c.args), c.result) << c.result;
}

TEST(text_utilities, ReplaceMarkerChecksTheIndex) {
  EXPECT_EQ(wtext_replace_marker(L"a%ib", 1, L"42"), L"a42b");
  EXPECT_EQ(wtext_replace_marker(L"ab%", 2, L"9"), L"ab9");
  EXPECT_EQ(wtext_replace_marker(L"ab", 2, L"9"), L"ab");
  EXPECT_EQ(wtext_replace_marker(L"ab", -1, L"9"), L"ab");
  EXPECT_EQ(wtext_replace_marker(L"", 0, L"9"), L"");
}

TEST(text_utilities, Bars) {
  EXPECT_EQ(wtext_without_bars(L"a||b"), L"ab");
  EXPECT_EQ(wtext_bars_to_newlines(L"one|two"), L"one\ntwo");
  EXPECT_EQ(wtext_bars_to_newlines(L"none"), L"none");
}
