#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/paths.h"

// Last: Xlib's macros (None, Success, Status) would clash with names above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

extern char** environ;

namespace e2e {

namespace fs = std::filesystem;

// Generous: a sanitized game starting on a loaded machine. Only a game
// that never answers hits it.
constexpr auto kPatience = std::chrono::minutes(5);

// The built game program started as `scripts/play` starts it, from the
// folder holding its Resources, with a per-user folder of its own and its
// error output kept.
class GAME_PROCESS {
 public:
  // `unset` names variables the game does not get; `extra` adds some
  // ("NAME=value"), after the ones it replaces are dropped.
  GAME_PROCESS(const fs::path& user_root, const fs::path& error_file,
               const std::vector<std::string>& unset, const std::vector<std::string>& extra = {}) {
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
      const std::string text = *entry;
      const std::string name = text.substr(0, text.find('='));
      bool dropped = name == "XDG_DATA_HOME" || name == "ASAN_OPTIONS";
      for (const std::string& gone : unset) dropped = dropped || name == gone;
      for (const std::string& added : extra) dropped = dropped || added.rfind(name + "=", 0) == 0;
      if (!dropped) environment.push_back(text);
    }
    environment.push_back("XDG_DATA_HOME=" + user_root.string());
    // LeakSanitizer's tracer can crash at the exit of a program whose GL
    // driver threads wind down; the leak checks run in the in-process tests.
    const char* asan = getenv("ASAN_OPTIONS");
    environment.push_back(std::string("ASAN_OPTIONS=") + (asan ? asan : "") + ":detect_leaks=0");
    environment.insert(environment.end(), extra.begin(), extra.end());
    std::vector<char*> env;
    for (std::string& text : environment) env.push_back(text.data());
    env.push_back(nullptr);

    const std::string program = AQUAVEX_GAME_PROGRAM;
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, test_support::runtime_dir().c_str());
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, error_file.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    // Not the test's own output: a game left behind by a test that died
    // would hold it open, and the test runner waits for it to close.
    posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    started_ = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv, env.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
  }

  ~GAME_PROCESS() {
    if (started_ && !ended_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  GAME_PROCESS(const GAME_PROCESS&) = delete;
  GAME_PROCESS& operator=(const GAME_PROCESS&) = delete;

  bool started() const { return started_; }
  pid_t pid() const { return pid_; }

  // True once the program has ended, its exit status in `status` (-1 when a
  // signal ended it).
  bool ended(int* status) {
    if (!ended_) {
      int raw = 0;
      if (waitpid(pid_, &raw, WNOHANG) != pid_) return false;
      ended_ = true;
      status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    *status = status_;
    return true;
  }

  // The exit status; -2 when it did not end in time (it is then killed).
  int wait(std::chrono::steady_clock::duration patience = kPatience) {
    int status = 0;
    const auto give_up = std::chrono::steady_clock::now() + patience;
    while (!ended(&status)) {
      if (std::chrono::steady_clock::now() > give_up) return -2;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return status;
  }

 private:
  pid_t pid_ = 0;
  bool started_ = false;
  bool ended_ = false;
  int status_ = 0;
};

// Polls until the condition holds; false when it still does not after the
// patience given.
template <class CONDITION>
bool wait_until(CONDITION holds, std::chrono::steady_clock::duration patience = kPatience) {
  const auto give_up = std::chrono::steady_clock::now() + patience;
  while (!holds()) {
    if (std::chrono::steady_clock::now() > give_up) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

// What a window manager sends when a window's close box is clicked.
inline void send_close_box(Display* display, Window window) {
  XEvent close{};
  close.xclient.type = ClientMessage;
  close.xclient.window = window;
  close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  close.xclient.format = 32;
  close.xclient.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
  close.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &close);
  XFlush(display);
}

// Other tests' windows come and go on the shared X server: one gone between
// listing and asking is skipped, where Xlib's default handler would end the
// test and leave the game running.
inline int ignore_x_error(Display*, XErrorEvent*) { return 0; }

// The top-level window of that process on the X server; 0 when none.
inline Window window_of(Display* display, Window parent, pid_t pid) {
  const Atom pid_atom = XInternAtom(display, "_NET_WM_PID", True);
  Window root = 0, up = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (pid_atom == None || !XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  Window found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, children[i], pid_atom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &after, &data) == Success &&
        data != nullptr && items == 1 && format == 32 &&
        pid_t(*reinterpret_cast<unsigned long*>(data)) == pid) {
      found = children[i];
    }
    if (data != nullptr) XFree(data);
    if (found == 0) found = window_of(display, children[i], pid);
  }
  if (children != nullptr) XFree(children);
  return found;
}

// Waits until the game shows its window; 0 when it ended or never did.
inline Window wait_for_window(Display* display, GAME_PROCESS& game) {
  const auto give_up = std::chrono::steady_clock::now() + kPatience;
  int status = 0;
  while (!game.ended(&status) && std::chrono::steady_clock::now() < give_up) {
    if (const Window found = window_of(display, DefaultRootWindow(display), game.pid())) {
      return found;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return 0;
}

}  // namespace e2e
