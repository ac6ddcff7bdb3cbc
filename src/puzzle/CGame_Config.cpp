#include "puzzle/CGame_Config.h"

#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "foundation/text_utilities.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace game {

namespace {

pugi::xml_attribute value_of(const pugi::xml_document* document, const std::string& key) {
  if (!document || key.empty()) return pugi::xml_attribute();
  return document->child("config").child(key.c_str()).attribute("text");
}

}  // namespace

CGame_Config& CGame_Config::instance() {
  static CGame_Config config;
  return config;
}

bool CGame_Config::load() {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  document_ = manager ? manager->get_xml("xml/Config Config/config.xml") : nullptr;
  return document_ != nullptr;
}

float CGame_Config::get_float(const std::string& key) const {
  return value_of(document_, key).as_float();
}

int CGame_Config::get_int(const std::string& key) const {
  return value_of(document_, key).as_int();
}

std::string CGame_Config::get_string(const std::string& key) const {
  return value_of(document_, key).as_string();
}

float CGame_Config::get_float_w(const std::wstring& key) const {
  return get_float(KOR::text_from_wtext(key));
}

int CGame_Config::get_int_w(const std::wstring& key) const {
  return get_int(KOR::text_from_wtext(key));
}

std::wstring CGame_Config::get_wstring_w(const std::wstring& key) const {
  return KOR::wtext_from_text(get_string(KOR::text_from_wtext(key)));
}

bool CGame_Config::get_bool_w(const std::wstring& key) const {
  return value_of(document_, KOR::text_from_wtext(key)).as_bool();
}

}  // namespace game
