#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace KOR {

// Narrow text is UTF-8; wide text holds one code point per unit.

int text_count_spaces(const std::string& text);
void text_forward_slashes(std::string& text);

// Splits at `separator`, using up `text` (it keeps only the final part).
// Empty parts between separators are kept; a trailing separator gives none.
std::vector<std::string> text_split(std::string& text, char separator, bool drop_separator);
void text_split_into(std::string& text, char separator, std::vector<std::string>& parts,
                     bool drop_separator);

std::string text_from_int(int value);
std::wstring wtext_from_int(int value);
// Lower-case hexadecimal of the 32-bit pattern, no prefix.
std::wstring wtext_hex_from_int(int value);
// Six significant digits, as a default stream writes a float.
std::wstring wtext_from_float(float value);

// Leading number of the text; 0 when there is none or it does not fit.
int int_from_text(const std::string& text);
// Hexadecimal number, optional "0x"; 0 when there is none or it does not fit.
unsigned int uint_from_hex_text(const std::string& text);
float float_from_wtext(std::wstring text);

// UTF-8 encoding and decoding; what cannot be encoded or decoded becomes U+FFFD.
std::string text_from_wtext(const std::wstring& text);
std::wstring wtext_from_text(const std::string& text);
// UTF-8 decoding that leaves malformed sequences out instead.
std::wstring wtext_from_valid_text(const std::string& text);
// Only what an XML 1.0 document can hold: control characters other than
// tab, line feed and carriage return, surrogates, U+FFFE, U+FFFF and values
// beyond U+10FFFF are left out.
std::wstring wtext_xml_chars(const std::wstring& text);

// Replaces each "%i" or "%d" by the next argument, left to right. Markers
// beyond the arguments stay as they are.
std::wstring wtext_format(const std::wstring& pattern, std::initializer_list<int> args = {});
// Replaces the two characters at `index` by `insert`; an index outside the
// text leaves it unchanged.
std::wstring wtext_replace_marker(std::wstring text, int index, const std::wstring& insert);
std::wstring wtext_without_bars(std::wstring text);
std::wstring wtext_bars_to_newlines(std::wstring text);

}  // namespace KOR
