#pragma once

#include <memory>
#include <string>
#include <vector>

namespace pugi {
class xml_document;
}

namespace KOR_GF {

class G_WINDOW;

// Turns one window description into a new window, or null when it names no
// class the factory knows.
using G_WINDOW_FACTORY = std::unique_ptr<G_WINDOW> (*)(const pugi::xml_document& description);

// Owns the windows built from a window list and keeps the stack of those
// that are open, front first and ordered by layer. Updates, drawing and
// input go through the stack; a modal window lets no input past it.
// Window hooks may show and close windows while the manager walks its
// stack: each walk covers the windows open when it began that are still
// open.
class G_WINDOW_MANAGER {
 public:
  explicit G_WINDOW_MANAGER(G_WINDOW_FACTORY factory);
  ~G_WINDOW_MANAGER();
  G_WINDOW_MANAGER(const G_WINDOW_MANAGER&) = delete;
  G_WINDOW_MANAGER& operator=(const G_WINDOW_MANAGER&) = delete;

  // Builds the windows of every "file" entry of the list; entries whose
  // description is missing or that the factory refuses are skipped. False
  // only when the list itself cannot be had.
  bool load_list(const std::string& list_name);

  G_WINDOW* find(const std::string& name) const;
  G_WINDOW* find_open(const std::string& name) const;
  bool is_open(const std::string& name) const { return find_open(name) != nullptr; }

  // Null for an unknown name; an open window is returned untouched. A
  // window still closing is opened again, once on the stack.
  G_WINDOW* show(const std::string& name);
  // Null when no open window has the name.
  G_WINDOW* close(const std::string& name);
  void close_all();
  G_WINDOW* enable(const std::string& name);
  G_WINDOW* disable(const std::string& name);
  // Then frees the textures nothing holds any more.
  void disable_all();
  // Gives back the pictures of every window that is closed, then frees the
  // textures nothing holds any more. A window still on its way out draws
  // its pictures: while there is one, nothing is done, and false.
  bool release_closed();
  void refresh_all();
  void relayout(int old_width);

  void update();
  void draw();
  void key_down(int code);
  void key_up(int code);
  void mouse_move();
  void update_activation();
  // Higher layers first; equal layers keep their order.
  void sort_by_layer();

  const std::vector<G_WINDOW*>& open_stack() const { return open_stack_; }
  const std::vector<std::unique_ptr<G_WINDOW>>& windows() const { return windows_; }

 private:
  bool on_stack(const G_WINDOW* window) const;
  void remove_from_stack(const G_WINDOW* window);
  // Offers the event to the windows front first until one takes it or a
  // modal window is met.
  template <typename OFFER>
  void offer(OFFER offer_to);

  std::vector<G_WINDOW*> open_stack_;
  std::vector<std::unique_ptr<G_WINDOW>> windows_;
  G_WINDOW_FACTORY factory_;
};

}  // namespace KOR_GF
