#pragma once

#include <string>
#include <vector>

namespace KOR {

// Shared reading steps of the value parsers (vectors, colours, transforms):
// the text split at single blanks, and each part read as C's atof / atoi would.

// Parts between single blanks (text_split with the blank dropped): adjacent
// blanks give an empty part, a leading blank an empty first part, a trailing
// blank no part.
std::vector<std::string> value_text_parts(const std::string& text);

// Leading number of the part, 0 when there is none.
float value_text_float(const std::string& part);

// Leading integer of the part, 0 when there is none; values beyond the int
// range saturate instead of being undefined as with atoi.
int value_text_int(const std::string& part);

}  // namespace KOR
