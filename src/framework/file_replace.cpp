#include "framework/file_replace.h"

#include <cstdio>
#include <fstream>
#include <pugixml.hpp>

namespace KOR_GF {

namespace {

bool replace_with(const std::string& temporary, const std::string& path) {
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

bool save_xml_replacing(const pugi::xml_document& document, const std::string& path, bool bom) {
  const std::string temporary = path + ".tmp";
  const unsigned flags = pugi::format_indent | (bom ? pugi::format_write_bom : 0u);
  if (!document.save_file(temporary.c_str(), "\t", flags, pugi::encoding_utf8)) {
    std::remove(temporary.c_str());
    return false;
  }
  return replace_with(temporary, path);
}

bool write_text_replacing(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
  if (!file) return false;
  file << text;
  file.close();
  if (!file) {
    std::remove(temporary.c_str());
    return false;
  }
  return replace_with(temporary, path);
}

}  // namespace KOR_GF
