#include <SDL2/SDL_messagebox.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/host.h"
#include "platform/host_termination.h"

extern char** environ;

namespace KOR {

namespace {

std::atomic<HOST_MESSAGE_SINK> message_sink{nullptr};

// The box's wait cannot be interrupted inside SDL, so the box is shown by a
// copy of the program started for it, which the game can end with it.
constexpr const char* kBoxProgram = "/proc/self/exe";
constexpr const char* kBoxArgument = "--message-box";
// How often the wait looks whether the box was closed; a termination signal
// wakes it at once.
constexpr int kBoxCheckMs = 100;

// The box does not break lines itself: a long text would run off the screen.
constexpr size_t kBoxLineLength = 80;

// Broken at spaces into lines of at most kBoxLineLength bytes where it can
// be; a longer word keeps a line of its own.
std::string in_box_lines(const std::string& text) {
  std::string lines = text;
  size_t line_start = 0;
  size_t last_space = std::string::npos;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == '\n') {
      line_start = i + 1;
      last_space = std::string::npos;
    } else if (i - line_start >= kBoxLineLength && last_space != std::string::npos) {
      lines[last_space] = '\n';
      line_start = last_space + 1;
      last_space = std::string::npos;
    }
    if (lines[i] == ' ' && i >= line_start) last_space = i;
  }
  return lines;
}

void show_here(const char* caption, const char* text) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption, text, nullptr);
}

// The box process leads a process group of its own, which also holds the
// process SDL shows the box from.
void end_box_group(int) { kill(0, SIGKILL); }

pid_t start_box_process(const std::string& caption, const std::string& text) {
  const std::string game = std::to_string(getpid());
  char* argv[] = {const_cast<char*>(kBoxProgram),  const_cast<char*>(kBoxArgument),
                  const_cast<char*>(game.c_str()), const_cast<char*>(caption.c_str()),
                  const_cast<char*>(text.c_str()), nullptr};
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A group of its own: Ctrl+C in the terminal goes to the game alone, which
  // ends the box with the whole group.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t box = 0;
  const bool started = posix_spawn(&box, kBoxProgram, nullptr, &attributes, argv, environ) == 0;
  posix_spawnattr_destroy(&attributes);
  return started ? box : 0;
}

// Until the box is closed, or a termination signal ends it with everything
// it started.
void wait_for_box(pid_t box) {
  while (waitpid(box, nullptr, WNOHANG) == 0) {
    if (host_terminating()) {
      kill(-box, SIGKILL);
      waitpid(box, nullptr, 0);
      return;
    }
    pollfd wake{host_termination_fd(), POLLIN, 0};
    poll(&wake, wake.fd >= 0 ? 1 : 0, kBoxCheckMs);
  }
}

}  // namespace

HOST_MESSAGE_SINK host_set_message_sink(HOST_MESSAGE_SINK sink) {
  return message_sink.exchange(sink);
}

void host_message_box(const std::string& caption, const std::string& text) {
  std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  if (const HOST_MESSAGE_SINK sink = message_sink) {
    sink(caption, text);
    return;
  }
  // A game that is ending keeps nobody waiting; the text is on stderr.
  if (host_terminating()) return;
  const std::string lines = in_box_lines(text);
  const pid_t box = start_box_process(caption, lines);
  if (box == 0) {
    show_here(caption.c_str(), lines.c_str());
    return;
  }
  wait_for_box(box);
}

bool host_message_box_process(int argc, char** argv) {
  if (argc != 5 || std::strcmp(argv[1], kBoxArgument) != 0) return false;
  // The box goes with the game, also when the game is killed.
  if (getpgrp() == getpid()) {
    struct sigaction action {};
    action.sa_handler = &end_box_group;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
  }
  prctl(PR_SET_PDEATHSIG, SIGTERM);
  if (getppid() != static_cast<pid_t>(std::atol(argv[2]))) return true;
  show_here(argv[3], argv[4]);
  return true;
}

}  // namespace KOR
