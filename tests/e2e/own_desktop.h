#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "game_process.h"

// Last: Xlib's macros (None, Success, Status) would clash with names above.
#include <X11/Xlib.h>

namespace e2e {

inline pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& env_extra,
                   int keep_fd = -1) {
  // The variables given replace the test's own (its DISPLAY is not ours).
  std::vector<std::string> environment;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    const std::string name = text.substr(0, text.find('=') + 1);
    bool replaced = false;
    for (const std::string& added : env_extra) replaced = replaced || added.rfind(name, 0) == 0;
    if (!replaced) environment.push_back(text);
  }
  environment.insert(environment.end(), env_extra.begin(), env_extra.end());
  std::vector<char*> env;
  for (std::string& text : environment) env.push_back(text.data());
  env.push_back(nullptr);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  if (keep_fd >= 0) posix_spawn_file_actions_adddup2(&actions, keep_fd, 3);
  pid_t pid = 0;
  const bool started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), env.data()) == 0;
  posix_spawn_file_actions_destroy(&actions);
  return started ? pid : 0;
}

inline void end(pid_t pid) {
  if (pid == 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

// A desktop of its own: an X server of the asked size on a free display,
// with a window manager when asked, so sizes and clicks are nobody else's.
class DESKTOP {
 public:
  DESKTOP(int width, int height, bool window_manager) {
    int fds[2];
    if (pipe(fds) != 0) return;
    server_ = spawn({"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-screen", "0",
                     std::to_string(width) + "x" + std::to_string(height) + "x24"},
                    {}, fds[1]);
    close(fds[1]);
    std::string number;
    char c = 0;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (server_ == 0 || number.empty()) return;
    name_ = ":" + number;
    display_ = XOpenDisplay(name_.c_str());
    if (display_ == nullptr || !window_manager) return;
    manager_ = spawn({"openbox"}, {"DISPLAY=" + name_});
    const auto give_up = std::chrono::steady_clock::now() + kPatience;
    while (!manager_runs() && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  }
  ~DESKTOP() {
    if (display_ != nullptr) XCloseDisplay(display_);
    end(manager_);
    end(server_);
  }
  DESKTOP(const DESKTOP&) = delete;
  DESKTOP& operator=(const DESKTOP&) = delete;

  Display* display() const { return display_; }
  const std::string& name() const { return name_; }

  bool manager_runs() const {
    const long* check = longs(DefaultRootWindow(display_), "_NET_SUPPORTING_WM_CHECK", 1).get();
    return check != nullptr;
  }

  // The message boxes shown on the desktop: its top-level windows of the
  // dialog type that are on screen.
  std::vector<Window> message_boxes() const {
    std::vector<Window> found;
    const Atom dialog = XInternAtom(display_, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
      return found;
    }
    for (unsigned i = 0; i < count; ++i) {
      XWindowAttributes attributes{};
      const auto type = longs(children[i], "_NET_WM_WINDOW_TYPE", 1);
      if (XGetWindowAttributes(display_, children[i], &attributes) &&
          attributes.map_state == IsViewable && type && Atom(*type) == dialog) {
        found.push_back(children[i]);
      }
    }
    if (children != nullptr) XFree(children);
    return found;
  }

  // Up to n 32-bit items of a property; null when it is not there.
  std::shared_ptr<const long> longs(Window window, const char* property, long n) const {
    const Atom atom = XInternAtom(display_, property, True);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (atom == None ||
        XGetWindowProperty(display_, window, atom, 0, n, False, AnyPropertyType, &type, &format,
                           &items, &after, &data) != Success ||
        data == nullptr || format != 32 || items < static_cast<unsigned long>(n)) {
      if (data != nullptr) XFree(data);
      return nullptr;
    }
    return std::shared_ptr<const long>(reinterpret_cast<long*>(data),
                                       [](const long* p) { XFree(const_cast<long*>(p)); });
  }

 private:
  pid_t server_ = 0;
  pid_t manager_ = 0;
  std::string name_;
  Display* display_ = nullptr;
};

}  // namespace e2e
