#pragma once
// Which errno values of a device read mean the device went away.

namespace Platform {

// The text of the "disconnected" row for error, or null when error is an
// ordinary read failure (see docs/platform-linux.md for the table). EIO is
// a disconnection only when deviceGone: on a device still there it is a bad
// sector, which costs only what it holds.
const char* DisconnectedErrorText(int error, bool deviceGone);

}
