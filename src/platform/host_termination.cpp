#include "platform/host_termination.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>

#include "platform/host.h"

namespace KOR {

namespace {

// Atomic flags and a write to a pipe are all a signal handler may do; the
// close itself, and the save it brings, happen in the main loop.
std::atomic<bool> close_requested{false};
std::atomic<bool> terminating{false};
static_assert(std::atomic<bool>::is_always_lock_free);
int wake_pipe[2] = {-1, -1};

void on_termination_signal(int) {
  const int saved_errno = errno;
  terminating.store(true);
  close_requested.store(true);
  if (wake_pipe[1] >= 0) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(wake_pipe[1], &byte, 1);
  }
  errno = saved_errno;
}

}  // namespace

bool host_take_close_request() { return close_requested.exchange(false); }

bool host_terminating() { return terminating.load(); }

int host_termination_fd() { return wake_pipe[0]; }

void host_request_close() { close_requested.store(true); }

void host_close_on_termination_signals() {
  // Non-blocking: a burst of signals must never block the handler on a full
  // pipe, and one byte is enough to wake the reader.
  if (wake_pipe[0] < 0 && pipe2(wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    wake_pipe[0] = wake_pipe[1] = -1;
  }
  struct sigaction action {};
  action.sa_handler = &on_termination_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  // A logout or a closed terminal (SIGHUP) ends the game as the close box
  // and a session's end do.
  for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    sigaction(signal_number, &action, nullptr);
  }
}

}  // namespace KOR
