#pragma once

// The traditional zip cipher, taken from minizip's own crypt.h. The library
// build we link cannot decrypt (it is built without it) and encrypts with a
// CRC table of the wrong width on 64-bit systems, so both directions call the
// cipher here with a table widened to what crypt.h expects.
#include <zlib.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <ctime>

#define INCLUDECRYPTINGCODE_IFCRYPTALLOWED
#include <minizip/crypt.h>

namespace KOR {

class KC_ZIP_CIPHER {
 public:
  // Encrypted entry data starts with this many header bytes.
  static constexpr int HEADER_SIZE = 12;

  explicit KC_ZIP_CIPHER(const char* password) : password_(password) {
    init_keys(password, keys_, table());
  }

  // Decrypts an entry's header; true when its last byte is the check byte,
  // i.e. the password is right.
  bool open_header(unsigned char* header, int check_byte) {
    decrypt(header, HEADER_SIZE);
    return header[HEADER_SIZE - 1] == (check_byte & 0xff);
  }

  void decrypt(unsigned char* bytes, size_t count) {
    for (size_t i = 0; i < count; ++i) zdecode(keys_, table(), bytes[i]);
  }

  // Writes the header for an entry whose data has this CRC.
  void make_header(unsigned char* header, unsigned long crc) {
    crypthead(password_, header, HEADER_SIZE, keys_, table(), crc);
  }

  void encrypt(unsigned char* bytes, size_t count) {
    int t;
    for (size_t i = 0; i < count; ++i) {
      bytes[i] = static_cast<unsigned char>(zencode(keys_, table(), bytes[i], t));
    }
  }

 private:
  static const unsigned long* table() {
    static const std::array<unsigned long, 256> widened = [] {
      std::array<unsigned long, 256> entries{};
      const z_crc_t* crc = get_crc_table();
      for (size_t i = 0; i < entries.size(); ++i) entries[i] = crc[i];
      return entries;
    }();
    return widened.data();
  }

  const char* password_;
  unsigned long keys_[3];
};

}  // namespace KOR
