#pragma once

#include <string>

namespace KOR {

// Anchor number of an XML hot-spot name ("HS_MID" 0 ... "HS_MR" 8); any
// other text, compared exactly, gives 0.
int hot_spot_from_name(const std::string& name);

// Platform code of the text's first letter: 'O' 1, 'I' 2, 'A' 3, else 0.
int platform_from_letter(const std::string& text);
// "WINDOWS", "OSX", "IOS" or "ANDROID"; unknown codes give "WINDOWS".
std::string platform_name(int code);

// Whole hours, minutes and seconds of a duration; a negative or NaN
// duration counts as 0 and one beyond the int range as its largest value.
void time_split(float seconds, int& hours, int& minutes, int& secs);
// "hh:mm:ss", or "mm:ss" below one hour.
std::wstring time_text(float seconds);

}  // namespace KOR
