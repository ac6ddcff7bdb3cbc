#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace KOR {

// Appends the full name of every entry, in archive order; nothing when the
// file cannot be opened as a zip archive.
void zip_list_entries(const std::string& archive, std::vector<std::string>& names);

// Reads the entry whose full name is `entry` (exact bytes) into a new[]
// buffer with an uncounted 0 byte after the data. An encrypted entry is
// decrypted with the password. Returns 1; -1 when the archive cannot be
// opened, has no such entry or uses an unknown compression; -109 when the
// data cannot be read whole and intact (also a wrong or missing password).
int zip_read_entry(const std::string& archive, const std::string& entry,
                   const std::string& password, char*& bytes, int32_t& size);

}  // namespace KOR
