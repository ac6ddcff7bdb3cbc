#pragma once

#include <string>

namespace pugi {
class xml_document;
}

namespace KOR_GF {

// Both write beside the file and rename over it, so a failed write never
// leaves half a file and the old one stays. False when the file could not
// be written.
bool save_xml_replacing(const pugi::xml_document& document, const std::string& path, bool bom);
bool write_text_replacing(const std::string& path, const std::string& text);

}  // namespace KOR_GF
