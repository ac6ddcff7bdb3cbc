#include "platform/text_format_wide.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

using namespace KOR;

namespace {

// Formats into a buffer with a guard zone behind `capacity`, and checks the
// guard is untouched so any write past the capacity shows up.
template <class... Args>
std::wstring format(int capacity, const wchar_t* fmt, int* result, const Args&... args) {
  std::vector<wchar_t> buffer(static_cast<size_t>(capacity) + 8, L'#');
  *result = text_format_wide_args(buffer.data(), capacity, fmt, args...);
  for (size_t k = static_cast<size_t>(capacity); k < buffer.size(); ++k)
    EXPECT_EQ(buffer[k], L'#') << "write past the capacity for " << fmt;
  if (capacity == 0) return L"";
  return std::wstring(buffer.data());
}

template <class... Args>
std::wstring format(const wchar_t* fmt, const Args&... args) {
  int result = 0;
  std::wstring s = format(64, fmt, &result, args...);
  EXPECT_EQ(result, static_cast<int>(s.size())) << fmt;
  return s;
}

}  // namespace

TEST(text_format_wide, Conversions) {
  EXPECT_EQ(format(L"%03d", 7), L"007");
  EXPECT_EQ(format(L"%3d", 7), L"  7");
  EXPECT_EQ(format(L"%1d", 42), L"42");
  EXPECT_EQ(format(L"%i|%ld", 0, 1234567890L), L"0|1234567890");
  EXPECT_EQ(format(L"%3s", L"abcd"), L"abcd");
  EXPECT_EQ(format(L"%3s", L"a"), L"  a");
  EXPECT_EQ(format(L"%s", std::wstring(L"\u00FC\u20AC")), L"\u00FC\u20AC");
  EXPECT_EQ(format(L"%.2f", 3.14159), L"3.14");
  EXPECT_EQ(format(L"%07.2f|%f|%.0f", 3.14159, 0.5f, 2.5), L"0003.14|0.500000|2");
  EXPECT_EQ(format(L"%.2d", 5), L"5");
  EXPECT_EQ(format(L"100%%"), L"100%");
  EXPECT_EQ(format(L"%q%d", 9), L"q9");
  EXPECT_EQ(format(L"%u", 9), L"u");
}

TEST(text_format_wide, NegativeIntegersKeepTheirSign) {
  EXPECT_EQ(format(L"%d", -5), L"-5");
  EXPECT_EQ(format(L"%04d", -5), L"-005");
  EXPECT_EQ(format(L"%4d", -5), L"  -5");
  EXPECT_EQ(format(L"%d", INT_MIN), L"-2147483648");
  EXPECT_EQ(format(L"%d", LLONG_MIN), L"-9223372036854775808");
}

TEST(text_format_wide, CapacityIsNeverExceeded) {
  int result = -1;
  EXPECT_EQ(format(1, L"abc", &result), L"");
  EXPECT_EQ(result, 0);
  EXPECT_EQ(format(4, L"abcdef", &result), L"abc");
  EXPECT_EQ(result, 3);
  EXPECT_EQ(format(4, L"%05d", &result, 7), L"000");
  EXPECT_EQ(format(6, L"%s!", &result, L"abcdefgh"), L"abcde");
  EXPECT_EQ(format(6, L"%f", &result, 1e300), L"10000");
  EXPECT_EQ(result, 5);
  EXPECT_EQ(format(8, L"%999999999999d", &result, 1), L"       ");
  EXPECT_EQ(format(8, L"%.99999999999f", &result, 1.0), L"1.00000");
  EXPECT_EQ(format(0, L"abc", &result), L"");
  EXPECT_EQ(result, 0);
  wchar_t untouched = L'#';
  EXPECT_EQ(text_format_wide_args(&untouched, 0, L"abc"), 0);
  EXPECT_EQ(untouched, L'#');
  EXPECT_EQ(text_format_wide_args(&untouched, 1, nullptr), 0);
  EXPECT_EQ(text_format_wide_args(nullptr, 10, L"abc"), 0);
}

TEST(text_format_wide, HugeFloatFitsWhenThereIsRoom) {
  std::wstring s = format(L"%f", 1e40);
  EXPECT_EQ(s.size(), 48u);
  EXPECT_EQ(s.substr(0, 5), L"10000");
}

TEST(text_format_wide, NullStringStopsWithResultZero) {
  int result = -1;
  EXPECT_EQ(format(16, L"ab%scd", &result, nullptr), L"ab");
  EXPECT_EQ(result, 0);
  const wchar_t* none = nullptr;
  EXPECT_EQ(format(16, L"x%5sy", &result, none), L"x");
  EXPECT_EQ(result, 0);
}

TEST(text_format_wide, CutShortConversionEndsTheText) {
  EXPECT_EQ(format(L"ab%0"), L"ab");
  EXPECT_EQ(format(L"ab%05"), L"ab");
  EXPECT_EQ(format(L"ab%"), L"ab");
  EXPECT_EQ(format(L"ab%.2l"), L"ab");
}

TEST(text_format_wide, ReadsOnlyTheArgumentsGiven) {
  // More conversions than arguments: the rest are shown as written.
  EXPECT_EQ(format(L"%d of %d"), L"%d of %d");
  EXPECT_EQ(format(L"%d of %03d, %s, %.2f", 3), L"3 of %03d, %s, %.2f");
  // An argument of the wrong kind is used up and the conversion shown.
  EXPECT_EQ(format(L"%s=%d", 5, 6), L"%s=6");
  EXPECT_EQ(format(L"%d %f", 2.5, 1), L"%d %f");
  // Surplus arguments are ignored.
  EXPECT_EQ(format(L"%d", 1, 2, L"x"), L"1");
}
