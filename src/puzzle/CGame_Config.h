#pragma once

#include <string>

namespace pugi {
class xml_document;
}

namespace game {

// The game's tuning values, looked up by key on every request from the
// configuration document: <config><KEY text="VALUE"/>...</config>. A missing
// document, key or value reads as 0, 0.0, an empty string or false.
class CGame_Config {
 public:
  static CGame_Config& instance();

  // Takes "xml/Config Config/config.xml" from the engine's resource manager
  // and keeps it for the whole run; false when it cannot be had, and every
  // key then reads as missing.
  bool load();

  // Answers from the given document from now on (null: no document). The
  // document stays its owner's.
  void set_document(const pugi::xml_document* document) { document_ = document; }

  float get_float(const std::string& key) const;
  int get_int(const std::string& key) const;
  std::string get_string(const std::string& key) const;
  float get_float_w(const std::wstring& key) const;
  int get_int_w(const std::wstring& key) const;
  std::wstring get_wstring_w(const std::wstring& key) const;
  bool get_bool_w(const std::wstring& key) const;

 private:
  const char* text(const std::string& key) const;

  const pugi::xml_document* document_ = nullptr;
};

}  // namespace game
