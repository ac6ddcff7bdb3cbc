#include "platform/zip_archive.h"

#include <minizip/unzip.h>
#include <zlib.h>

#include <climits>
#include <cstring>
#include <new>

#include "platform/KC_ZIP_CIPHER.h"

namespace KOR {

namespace {

constexpr uLong FLAG_ENCRYPTED = 1;
constexpr uLong FLAG_DATA_DESCRIPTOR = 8;

// The current entry's full name, however long it is.
bool current_entry_name(unzFile zip, std::string& name) {
  unz_file_info64 info;
  if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
    return false;
  }
  name.assign(info.size_filename, '\0');
  return unzGetCurrentFileInfo64(zip, &info, name.data(), info.size_filename, nullptr, 0, nullptr,
                                 0) == UNZ_OK;
}

bool find_entry(unzFile zip, const std::string& wanted) {
  std::string name;
  for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
    if (current_entry_name(zip, name) && name == wanted) return true;
  }
  return false;
}

// The entry's stored bytes, still compressed and possibly encrypted.
bool read_stored(unzFile zip, uint64_t count, std::vector<unsigned char>& stored) {
  int method = 0;
  int level = 0;
  if (unzOpenCurrentFile2(zip, &method, &level, 1) != UNZ_OK) return false;
  stored.resize(count);
  const int read =
      count == 0 ? 0 : unzReadCurrentFile(zip, stored.data(), static_cast<unsigned>(count));
  unzCloseCurrentFile(zip);
  return read >= 0 && static_cast<uint64_t>(read) == count;
}

bool inflate_into(const unsigned char* in, size_t in_size, char* out, size_t out_size) {
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
  stream.next_in = const_cast<unsigned char*>(in);
  stream.avail_in = static_cast<uInt>(in_size);
  stream.next_out = reinterpret_cast<Bytef*>(out);
  // One spare byte, so that data longer than announced shows up.
  stream.avail_out = static_cast<uInt>(out_size + 1);
  const int status = inflate(&stream, Z_FINISH);
  const bool whole = status == Z_STREAM_END && stream.total_out == out_size;
  inflateEnd(&stream);
  return whole;
}

bool unpack(uLong method, const unsigned char* in, size_t in_size, char* out, size_t out_size) {
  if (method == Z_DEFLATED) return inflate_into(in, in_size, out, out_size);
  if (in_size != out_size) return false;
  std::memcpy(out, in, out_size);
  return true;
}

int read_current(unzFile zip, const std::string& password, char*& bytes, int32_t& size) {
  unz_file_info64 info;
  if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return -1;
  if (info.compression_method != 0 && info.compression_method != Z_DEFLATED) return -1;
  // Sizes come from the archive: refuse what a record cannot hold.
  if (info.uncompressed_size >= INT32_MAX || info.compressed_size >= INT32_MAX) return -109;

  std::vector<unsigned char> stored;
  if (!read_stored(zip, info.compressed_size, stored)) return -109;
  const unsigned char* payload = stored.data();
  size_t payload_size = stored.size();
  if ((info.flag & FLAG_ENCRYPTED) != 0) {
    if (password.empty() || payload_size < KC_ZIP_CIPHER::HEADER_SIZE) return -109;
    const int check = static_cast<int>((info.flag & FLAG_DATA_DESCRIPTOR) != 0 ? info.dosDate >> 8
                                                                               : info.crc >> 24);
    KC_ZIP_CIPHER cipher(password.c_str());
    if (!cipher.open_header(stored.data(), check)) return -109;
    payload += KC_ZIP_CIPHER::HEADER_SIZE;
    payload_size -= KC_ZIP_CIPHER::HEADER_SIZE;
    cipher.decrypt(stored.data() + KC_ZIP_CIPHER::HEADER_SIZE, payload_size);
  }

  const size_t length = static_cast<size_t>(info.uncompressed_size);
  char* out = new (std::nothrow) char[length + 1];
  if (out == nullptr) return -109;
  if (!unpack(info.compression_method, payload, payload_size, out, length) ||
      crc32(0L, reinterpret_cast<const Bytef*>(out), static_cast<uInt>(length)) != info.crc) {
    delete[] out;
    return -109;
  }
  out[length] = '\0';
  bytes = out;
  size = static_cast<int32_t>(length);
  return 1;
}

}  // namespace

void zip_list_entries(const std::string& archive, std::vector<std::string>& names) {
  unzFile zip = unzOpen64(archive.c_str());
  if (zip == nullptr) return;
  std::string name;
  for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
    if (current_entry_name(zip, name)) names.push_back(name);
  }
  unzClose(zip);
}

int zip_read_entry(const std::string& archive, const std::string& entry,
                   const std::string& password, char*& bytes, int32_t& size) {
  unzFile zip = unzOpen64(archive.c_str());
  if (zip == nullptr) return -1;
  const int result = find_entry(zip, entry) ? read_current(zip, password, bytes, size) : -1;
  unzClose(zip);
  return result;
}

}  // namespace KOR
