// Packs plain files into a zip repository the game mounts: every entry
// deflated and, given a password, encrypted the traditional way.
//
//   pack_repository ARCHIVE PASSWORD SOURCE_ROOT ENTRY...
//
// ENTRY is a path below SOURCE_ROOT and becomes the entry's full name inside
// the archive; an ENTRY ending in '/' is stored as an empty folder entry. An empty PASSWORD packs
// without encryption. The archive is written beside its destination and renamed into place, so a
// failed run never leaves a half-written repository.
#include <minizip/zip.h>
#include <zlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "../src/platform/KC_ZIP_CIPHER.h"

namespace {

constexpr uLong FLAG_ENCRYPTED = 1;

bool read_whole(const std::filesystem::path& path, std::vector<unsigned char>& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Raw deflate, as zip entries store it.
bool deflate_all(const std::vector<unsigned char>& in, std::vector<unsigned char>& out) {
  z_stream stream{};
  if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, DEF_MEM_LEVEL,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    return false;
  }
  out.resize(deflateBound(&stream, in.size()));
  stream.next_in = const_cast<unsigned char*>(in.data());
  stream.avail_in = static_cast<uInt>(in.size());
  stream.next_out = out.data();
  stream.avail_out = static_cast<uInt>(out.size());
  const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return done;
}

bool add_entry(zipFile zip, const std::string& name, const std::vector<unsigned char>& bytes,
               const char* password) {
  const uLong crc = crc32(0L, bytes.data(), static_cast<uInt>(bytes.size()));
  std::vector<unsigned char> packed;
  if (!deflate_all(bytes, packed)) return false;
  std::vector<unsigned char> stored;
  if (password != nullptr) {
    KOR::KC_ZIP_CIPHER cipher(password);
    stored.resize(KOR::KC_ZIP_CIPHER::HEADER_SIZE);
    cipher.make_header(stored.data(), crc);
    cipher.encrypt(packed.data(), packed.size());
  }
  stored.insert(stored.end(), packed.begin(), packed.end());

  zip_fileinfo info{};
  if (zipOpenNewFileInZip4_64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                              Z_BEST_COMPRESSION, 1, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY,
                              nullptr, 0, 0, password != nullptr ? FLAG_ENCRYPTED : 0,
                              0) != ZIP_OK) {
    return false;
  }
  const bool written =
      zipWriteInFileInZip(zip, stored.data(), static_cast<unsigned>(stored.size())) == ZIP_OK;
  return zipCloseFileInZipRaw64(zip, bytes.size(), crc) == ZIP_OK && written;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s ARCHIVE PASSWORD SOURCE_ROOT ENTRY...\n", argv[0]);
    return 2;
  }
  const std::filesystem::path archive = argv[1];
  const char* password = argv[2][0] != '\0' ? argv[2] : nullptr;
  const std::filesystem::path root = argv[3];
  std::error_code ignored;
  if (archive.has_parent_path())
    std::filesystem::create_directories(archive.parent_path(), ignored);
  const std::filesystem::path partial = archive.string() + ".partial";

  zipFile zip = zipOpen64(partial.c_str(), APPEND_STATUS_CREATE);
  if (zip == nullptr) {
    std::fprintf(stderr, "pack_repository: cannot create %s\n", partial.c_str());
    return 1;
  }
  bool packed = true;
  std::vector<unsigned char> bytes;
  for (int i = 4; i < argc && packed; ++i) {
    const std::string entry = argv[i];
    const bool folder = entry.back() == '/';
    bytes.clear();
    packed = (folder || read_whole(root / entry, bytes)) &&
             add_entry(zip, entry, bytes, folder ? nullptr : password);
    if (!packed) std::fprintf(stderr, "pack_repository: cannot pack %s\n", argv[i]);
  }
  packed = zipClose(zip, nullptr) == ZIP_OK && packed;
  std::error_code renamed;
  if (packed) std::filesystem::rename(partial, archive, renamed);
  if (!packed || renamed) {
    std::filesystem::remove(partial, ignored);
    return 1;
  }
  return 0;
}
