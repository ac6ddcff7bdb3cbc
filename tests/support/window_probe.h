#pragma once

#include <cstring>
#include <functional>
#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "framework/G_WINDOW_SIMPLE.h"
#include "platform/KC_INPUT.h"
#include "support/framework_resources.h"

namespace framework_test {

// What every probe window did, in order: "<name>:<hook>".
inline std::vector<std::string> window_log;

// A window that writes its hooks, drawing and control events into the log
// and can run an action on a control event or hold back the windows behind
// it in updates.
class PROBE_WINDOW : public KOR_GF::G_WINDOW {
 public:
  explicit PROBE_WINDOW(const pugi::xml_node& element) : G_WINDOW(element) {}

  void draw() override {
    note("draw");
    G_WINDOW::draw();
  }
  int update() override {
    note("update");
    const int result = G_WINDOW::update();
    return block_updates && result != KOR_GF::WINDOW_UPDATE_CLOSED ? KOR_GF::WINDOW_UPDATE_BLOCK
                                                                   : result;
  }
  KOR::KS_GUI_EVENT* key_up(int code) override {
    note("key_up");
    return G_WINDOW::key_up(code);
  }
  void on_open_begin() override { note("open_begin"); }
  void on_open_started() override { note("open_started"); }
  void on_opened() override { note("opened"); }
  void on_close_begin() override { note("close_begin"); }
  void on_close_started() override { note("close_started"); }
  void on_closed() override { note("closed"); }
  void on_deactivate() override { note("deactivate"); }
  void on_activate() override { note("activate"); }
  void on_refresh() override { note("refresh"); }
  void on_enable() override { note("enable"); }
  void on_disable() override { note("disable"); }
  void on_control(int widget_id) override {
    note("control " + std::to_string(widget_id));
    if (on_control_action) on_control_action();
  }

  bool block_updates = false;
  std::function<void()> on_control_action;

 private:
  void note(const std::string& what) { window_log.push_back(name() + ":" + what); }
};

// The test factory: probes and the three dialogs, by "_type"; null
// without "_type" or "_name".
inline std::unique_ptr<KOR_GF::G_WINDOW> probe_factory(const pugi::xml_document& description) {
  const pugi::xml_node element = description.document_element();
  const char* type = element.attribute("_type").value();
  if (!element.attribute("_name")) return nullptr;
  if (std::strcmp(type, "PROBE") == 0) return std::make_unique<PROBE_WINDOW>(element);
  if (std::strcmp(type, "G_WINDOW_CONFIRM") == 0)
    return std::make_unique<KOR_GF::G_WINDOW_CONFIRM>(element);
  if (std::strcmp(type, "G_WINDOW_SIMPLE") == 0)
    return std::make_unique<KOR_GF::G_WINDOW_SIMPLE>(element);
  if (std::strcmp(type, "G_WINDOW_EDITBOX") == 0)
    return std::make_unique<KOR_GF::G_WINDOW_EDITBOX>(element);
  return nullptr;
}

// Windows need the input object (widgets keep its pointer), resources with
// the "xml/Windows" folder, a 1024 × 768 game record and a clean log.
class WINDOW_SCENE {
 public:
  WINDOW_SCENE() {
    res.manager.add_repository("xml/Windows", "");
    KOR::engine_game = &game;
    KOR::auto_position_screen_width = 1024;
    KOR::auto_position_screen_height = 768;
    KOR::auto_position_base_width = 1024;
    KOR::auto_position_base_height = 768;
    KOR::frame_dt = 0.25f;
    window_log.clear();
  }
  ~WINDOW_SCENE() {
    KOR::engine_game = nullptr;
    KOR::frame_dt = 0.0f;
  }
  WINDOW_SCENE(const WINDOW_SCENE&) = delete;
  WINDOW_SCENE& operator=(const WINDOW_SCENE&) = delete;

  // A window from a description given as text.
  template <typename WINDOW = PROBE_WINDOW>
  WINDOW* make(const char* xml) {
    pugi::xml_document document;
    document.load_string(xml);
    return new WINDOW(document.document_element());
  }

  // Switches the logical screen as the application does before relayout.
  void switch_width(int width) {
    game.resolution.x = width;
    KOR::auto_position_set_screen(width, 768);
  }

  // The left button released (or pressed) at a point, as the pump feeds it;
  // next_frame ages the keys as the end of an update step does.
  void point(int x, int y) { input.mouse_move(x, y); }
  void next_frame() { input.end_frame(); }
  void click_down(int x, int y) {
    point(x, y);
    input.key_down(1);
  }
  void click_up(int x, int y) {
    point(x, y);
    input.key_up(1);
  }

  KOR::KC_INPUT input;
  FrameworkResources res;
  KOR::KC_GAME game;
};

}  // namespace framework_test
