#pragma once
// The signals that end a program from outside (SIGTERM at logout and shutdown, SIGHUP when the
// terminal goes, SIGINT for Ctrl+C) reach the program as a call from its event loop, not inside the
// signal handler, so that it can end in order.
#include <functional>

namespace platform {

// From now on each of these signals calls `bijSignaal` from the event loop. A second call replaces the
// action. A write past the file-size limit then fails with EFBIG (SIGXFSZ is ignored): the program goes on
// and tells it as a full disk.
void VangEindsignalen(std::function<void()> bijSignaal);
// The signals end the program as the system does again.
void LaatEindsignalenLos();

} // namespace platform
