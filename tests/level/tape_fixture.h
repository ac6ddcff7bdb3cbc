#pragma once

#include <deque>
#include <pugixml.hpp>
#include <string>

#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"
#include "support/field_graphics_fixture.h"

namespace level_test {

// A scripted runtime rand: the queued values in order, then 0; every call
// is counted.
struct ScriptedRand {
  static inline std::deque<int> values;
  static inline int calls = 0;
  static int draw() {
    ++calls;
    if (values.empty()) return 0;
    const int v = values.front();
    values.pop_front();
    return v;
  }
  static void reset() {
    values.clear();
    calls = 0;
  }
};

// Tape and press tests: the real piece pictures, a level header, and a
// configuration of the test's own.
class TapeFixture : public puzzle_test::FieldGraphicsFixture {
 protected:
  void SetUp() override {
    FieldGraphicsFixture::SetUp();
    ScriptedRand::reset();
    use_config("");
  }
  void TearDown() override {
    game::CGame_Config::instance().set_document(nullptr);
    FieldGraphicsFixture::TearDown();
  }

  // Keys given as <KEY text="VALUE"/> elements.
  void use_config(const std::string& keys) {
    tape_config.load_string(("<config>" + keys + "</config>").c_str());
    game::CGame_Config::instance().set_document(&tape_config);
  }

  pugi::xml_document tape_config;
  game::CLevel_Header header;
};

}  // namespace level_test
