#pragma once

namespace KOR {

// The close request shared by the close box, the termination signals and the
// event poll (host.h has the public side).

// Takes the pending close request; false when there is none.
bool host_take_close_request();
// True from the first termination signal on: the program is ending and
// nothing may keep it waiting for a person.
bool host_terminating();
// Readable from the first termination signal on; -1 before the signals are
// taken. Lets a wait that is not the event loop wake at once.
int host_termination_fd();

}  // namespace KOR
