#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <vector>

namespace KOR {

// Shared steps of the value types' text forms (vectors, colours,
// transforms): the text split at single blanks, each part read as C's atof /
// atoi would, and values written out blank-separated.

// Parts between single blanks (text_split with the blank dropped): adjacent
// blanks give an empty part, a leading blank an empty first part, a trailing
// blank no part.
std::vector<std::string> value_text_parts(const std::string& text);

// Leading number of the part, 0 when there is none.
float value_text_float(const std::string& part);

// Leading integer of the part, 0 when there is none; values beyond the int
// range saturate instead of being undefined as with atoi.
int value_text_int(const std::string& part);

// Reads the first parts of the text into the values, in order; with fewer
// parts than values nothing is written and the answer is false.
bool value_text_read(const std::string& text, std::initializer_list<float*> values);
bool value_text_read(const std::string& text, std::initializer_list<int*> values);

// The values separated by blanks, floats with three decimals and ints with
// at least three digits, written into the buffer and cut to fit it (size
// counts the terminating 0); answers the buffer.
const char* value_text_write(char* buffer, size_t size, std::initializer_list<float> values);
const char* value_text_write(char* buffer, size_t size, std::initializer_list<int> values);

}  // namespace KOR
